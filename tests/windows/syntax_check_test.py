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

# A generated header, in a build folder outside the sources.
GENERATED = "build/generated"
VERSION_H = {f"{GENERATED}/Version.h": "#pragma once\ninline constexpr const char* VersionText = \"1.2.3\";\n"}
SHARED_H = {"core/Shared.h": "#pragma once\ninline int Shared() { return 1; }\n"}
# Qt, the Win32 stacking call, a header from core/ and a generated one.
RAISE_CPP = """\
#include <windows.h>
#include <QWidget>
#include "core/Shared.h"
#include "Version.h"
void Raise(QWidget* w) { SetWindowPos(HWND(w->winId()), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }
"""
BRANCH_CPP = "#ifndef _WIN32\n#error compiled as for another system\n#endif\n"

TREE = {
    **SHARED_H, **VERSION_H,
    "ui/platform/Raise.cpp": RAISE_CPP,
    "ui/platform/Branch.cpp": BRANCH_CPP,
    # Compiles on Linux only.
    "ui/bench/Peak.cpp": "#include <sys/resource.h>\nlong Peak() { rusage u{}; return u.ru_maxrss; }\n",
    "ui/Unused.cpp": "int Answer() { int unused; return 42; }\n",
    # The game's build does not search each header's own folder.
    "ui/common/Bare.cpp": "#include \"Shared.h\"\nint Bare() { return Shared(); }\n",
    "ui/platform/OnX11.cpp": "#include <X11/Xlib.h>\nDisplay* display;\n",
    # Windows code is compiled whatever else it includes.
    "ui/platform/Both.cpp": "#include <windows.h>\n#include <X11/Xlib.h>\n",
}


class SyntaxCheck(unittest.TestCase):
    def check(self, files, qt_headers=None, generated=True):
        with tempfile.TemporaryDirectory() as root:
            for name, text in files.items():
                (Path(root) / name).parent.mkdir(parents=True, exist_ok=True)
                (Path(root) / name).write_text(text, encoding="utf-8")
            command = [sys.executable, str(Path(__file__).with_name("syntax_check.py")), sys.argv[1],
                       qt_headers or sys.argv[2], root]
            if generated:
                command += ["--include", str(Path(root) / GENERATED)]
            result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        return result.returncode, result.stdout

    def test_each_source_gets_its_own_verdict(self):
        status, output = self.check(TREE)
        self.assertEqual(status, 1, output)
        lines = output.splitlines()
        for line in ("ok   ui/platform/Raise.cpp", "ok   ui/platform/Branch.cpp",
                     "FAIL ui/bench/Peak.cpp", "FAIL ui/Unused.cpp", "FAIL ui/common/Bare.cpp",
                     "FAIL ui/platform/Both.cpp",
                     "skip ui/platform/OnX11.cpp (another window system)",
                     "6 checked (2 with windows.h): 2 compiled, 4 failed; 1 skipped"):
            self.assertIn(line, lines)
        self.assertIn("sys/resource.h", output, "the compiler's message is shown")

    def test_passes_only_a_tree_that_compiles_with_its_windows_path(self):
        tree = {**SHARED_H, **VERSION_H, "ui/platform/Raise.cpp": RAISE_CPP, "ui/Branch.cpp": BRANCH_CPP}
        status, output = self.check(tree)
        self.assertEqual((status, output.splitlines()[-1]),
                         (0, "2 checked (1 with windows.h): 2 compiled, 0 failed; 0 skipped"))
        # Generated headers come from the folders given, not from nowhere.
        status, output = self.check(tree, generated=False)
        self.assertEqual(status, 1)
        self.assertIn("FAIL ui/platform/Raise.cpp", output.splitlines())
        # Nothing checked, or nothing of the Windows path, is a failure, not a pass.
        self.assertEqual(self.check(SHARED_H)[0], 1)
        status, output = self.check({"ui/Branch.cpp": BRANCH_CPP})
        self.assertEqual(status, 1)
        self.assertIn("the Windows path is missing", output)
        self.assertEqual(self.check(tree, qt_headers="no-qt-headers-here")[0], 1)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)
