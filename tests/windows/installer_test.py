#!/usr/bin/env python3
"""What a Windows player downloads, tried under Wine as a player would: the portable zip, and the installer
from its licence page through a silent install into a fresh prefix, the installed game, to the uninstall."""
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
from xdesktop import Desktop, errors_of, wait_for  # noqa: E402

INSTALL_FOLDER = r"C:\Program Files\Kongmingqi"
UNINSTALL_KEY = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Kongmingqi"
SHORTCUT = "ProgramData/Microsoft/Windows/Start Menu/Programs/" + TITLE + ".lnk"
PROGRAM = "kongmingqi.exe"
UNINSTALLER = "uninstall.exe"
NEXT_BUTTON, AGREE_BUTTON = "下一步(&N) >", "我同意(&A)"  # NSIS's Traditional Chinese
GAME_RUNNING = 2  # the installer's and uninstaller's exit code
# Where Wine itself writes as it runs programs; not the installer's doing.
WINE_OWN = re.compile(r"^(windows/|users/[^/]+/(Temp|AppData/Local/Temp)/)", re.I)

# The libraries of Windows itself that the program may import; anything else (Qt, the C++ runtime) would have
# to be shipped beside it.
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
    """Runs a Windows program in the test's prefix and, when `settle`, waits until every program it started
    there has ended too (which a game still running in the prefix would keep from happening)."""
    env = dict(os.environ, DISPLAY=display) if display else dict(os.environ)
    command = [ARGS.wine_run] + (["--display"] if display else []) + [ARGS.prefix, *args]
    # Output goes through files, not pipes: programs Wine starts beside it (its desktop) would keep a pipe
    # open after the program has ended.
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        returncode = subprocess.run(command, env=env, stdout=out, stderr=err, timeout=300).returncode
        out.seek(0)
        err.seek(0)
        result = subprocess.CompletedProcess(command, returncode, out.read(), err.read())
    if settle:
        wineserver("--wait")
    if check and result.returncode != 0:
        raise AssertionError("%s failed (%d): %s" % (args[0], result.returncode, result.stderr.decode(errors="replace")))
    return result


def wineserver(option):
    prefix = os.path.realpath(ARGS.prefix)
    subprocess.run(["wineserver", option], env=dict(os.environ, WINEPREFIX=prefix), timeout=300)


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
    """A key's and its subkeys' values as {key: {name: value}}, read with Wine's reg.exe; empty if it is not there."""
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


def zip_folder():
    """The one folder the zip holds, named like the zip."""
    return os.path.basename(ARGS.zip).removesuffix(".zip") + "/"


def files_in_zip():
    with zipfile.ZipFile(ARGS.zip) as archive:
        return {name.removeprefix(zip_folder()) for name in archive.namelist() if not name.endswith("/")}


def program_in_zip():
    with zipfile.ZipFile(ARGS.zip) as archive:
        return archive.read(zip_folder() + PROGRAM)


def reg_string(value):
    assert value.startswith('"') and value.endswith('"'), value
    return value[1:-1].replace("\\\\", "\\").replace('\\"', '"')


