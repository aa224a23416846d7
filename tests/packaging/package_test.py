#!/usr/bin/env python3
"""The Debian package as a user gets it, checked with Debian's own tools.

Builds the .deb with cpack from the build tree into a temporary folder, then
looks at it from outside: its file list and control fields, lintian,
desktop-file-validate, appstreamcli, apt's resolver, and finally the game
started from the unpacked package on a virtual X desktop. Nothing is
installed on the machine.
"""
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
from xdesktop import Desktop, wait_for  # noqa: E402

TITLE = "澄湖益智孔明棋"
GAMES_DIR = "usr/games"
DOC_DIR = "usr/share/doc/{package}"
ICON_THEME_DIR = "usr/share/icons/hicolor"

# Lintian warnings this package keeps, each with the reason. Any other
# warning, and every error, fails the test.
ACCEPTED_LINTIAN_WARNINGS = {
    # The package is made for users of the game, not uploaded to Debian's
    # archive, so there is no "intent to package" bug for it to close.
    "initial-upload-closes-no-bugs",
}

ARGS = None


def run(*args, check=True, cwd=None):
    result = subprocess.run(args, capture_output=True, text=True, cwd=cwd, timeout=120)
    if check and result.returncode != 0:
        raise AssertionError("%s failed (%d):\n%s%s" % (" ".join(args), result.returncode,
                                                        result.stdout, result.stderr))
    return result


