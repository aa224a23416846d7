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

TREE = {
    "core/Shared.h": "#pragma once\ninline int Shared() { return 1; }\n",
    # Qt, the Win32 stacking call and a header from core/.
    "ui/platform/Raise.cpp": """\
#include <windows.h>
#include <QWidget>
#include "Shared.h"
void Raise(QWidget* w) { SetWindowPos(HWND(w->winId()), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }
""",
    "ui/platform/Branch.cpp": "#ifndef _WIN32\n#error compiled as for another system\n#endif\n",
    # Compiles on Linux only.
    "ui/bench/Peak.cpp": "#include <sys/resource.h>\nlong Peak() { rusage u{}; return u.ru_maxrss; }\n",
    "ui/Unused.cpp": "int Answer() { int unused; return 42; }\n",
    "ui/platform/OnX11.cpp": "#include <X11/Xlib.h>\nDisplay* display;\n",
}


class SyntaxCheck(unittest.TestCase):
    def check(self, files, qt_headers=None):
        with tempfile.TemporaryDirectory() as root:
            for name, text in files.items():
                (Path(root) / name).parent.mkdir(parents=True, exist_ok=True)
                (Path(root) / name).write_text(text, encoding="utf-8")
            result = subprocess.run(
                [sys.executable, str(Path(__file__).with_name("syntax_check.py")), sys.argv[1],
                 qt_headers or sys.argv[2], root],
                stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        return result.returncode, result.stdout

    def test_each_source_gets_its_own_verdict(self):
        status, output = self.check(TREE)
        self.assertEqual(status, 1, output)
        for line in ("ok   ui/platform/Raise.cpp", "ok   ui/platform/Branch.cpp",
                     "FAIL ui/bench/Peak.cpp", "FAIL ui/Unused.cpp",
                     "skip ui/platform/OnX11.cpp (another window system)",
                     "2 compiled, 2 failed, 1 skipped"):
            self.assertIn(line, output.splitlines())
        self.assertIn("sys/resource.h", output, "the compiler's message is shown")

    def test_passes_only_a_tree_that_compiles(self):
        status, output = self.check({"ui/Branch.cpp": TREE["ui/platform/Branch.cpp"]})
        self.assertEqual((status, output.splitlines()[-1]), (0, "1 compiled, 0 failed, 0 skipped"))
        # Nothing checked is a failure, not a pass.
        self.assertEqual(self.check({"core/Shared.h": TREE["core/Shared.h"]})[0], 1)
        self.assertEqual(self.check(TREE, qt_headers="no-qt-headers-here")[0], 1)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
