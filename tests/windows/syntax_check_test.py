#!/usr/bin/env python3
"""The Windows syntax check on small source trees of known outcome: it must
fail what does not compile for Windows, not just pass what does.

    syntax_check_test.py COMPILER QT_HEADERS
"""
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

CHECKER = Path(__file__).with_name("syntax_check.py")
COMPILER = None
QT_HEADERS = None

# Uses Qt and the Win32 stacking call, with a header from core/.
WINDOWS_AND_QT = """\
#include <windows.h>
#include <QWidget>
#include "Shared.h"
void Raise(QWidget* window) {
    SetWindowPos(reinterpret_cast<HWND>(window->winId()), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE);
}
"""
# Compiles on Linux, not on Windows.
POSIX_ONLY = """\
#include <sys/resource.h>
long PeakKiB() { rusage usage{}; getrusage(RUSAGE_SELF, &usage); return usage.ru_maxrss; }
"""
NOT_WINDOWS_BRANCH = """\
#ifndef _WIN32
#error compiled as for another system
#endif
"""
UNUSED_VARIABLE = "int Answer() { int unused; return 42; }\n"
ON_X11 = "#include <X11/Xlib.h>\nDisplay* display;\n"
SHARED_HEADER = "#pragma once\ninline int Shared() { return 1; }\n"


def write_tree(root, files):
    for name, text in files.items():
        path = root / name
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_text(text, encoding="utf-8")


def run_checker(root, qt_headers=None):
    result = subprocess.run(
        [sys.executable, str(CHECKER), COMPILER, str(qt_headers or QT_HEADERS), str(root)],
        stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    return result.returncode, result.stdout


class SyntaxCheck(unittest.TestCase):
    def setUp(self):
        self.directory = tempfile.TemporaryDirectory()
        self.root = Path(self.directory.name)

    def tearDown(self):
        self.directory.cleanup()

    def test_each_source_gets_its_own_verdict(self):
        write_tree(self.root, {
            "core/Shared.h": SHARED_HEADER,
            "ui/platform/Raise.cpp": WINDOWS_AND_QT,
            "ui/platform/Branch.cpp": NOT_WINDOWS_BRANCH,
            "ui/bench/Peak.cpp": POSIX_ONLY,
            "ui/Unused.cpp": UNUSED_VARIABLE,
            "ui/platform/OnX11.cpp": ON_X11,
        })
        status, output = run_checker(self.root)
        self.assertEqual(status, 1, output)
        lines = output.splitlines()
        self.assertIn("ok   ui/platform/Raise.cpp", lines)
        self.assertIn("ok   ui/platform/Branch.cpp", lines)
        self.assertIn("FAIL ui/bench/Peak.cpp", lines)
        self.assertIn("FAIL ui/Unused.cpp", lines, "warnings are errors")
        self.assertIn("skip ui/platform/OnX11.cpp (another window system)", lines)
        self.assertIn("2 compiled, 2 failed, 1 skipped", lines)
        self.assertIn("sys/resource.h", output, "the compiler's message is shown")

    def test_passes_a_tree_that_compiles(self):
        write_tree(self.root, {"ui/Branch.cpp": NOT_WINDOWS_BRANCH})
        status, output = run_checker(self.root)
        self.assertEqual(status, 0, output)
        self.assertIn("1 compiled, 0 failed, 0 skipped", output)

    def test_fails_when_there_is_nothing_to_check(self):
        write_tree(self.root, {"core/Shared.h": SHARED_HEADER})
        status, output = run_checker(self.root)
        self.assertEqual(status, 1, output)
        self.assertIn("no sources", output)

    def test_fails_without_qt_headers(self):
        write_tree(self.root, {"ui/Branch.cpp": NOT_WINDOWS_BRANCH})
        status, output = run_checker(self.root, qt_headers=self.root / "no-qt")
        self.assertEqual(status, 1, output)
        self.assertIn("no Qt 6 headers", output)


if __name__ == "__main__":
    COMPILER, QT_HEADERS = sys.argv[1], Path(sys.argv[2])
    unittest.main(argv=sys.argv[:1], verbosity=2)