def png_size(path):
    with open(path, "rb") as f:
        header = f.read(24)
    if header[:8] != b"\x89PNG\r\n\x1a\n" or header[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", header[16:24])


def read_desktop_entry(path):
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str  # keys are case-sensitive
    parser.read(path, encoding="utf-8")
    return parser["Desktop Entry"]


class Package:
    """The .deb built from the build tree, and its contents unpacked."""

    def __init__(self, build_dir):
        self.work = tempfile.mkdtemp(prefix="kmq-package-")
        output = os.path.join(self.work, "out")
        run("cpack", "-G", "DEB", "--config", os.path.join(build_dir, "CPackConfig.cmake"), "-B", output,
            cwd=build_dir)
        debs = glob.glob(os.path.join(output, "*.deb"))
        if len(debs) != 1:
            raise AssertionError("cpack made %d packages: %s" % (len(debs), debs))
        self.path = debs[0]
        self.root = os.path.join(self.work, "root")
        run("dpkg-deb", "-x", self.path, self.root)
        self.control = self._fields(run("dpkg-deb", "-f", self.path).stdout)
        self.name = self.control["Package"]
        self.entries = {}  # path without the leading "./" -> (mode, owner)
        for line in run("dpkg-deb", "-c", self.path).stdout.splitlines():
            mode, owner, _size, _date, _time, path = line.split(None, 5)
            self.entries[path.removeprefix("./").rstrip("/")] = (mode, owner)

    @staticmethod
    def _fields(text):
        fields, key = {}, None
        for line in text.splitlines():
            if line.startswith((" ", "\t")) and key:
                fields[key] += "\n" + line
            else:
                key, _, value = line.partition(":")
                fields[key] = value.strip()
        return fields

    def file(self, path):
        return os.path.join(self.root, path)

    def doc(self, name):
        return DOC_DIR.format(package=self.name) + "/" + name

    def close(self):
        shutil.rmtree(self.work, ignore_errors=True)


class PackageTest(unittest.TestCase):
    package = None

    @classmethod
    def setUpClass(cls):
        cls.package = Package(ARGS.build_dir)

    @classmethod
    def tearDownClass(cls):
        cls.package.close()

    # -- what the package holds ----------------------------------------------
    def desktop_entry_path(self):
        return "usr/share/applications/%s.desktop" % ARGS.app_id

    def metainfo_path(self):
        return "usr/share/metainfo/%s.metainfo.xml" % ARGS.app_id

    def expected_icons(self):
        """Every icon in the icon folder, at its place in the hicolor theme."""
        icons = {}
        for source in sorted(glob.glob(os.path.join(ARGS.icons, "*.png"))):
            size = os.path.basename(source)[:-len(".png")]
            if size.isdigit():
                icons["%s/%sx%s/apps/%s.png" % (ICON_THEME_DIR, size, size, ARGS.app_id)] = int(size)
        if os.path.exists(os.path.join(ARGS.icons, "scalable.svg")):
            icons["%s/scalable/apps/%s.svg" % (ICON_THEME_DIR, ARGS.app_id)] = None
        return icons

    def test_lists_every_installed_file(self):
        p = self.package
        expected = [GAMES_DIR + "/" + ARGS.program, self.desktop_entry_path(), self.metainfo_path(),
                    "usr/share/man/man6/%s.6.gz" % ARGS.program,
                    p.doc("copyright"), p.doc("changelog.gz"), p.doc("changelog.Debian.gz")]
        if os.path.exists(ARGS.font_license):
            expected.append(p.doc(os.path.basename(ARGS.font_license)))
        expected += self.expected_icons()
        missing = [path for path in expected if path not in p.entries]
        self.assertEqual(missing, [], "not in the package; it holds:\n" + "\n".join(sorted(p.entries)))

    def test_each_icon_has_the_size_of_its_folder(self):
        icons = self.expected_icons()
        self.assertTrue(icons, "no application icon in " + ARGS.icons)
        for path, size in icons.items():
            with self.subTest(icon=path):
                if size is None:
                    root = ElementTree.parse(self.package.file(path)).getroot()
                    self.assertEqual(root.tag, "{http://www.w3.org/2000/svg}svg")
                else:
                    self.assertEqual(png_size(self.package.file(path)), (size, size))

    def test_owners_and_permissions(self):
        program = GAMES_DIR + "/" + ARGS.program
        for path, (mode, owner) in self.package.entries.items():
            with self.subTest(path=path):
                self.assertEqual(owner, "root/root")
                if mode.startswith("d"):
                    self.assertEqual(mode, "drwxr-xr-x")
                elif path == program:
                    self.assertEqual(mode, "-rwxr-xr-x")
                else:
                    self.assertEqual(mode, "-rw-r--r--")

    def test_compressed_documents_are_reproducible(self):
        """gzip -9n: best compression, no file name, no time stamp."""
        p = self.package
        for path in ["usr/share/man/man6/%s.6.gz" % ARGS.program, p.doc("changelog.gz"),
                     p.doc("changelog.Debian.gz")]:
            with self.subTest(path=path):
                with open(p.file(path), "rb") as f:
                    header = f.read(10)
                magic, _method, flags, mtime, extra_flags = struct.unpack("<2sBBIB", header[:9])
                self.assertEqual(magic, b"\x1f\x8b")
                self.assertFalse(flags & 0x08, "the original file name is stored")
                self.assertEqual(mtime, 0, "a time stamp is stored")
                self.assertEqual(extra_flags, 2, "not compressed at the highest level")

    # -- control fields and versions -----------------------------------------
    def test_control_fields(self):
        c = self.package.control
        self.assertEqual(c["Package"], ARGS.package)
        self.assertEqual(c["Section"], "games")
        self.assertEqual(c["Priority"], "optional")
        self.assertRegex(c["Maintainer"], r"^[^<]+ <[^@>]+@example\.org>$")
        self.assertRegex(c["Homepage"], r"^https://")
        summary, _, extended = c["Description"].partition("\n")
        self.assertTrue(summary and len(summary) < 80, summary)
        self.assertGreater(len(extended.splitlines()), 2, "no extended description")

    def test_dependencies_come_from_the_libraries(self):
        depends = [d.strip().split()[0] for d in self.package.control["Depends"].split(",")]
        for library in ["libc6", "libqt6widgets6", "libqt6gui6", "libqt6core6"]:
            self.assertIn(library, depends)
        self.assertEqual([d for d in depends if d.startswith("fonts-")], [],
                         "the game carries its own font")

    def test_file_name_follows_debian_convention(self):
        c = self.package.control
        self.assertEqual(os.path.basename(self.package.path),
                         "%s_%s_%s.deb" % (c["Package"], c["Version"], c["Architecture"]))
        self.assertEqual(c["Architecture"], run("dpkg", "--print-architecture").stdout.strip())

    def test_versions_agree(self):
        p = self.package
        version = p.control["Version"]
        self.assertTrue(version.startswith(ARGS.version + "-"), version)
        with gzip.open(p.file(p.doc("changelog.Debian.gz")), "rt", encoding="utf-8") as f:
            newest = re.match(r"^(\S+) \(([^)]+)\)", f.readline())
        self.assertEqual(newest.groups(), (p.name, version), "newest entry of changelog.Debian")
        with gzip.open(p.file(p.doc("changelog.gz")), "rt", encoding="utf-8") as f:
            self.assertIn(ARGS.version, f.readline(), "newest entry of the changelog")
        releases = ElementTree.parse(p.file(self.metainfo_path())).getroot().findall("releases/release")
        self.assertEqual(releases[0].get("version"), ARGS.version, "newest release in the metainfo")

    # -- Debian's checks -----------------------------------------------------
    def test_lintian(self):
        result = run("lintian", "--display-info", "--pedantic", self.package.path, check=False)
        print("\n" + result.stdout, file=sys.stderr)
        tags = re.findall(r"^([EW]): \S+: (\S+)", result.stdout, re.M)
        self.assertEqual([tag for level, tag in tags if level == "E"], [], "lintian errors")
        self.assertEqual([tag for level, tag in tags if level == "W" and tag not in ACCEPTED_LINTIAN_WARNINGS],
                         [], "lintian warnings")

    def test_desktop_entry(self):
        path = self.package.file(self.desktop_entry_path())
        result = run("desktop-file-validate", path, check=False)
        self.assertEqual((result.returncode, result.stdout.strip()), (0, ""), result.stdout)
        entry = read_desktop_entry(path)
        self.assertEqual(entry["Exec"].split()[0], ARGS.program)
        self.assertTrue(os.access(self.package.file(GAMES_DIR + "/" + entry["Exec"].split()[0]), os.X_OK))
        self.assertEqual(entry["Icon"], ARGS.app_id)
        self.assertIn(entry["Icon"], {os.path.splitext(os.path.basename(i))[0] for i in self.expected_icons()},
                      "the entry's icon is not in the package")
        self.assertEqual(entry["Name"], TITLE)
        self.assertIn("BoardGame", entry["Categories"].split(";"))

    def test_appstream_metadata(self):
        path = self.package.file(self.metainfo_path())
        result = run("appstreamcli", "validate", "--no-net", "--no-color", path, check=False)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        root = ElementTree.parse(path).getroot()
        self.assertEqual(root.findtext("id"), ARGS.app_id)
        self.assertEqual(root.findtext("launchable[@type='desktop-id']"),
                         os.path.basename(self.desktop_entry_path()))
        self.assertEqual(root.findtext("provides/binary"), ARGS.program)
        self.assertEqual(root.findtext("name"), TITLE)

    def test_apt_resolves_the_dependencies(self):
        result = run("apt-get", "install", "--simulate", "--no-install-recommends", self.package.path,
                     check=False)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        self.assertRegex(result.stdout, r"(?m)^Conf %s " % re.escape(self.package.name))

    # -- the game from the package -------------------------------------------
    def test_game_from_the_package_opens_its_board(self):
        """Started from the unpacked package, the game shows its board, and
        the window's class is the one the desktop entry names, so desktops
        match the window with its entry and icon."""
        entry = read_desktop_entry(self.package.file(self.desktop_entry_path()))
        desktop = Desktop(ARGS.artefacts)
        try:
            game = desktop.start(self.package.file(GAMES_DIR + "/" + ARGS.program))
            try:
                board = wait_for(lambda: desktop.windows(TITLE), "the board window", timeout=20)[0]
                wm_class = re.findall(r'"([^"]*)"', desktop.prop(board, "WM_CLASS"))
                self.assertEqual(len(wm_class), 2, wm_class)
                self.assertEqual(wm_class[1], entry["StartupWMClass"], "WM_CLASS (instance, class): %s" % wm_class)
            except BaseException:
                desktop.keep("package-game")
                game.terminate()
                print("The game's messages:\n" + game.communicate(timeout=10)[1].decode(errors="replace"),
                      file=sys.stderr)
                raise
            game.terminate()
            game.communicate(timeout=10)
        finally:
            desktop.close()


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--build-dir", required=True, help="build tree with CPackConfig.cmake")
    parser.add_argument("--package", required=True, help="name of the package")
    parser.add_argument("--program", required=True, help="file name of the game's program")
    parser.add_argument("--app-id", required=True)
    parser.add_argument("--version", required=True, help="the project's version")
    parser.add_argument("--icons", required=True, help="folder of the application icon")
    parser.add_argument("--font-license", required=True)
    parser.add_argument("--artefacts", required=True)
    ARGS, rest = parser.parse_known_args()
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
