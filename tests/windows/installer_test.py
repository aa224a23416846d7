#!/usr/bin/env python3
"""What a Windows player downloads, tried under Wine as a player would.

The portable zip holds one folder with the game and its texts. The installer
runs silently into a fresh Wine prefix; its files, Start-menu shortcut and
Apps & features entry are read back from the prefix; the installed game
starts on a virtual X desktop, and while it runs neither a second install
nor the uninstaller touches anything; the silent uninstall then leaves the
prefix's files and its Software registry as they were before the install.
"""
import argparse
import contextlib
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "desktop"))
from game_board import BOARD_SIZE, TITLE  # noqa: E402
from xdesktop import Desktop, errors_of, stop, wait_for  # noqa: E402

INSTALL_FOLDER = r"C:\Program Files\Kongmingqi"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kongmingqi"
SHORTCUT = "ProgramData/Microsoft/Windows/Start Menu/Programs/" + TITLE + ".lnk"
# Where Wine itself writes as it runs programs; not the installer's doing.
WINE_OWN = re.compile(r"^(windows/|users/[^/]+/(Temp|AppData/Local/Temp)/)", re.I)

# The libraries of Windows itself that the program may import; anything else
# (Qt, the C++ runtime) would have to be shipped beside it.
WINDOWS_OWN_LIBRARIES = {
    "advapi32.dll", "authz.dll", "comdlg32.dll", "d3d11.dll", "d3d9.dll", "dwmapi.dll", "dwrite.dll",
    "dxgi.dll", "gdi32.dll", "imm32.dll", "kernel32.dll", "mpr.dll", "msvcrt.dll", "netapi32.dll",
    "ole32.dll", "oleaut32.dll", "setupapi.dll", "shcore.dll", "shell32.dll", "shlwapi.dll", "user32.dll",
    "userenv.dll", "uxtheme.dll", "version.dll", "winmm.dll", "winspool.drv", "ws2_32.dll", "wtsapi32.dll",
    "api-ms-win-core-synch-l1-2-0.dll", "api-ms-win-core-winrt-l1-1-0.dll",
    "api-ms-win-core-winrt-string-l1-1-0.dll",
}

ARGS = None


def wine(*args, display=None, check=True, settle=True):
    """Runs a Windows program in the test's prefix and, when `settle`, waits
    until every program it started there has ended too (which a game still
    running in the prefix would keep from happening)."""
    env = dict(os.environ)
    if display:
        env["DISPLAY"] = display
    command = [ARGS.wine_run] + (["--display"] if display else []) + [ARGS.prefix, *args]
    result = subprocess.run(command, env=env, capture_output=True, timeout=300)
    if settle:
        subprocess.run(["wineserver", "--wait"], env=dict(env, WINEPREFIX=os.path.realpath(ARGS.prefix)),
                       timeout=300)
    if check and result.returncode != 0:
        raise AssertionError("%s failed (%d): %s" % (args[0], result.returncode, result.stderr.decode(errors="replace")))
    return result


def drive_c(*parts):
    return os.path.join(ARGS.prefix, "drive_c", *parts)


def files_of_drive_c():
    """Every file and folder of drive C:, by path, leaving out Wine's own."""
    root = drive_c()
    found = set()
    for folder, dirs, files in os.walk(root):
        for name in dirs + files:
            path = os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")
            if not WINE_OWN.match(path + "/"):
                found.add(path)
    return found


def registry(key):
    """The values of a key and its subkeys as {key: {name: value}}, read with
    Wine's own reg.exe; empty when the key does not exist."""
    out = os.path.join(tempfile.mkdtemp(dir=ARGS.scratch), "export.reg")
    if wine("reg", "export", key, "Z:" + out.replace("/", "\\"), "/y", check=False).returncode != 0:
        return {}
    with open(out, "rb") as f:
        text = f.read().decode("utf-16")
    keys, current = {}, None
    for line in text.splitlines():
        if line.startswith("[") and line.endswith("]"):
            current = keys.setdefault(line[1:-1], {})
        elif current is not None and "=" in line:
            name, value = line.split("=", 1)
            current[name.strip('"')] = value
    return keys


def uninstaller_copies_running():
    """The copies of an uninstaller running from Temp (NSIS's ~nsu folders),
    as Wine names its processes to Linux."""
    found = subprocess.run(["pgrep", "-f", r"~nsu.*\.tmp"], capture_output=True, text=True)
    return found.stdout.split()


def program_in_zip():
    with zipfile.ZipFile(ARGS.zip) as archive:
        return archive.read("kongmingqi-%s/kongmingqi.exe" % ARGS.version)


def reg_string(value):
    assert value.startswith('"') and value.endswith('"'), value
    return value[1:-1].replace("\\\\", "\\").replace('\\"', '"')