class PortableZip(unittest.TestCase):
    def test_holds_one_folder_with_the_program_its_read_me_and_licences(self):
        with zipfile.ZipFile(ARGS.zip) as archive:
            self.assertTrue(all(name.startswith(zip_folder()) for name in archive.namelist()))
            self.assertLessEqual({PROGRAM, "README.txt", "LICENSE.txt", "FONT-LICENSE.txt"}, files_in_zip())
            readme = archive.read(zip_folder() + "README.txt").decode("utf-8-sig")
            program = archive.read(zip_folder() + PROGRAM)
        self.assertIn(TITLE + " " + ARGS.version, readme)
        self.assertIn("\r\n", readme)  # Notepad's line ends
        self.assertTrue(program.startswith(b"MZ"))

    def test_the_program_stands_alone_and_is_stripped(self):
        """Qt, its plugins and the C++ runtime are inside: it imports Windows' own libraries only; no symbols."""
        with tempfile.TemporaryDirectory(dir=ARGS.scratch) as folder:
            path = os.path.join(folder, PROGRAM)
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
        self.assertEqual(set(os.listdir(installed)), files_in_zip() | {UNINSTALLER})
        with open(os.path.join(installed, PROGRAM), "rb") as f:
            self.assertEqual(f.read(), program_in_zip())
        self.expect_a_file_held_for_a_moment_is_replaced_all_the_same(INSTALL_FOLDER + "\\" + PROGRAM)

        with open(drive_c(SHORTCUT), "rb") as f:
            self.assertIn(b"kongmingqi.exe", f.read().replace(b"\0", b""))

        # Apps & features' entry
        entry = registry(UNINSTALL_KEY)[UNINSTALL_KEY.replace("HKLM", "HKEY_LOCAL_MACHINE")]
        program_path, uninstaller = INSTALL_FOLDER + "\\" + PROGRAM, INSTALL_FOLDER + "\\" + UNINSTALLER
        expected = {"DisplayName": TITLE, "DisplayIcon": program_path + ",0", "DisplayVersion": ARGS.version,
                    "Publisher": ARGS.publisher, "UninstallString": '"%s"' % uninstaller,
                    "QuietUninstallString": '"%s" /S' % uninstaller}
        self.assertEqual({name: reg_string(entry[name]) for name in expected}, expected)

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
        """The installed game's board on the screen until the block ends; then closed as a player closes it."""
        with Desktop(ARGS.scratch) as desktop:
            game = desktop.start(ARGS.wine_run, "--display", ARGS.prefix, program)
            board = wait_for(lambda: desktop.windows(TITLE), "the installed game's board", timeout=60)[0]
            info = desktop.info(board)
            self.assertEqual((info["width"], info["height"]), BOARD_SIZE)
            yield
            desktop.run("wmctrl", "-i", "-c", str(board))
            game.wait(20)
            self.assertEqual(game.returncode, 0, errors_of(game))

    def expect_nothing_touched_while_the_game_runs(self, uninstaller):
        """A running program can be neither replaced nor removed: installing again gives up, and so does the
        uninstaller, each after a few seconds of trying and with its exit code (the uninstaller's reaches its
        caller when it runs in place, _?=). Either leaves every file where it was."""
        files = files_of_drive_c()
        self.assertEqual(wine(ARGS.setup, "/S", check=False, settle=False).returncode, GAME_RUNNING)
        self.assertEqual(files_of_drive_c(), files)
        # NSIS reads _?= only unquoted, as the last argument: the command line is handed over as it is.
        in_place = wine(ARGS.probe, "run", '"%s" /S _?=%s' % (uninstaller, INSTALL_FOLDER), check=False, settle=False)
        self.assertEqual(in_place.returncode, GAME_RUNNING)
        self.assertEqual(files_of_drive_c(), files)

    def expect_a_file_held_for_a_moment_is_replaced_all_the_same(self, program):
        """Installing again waits for another program reading the game's program, as virus scanners do."""
        with subprocess.Popen([ARGS.wine_run, ARGS.prefix, ARGS.probe, "hold", program, "1500"],
                              stdout=subprocess.PIPE, text=True) as holder:
            self.assertEqual(holder.stdout.readline().strip(), "holding")
            self.assertEqual(wine(ARGS.setup, "/S", check=False, settle=False).returncode, 0)

    def test_shows_the_licence_for_information_with_a_next_button(self):
        """On the licence page the button is Next: the GPL asks nothing of a player who only runs the game."""
        wine("cmd", "/c", "exit")
        try:
            with Desktop(ARGS.scratch) as desktop:
                desktop.start(ARGS.wine_run, "--display", ARGS.prefix, ARGS.setup)
                texts = lambda: wine(ARGS.probe, "texts", display=desktop.display, settle=False).stdout.decode()
                wait_for(lambda: NEXT_BUTTON in texts(), "the installer's welcome page", timeout=60)
                desktop.key("Return")
                page = wait_for(lambda: (lambda shown: "GNU" in shown and shown)(texts()), "the licence page")
                self.assertIn(NEXT_BUTTON, page)
                self.assertNotIn(AGREE_BUTTON, page)
        finally:
            wineserver("--kill")


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    for option in ("--zip", "--setup", "--version", "--publisher", "--wine-run"):
        parser.add_argument(option, required=True)
    parser.add_argument("--objdump", required=True, help="MinGW's objdump, which reads Windows programs")
    parser.add_argument("--probe", required=True, help="windows_probe.exe, which reads windows' texts")
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
