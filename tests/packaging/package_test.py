#!/usr/bin/env python3
"""The Debian package as a user gets it, made with cpack into a temporary folder and checked from outside
with Debian's own tools; the game starts from the unpacked package. Nothing is installed on the machine."""
import argparse
import configparser
import glob
import gzip
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "desktop"))
from game_board import TITLE  # noqa: E402
from xdesktop import Desktop, errors_of, stop, wait_for  # noqa: E402

# Lintian warnings this package keeps, each with the reason. Any other warning, and every error, fails the test.
ACCEPTED_LINTIAN_WARNINGS = {
    "initial-upload-closes-no-bugs",  # not uploaded to Debian's archive: no "intent to package" bug to close
}

ARGS = None


def run(*args, check=True):
    result = subprocess.run(args, capture_output=True, text=True, timeout=120)
    if check and result.returncode != 0:
        raise AssertionError("%s failed:\n%s%s" % (" ".join(args), result.stdout, result.stderr))
    return result


def png_size(path):
    with open(path, "rb") as f:
        header = f.read(24)
    return struct.unpack(">II", header[16:24]) if header.startswith(b"\x89PNG") else None


def desktop_entry(path):
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str  # keys are case-sensitive
    parser.read(path, encoding="utf-8")
    return parser["Desktop Entry"]


class PackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.work = tempfile.mkdtemp(prefix="kmq-package-")
        run("cpack", "-G", "DEB", "--config", os.path.join(ARGS.build_dir, "CPackConfig.cmake"),
            "-B", os.path.join(cls.work, "out"))
        debs = glob.glob(os.path.join(cls.work, "out", "*.deb"))
        assert len(debs) == 1, "cpack made %s" % debs
        cls.deb = debs[0]
        cls.root = os.path.join(cls.work, "root")
        run("dpkg-deb", "-x", cls.deb, cls.root)
        fields = run("dpkg-deb", "--show", "--showformat=${Version}\\n${Architecture}\\n${Depends}\\n${Recommends}",
                     cls.deb)
        cls.version, cls.architecture, cls.depends, cls.recommends = fields.stdout.split("\n")
        cls.listed = {line.split(None, 5)[5].removeprefix("./").rstrip("/")
                      for line in run("dpkg-deb", "-c", cls.deb).stdout.splitlines()}

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.work, ignore_errors=True)

    def file(self, path):
        return os.path.join(self.root, path)

    # Where each file belongs, relative to the root of the package.
    program = property(lambda self: "usr/games/" + ARGS.program)
    entry = property(lambda self: "usr/share/applications/%s.desktop" % ARGS.app_id)
    metainfo = property(lambda self: "usr/share/metainfo/%s.metainfo.xml" % ARGS.app_id)
    manual = property(lambda self: "usr/share/man/man6/%s.6.gz" % ARGS.program)

    def doc(self, name):
        return "usr/share/doc/%s/%s" % (ARGS.package, name)

    def icons(self):
        """Every icon of the icon folder, at its place in the hicolor theme, with its size (None: scalable)."""
        icons = {}
        theme = "usr/share/icons/hicolor/"
        for source in glob.glob(os.path.join(ARGS.icons, "*.png")):
            size = os.path.basename(source).removesuffix(".png")
            if size.isdigit():
                icons["%s%sx%s/apps/%s.png" % (theme, size, size, ARGS.app_id)] = int(size)
        if os.path.exists(os.path.join(ARGS.icons, "scalable.svg")):
            icons["%sscalable/apps/%s.svg" % (theme, ARGS.app_id)] = None
        return icons

    # -- what the package holds ----------------------------------------------
    def test_holds_every_file(self):
        expected = [self.program, self.entry, self.metainfo, self.manual, self.doc("copyright"),
                    self.doc("changelog.gz"), self.doc("changelog.Debian.gz"), *self.icons()]
        if os.path.exists(ARGS.font_license):
            expected.append(self.doc(os.path.basename(ARGS.font_license)))
        self.assertEqual([path for path in expected if path not in self.listed], [],
                         "missing; the package holds:\n" + "\n".join(sorted(self.listed)))

    def test_each_icon_has_the_size_of_its_folder(self):
        self.assertTrue(self.icons(), "no application icon in " + ARGS.icons)
        for path, size in self.icons().items():
            with self.subTest(icon=path):
                if size is None:
                    self.assertEqual(ElementTree.parse(self.file(path)).getroot().tag,
                                     "{http://www.w3.org/2000/svg}svg")
                else:
                    self.assertEqual(png_size(self.file(path)), (size, size))

    def test_compressed_documents_are_reproducible(self):
        """gzip -9n: best compression, no file name, no time stamp."""
        for path in [self.manual, self.doc("changelog.gz"), self.doc("changelog.Debian.gz")]:
            with self.subTest(path=path), open(self.file(path), "rb") as f:
                magic, _method, flags, mtime, extra_flags = struct.unpack("<2sBBIB", f.read(9))
                self.assertEqual(magic, b"\x1f\x8b")
                self.assertFalse(flags & 0x08, "the original file name is stored")
                self.assertEqual(mtime, 0, "a time stamp is stored")
                self.assertEqual(extra_flags, 2, "not compressed at the highest level")

    def test_dependencies_come_from_the_libraries(self):
        depends = [d.split()[0] for d in self.depends.split(", ")]
        for library in ["libc6", "libqt6widgets6", "libqt6gui6", "libqt6core6"]:
            self.assertIn(library, depends)
        self.assertEqual([d for d in depends if d.startswith("fonts-")], [], "the game carries its own font")
        self.assertEqual(self.recommends, "qt6-wayland")  # the plugin no library names

    def test_name_and_versions_agree(self):
        self.assertEqual(os.path.basename(self.deb),
                         "%s_%s_%s.deb" % (ARGS.package, self.version, self.architecture))
        self.assertEqual(self.architecture, run("dpkg", "--print-architecture").stdout.strip())
        self.assertTrue(self.version.startswith(ARGS.version + "-"), self.version)
        with gzip.open(self.file(self.doc("changelog.Debian.gz")), "rt", encoding="utf-8") as f:
            self.assertTrue(f.readline().startswith("%s (%s) " % (ARGS.package, self.version)),
                            "the newest entry of changelog.Debian is not this version")
        with gzip.open(self.file(self.doc("changelog.gz")), "rt", encoding="utf-8") as f:
            self.assertIn(ARGS.version, f.readline(), "the newest entry of the changelog")
        newest = ElementTree.parse(self.file(self.metainfo)).getroot().find("releases/release")
        self.assertEqual(newest.get("version"), ARGS.version, "the newest release in the metainfo")

    # -- Debian's checks -----------------------------------------------------
    def test_lintian(self):
        result = run("lintian", "--display-info", "--pedantic", self.deb, check=False)
        print("\n" + result.stdout, file=sys.stderr)
        tags = re.findall(r"^([EW]): \S+: (\S+)", result.stdout, re.M)
        self.assertEqual([tag for level, tag in tags if level == "E"], [], "lintian errors")
        self.assertEqual([tag for level, tag in tags if level == "W" and tag not in ACCEPTED_LINTIAN_WARNINGS],
                         [], "lintian warnings")

    def test_desktop_entry(self):
        result = run("desktop-file-validate", self.file(self.entry), check=False)
        self.assertEqual((result.returncode, result.stdout), (0, ""))
        entry = desktop_entry(self.file(self.entry))
        self.assertEqual(entry["Exec"], ARGS.program)
        self.assertIn(entry["Icon"], {os.path.basename(i).rsplit(".", 1)[0] for i in self.icons()},
                      "the entry's icon is not in the package")

    def test_appstream_metadata(self):
        result = run("appstreamcli", "validate", "--no-net", "--no-color", self.file(self.metainfo), check=False)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        root = ElementTree.parse(self.file(self.metainfo)).getroot()
        self.assertEqual(root.findtext("id"), ARGS.app_id)
        self.assertEqual(root.findtext("launchable[@type='desktop-id']"), os.path.basename(self.entry))
        self.assertEqual(root.findtext("provides/binary"), ARGS.program)

    def test_apt_resolves_the_dependencies(self):
        result = run("apt-get", "install", "--simulate", "--no-install-recommends", self.deb, check=False)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertRegex(result.stdout, r"(?m)^Conf %s " % re.escape(ARGS.package))

    # -- the game from the package -------------------------------------------
    def test_game_from_the_package_opens_its_board(self):
        """The board appears, and its window class is the one the desktop entry names, so that desktops match
        the window to its entry."""
        wm_class_wanted = desktop_entry(self.file(self.entry))["StartupWMClass"]
        with Desktop(ARGS.artefacts) as desktop:
            game = desktop.start(self.file(self.program))
            try:
                board = wait_for(lambda: desktop.windows(TITLE), "the board window", timeout=20)[0]
                wm_class = re.findall(r'"([^"]*)"', desktop.prop(board, "WM_CLASS"))
                self.assertEqual(wm_class[1:], [wm_class_wanted], "WM_CLASS (instance, class): %s" % wm_class)
            except BaseException:
                desktop.keep("package-game")
                stop(game)
                print("The game's messages:\n" + errors_of(game), file=sys.stderr)
                raise


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--build-dir", required=True, help="build tree with CPackConfig.cmake")
    parser.add_argument("--icons", required=True, help="folder of the application icon")
    for option in ("--package", "--program", "--app-id", "--version", "--font-license", "--artefacts"):
        parser.add_argument(option, required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