class PortableZip(unittest.TestCase):
    FILES = {"kongmingqi.exe", "README.txt", "LICENSE.txt", "FONT-LICENSE.txt", "THIRD-PARTY-NOTICES.txt"}

    def test_holds_one_folder_with_the_program_its_read_me_and_licences(self):
        with zipfile.ZipFile(ARGS.zip) as archive:
            names = {n for n in archive.namelist() if not n.endswith("/")}
            folder = "kongmingqi-%s/" % ARGS.version
            self.assertEqual(names, {folder + n for n in PortableZip.FILES})
            readme = archive.read(folder + "README.txt").decode("utf-8-sig")
            program = archive.read(folder + "kongmingqi.exe")
        self.assertIn(TITLE + " " + ARGS.version, readme)
        self.assertIn("\r\n", readme)  # Notepad's line ends
        self.assertTrue(program.startswith(b"MZ"))

    def test_the_program_stands_alone_and_is_stripped(self):
        """Qt, its plugins and the C++ runtime are inside: it imports
        Windows' own libraries only, and carries no symbols."""
        with tempfile.TemporaryDirectory(dir=ARGS.scratch) as folder:
            path = os.path.join(folder, "kongmingqi.exe")
            with open(path, "wb") as f:
                f.write(program_in_zip())
            headers = subprocess.run([ARGS.objdump, "-p", "-h", path], capture_output=True, text=True,
                                     check=True).stdout
        imported = {name.lower() for name in re.findall(r"DLL Name: (\S+)", headers)}
        self.assertIn("user32.dll", imported)
        self.assertEqual(imported - WINDOWS_OWN_LIBRARIES, set())
        characteristics = headers[headers.index("Characteristics"):headers.index("Time/Date")]
        self.assertIn("symbols stripped", characteristics)
        self.assertIn("debugging information removed", characteristics)
        self.assertFalse(re.search(r"^\s+\d+ \.debug_", headers, re.M), "debugging sections are left")


class Installer(unittest.TestCase):
    """Install, look, start, uninstall: one player's round, in order."""

    def test_silent_install_and_uninstall_in_a_fresh_prefix(self):
        shutil.rmtree(ARGS.prefix, ignore_errors=True)
        wine("cmd", "/c", "exit")  # makes the prefix
        files_before = files_of_drive_c()
        software_before = registry(r"HKLM\Software")

        wine(ARGS.setup, "/S")
        installed = drive_c("Program Files", "Kongmingqi")
        self.assertEqual(set(os.listdir(installed)), PortableZip.FILES | {"uninstall.exe"})
        with open(os.path.join(installed, "kongmingqi.exe"), "rb") as f:
            self.assertEqual(f.read(), program_in_zip())

        with open(drive_c(SHORTCUT), "rb") as f:
            self.assertIn(b"kongmingqi.exe", f.read().replace(b"\0", b""))

        entry = registry(UNINSTALL_KEY)[UNINSTALL_KEY.replace("HKLM", "HKEY_LOCAL_MACHINE")]
        program_path = INSTALL_FOLDER + r"\kongmingqi.exe"
        uninstaller = INSTALL_FOLDER + r"\uninstall.exe"
        self.assertEqual(reg_string(entry["DisplayName"]), TITLE)
        self.assertEqual(reg_string(entry["DisplayIcon"]), program_path + ",0")
        self.assertEqual(reg_string(entry["DisplayVersion"]), ARGS.version)
        self.assertEqual(reg_string(entry["Publisher"]), ARGS.publisher)
        self.assertEqual(reg_string(entry["UninstallString"]), '"%s"' % uninstaller)
        self.assertEqual(reg_string(entry["QuietUninstallString"]), '"%s" /S' % uninstaller)

        with self.installed_game_running(program_path):
            self.expect_nothing_touched_while_the_game_runs(uninstaller)
        self.assertTrue(registry(UNINSTALL_KEY))

        wine(uninstaller, "/S")
        self.assertFalse(os.path.exists(installed))
        self.assertEqual(files_of_drive_c() - files_before, set())
        self.assertEqual(registry(UNINSTALL_KEY), {})
        self.assertEqual(registry(r"HKLM\Software"), software_before)

    @contextlib.contextmanager
    def installed_game_running(self, program):
        """The installed game started, its board on the screen, until the
        block ends; then closed as a player closes it."""
        desktop = Desktop(ARGS.scratch)
        game = None
        try:
            game = desktop.start(ARGS.wine_run, "--display", ARGS.prefix, program)
            board = wait_for(lambda: desktop.windows(TITLE), "the installed game's board", timeout=60)[0]
            info = desktop.info(board)
            self.assertEqual((info["width"], info["height"]), BOARD_SIZE)
            yield
            desktop.run("wmctrl", "-i", "-c", str(board))
            game.wait(20)
            self.assertEqual(game.returncode, 0, errors_of(game))
        finally:
            stop(game)
            desktop.close()

    def expect_nothing_touched_while_the_game_runs(self, uninstaller):
        """A running program can be neither replaced nor removed: installing
        again gives up with exit code 2, and so does the uninstaller, whose
        code is lost as Windows runs it (it starts a copy of itself from
        Temp and ends at once), so the copy is waited for. Either leaves
        every file where it was."""
        files = files_of_drive_c()
        self.assertEqual(wine(ARGS.setup, "/S", check=False, settle=False).returncode, 2)
        self.assertEqual(files_of_drive_c(), files)
        wine(uninstaller, "/S", settle=False)
        wait_for(lambda: not uninstaller_copies_running(), "the uninstaller's copy to end", timeout=60)
        self.assertEqual(files_of_drive_c(), files)


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--zip", required=True)
    parser.add_argument("--setup", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--publisher", required=True)
    parser.add_argument("--objdump", required=True, help="MinGW's objdump, which reads Windows programs")
    parser.add_argument("--wine-run", required=True)
    parser.add_argument("--scratch", required=True, help="a folder for the prefix and what the test keeps")
    ARGS, rest = parser.parse_known_args()
    for download in (ARGS.zip, ARGS.setup):
        if not os.path.exists(download):
            sys.exit("%s is missing: build the windows_downloads target first" % download)
    os.makedirs(ARGS.scratch, exist_ok=True)
    ARGS.prefix = os.path.join(ARGS.scratch, "wineprefix")
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
