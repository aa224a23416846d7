#!/usr/bin/env python3
"""Compiles every source of the windows and the platform layer as for Windows:
MinGW's compiler, syntax only, against MinGW's own windows.h and this
machine's Qt 6 headers. Qt for Windows cannot be had here, but its headers
are the same but for the build configuration, and they pick the Windows
branches themselves from the compiler's _WIN32; so a source that would not
compile for Windows fails here, long before a Windows build.

    syntax_check.py COMPILER QT_HEADERS SOURCE_ROOT [--include FOLDER]...

Sources are found when the check runs: every .cpp under SOURCE_ROOT/ui,
except those written for another window system (they include its headers).
Headers are found as in the game's build: "core/..." and "ui/..." from
SOURCE_ROOT, generated ones (Version.h) from the --include folders.
"""
import argparse
import os
import re
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

SOURCE_FOLDER = "ui"
# Headers that tie a source to a window system other than Windows.
OTHER_WINDOW_SYSTEM = re.compile(r'^\s*#\s*include\s*[<"](X11/|xcb/|wayland-)', re.MULTILINE)
# The Windows path: sources that call the Windows API. These are never
# skipped, and there must be at least one.
WINDOWS_API = re.compile(r'^\s*#\s*include\s*<windows\.h>', re.MULTILINE | re.IGNORECASE)
# The project's warnings, as errors, as the test build has them.
WARNINGS = ("-Wall", "-Wextra", "-Wpedantic", "-Werror")
# Qt's CMake package defines these for every Windows target: the wide
# character versions of the Windows API.
WINDOWS_DEFINES = ("-DUNICODE", "-D_UNICODE")


def qt_folders(qt_headers):
    modules = sorted(path for path in qt_headers.glob("Qt*") if path.is_dir())
    return [qt_headers] + modules


def command_for(compiler, qt_headers, root, includes, source):
    command = [compiler, "-std=c++20", "-fsyntax-only", *WARNINGS, *WINDOWS_DEFINES]
    for folder in qt_folders(qt_headers):
        command += ["-isystem", str(folder)]
    for folder in [root, *includes]:
        command += ["-I", str(folder)]
    return command + [str(source)]


def check(command):
    result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    return result.returncode == 0, result.stdout


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("compiler")
    parser.add_argument("qt_headers", type=Path)
    parser.add_argument("root", type=Path)
    parser.add_argument("--include", type=Path, action="append", default=[],
                        help="a folder of generated headers, as the build has it")
    args = parser.parse_args()

    if not (args.qt_headers / "QtCore" / "qglobal.h").is_file():
        print(f"no Qt 6 headers in {args.qt_headers}")
        return 1
    sources = sorted((args.root / SOURCE_FOLDER).rglob("*.cpp"))
    if not sources:
        print(f"no sources under {args.root / SOURCE_FOLDER}")
        return 1

    texts = {source: source.read_text(encoding="utf-8") for source in sources}
    windows = [s for s in sources if WINDOWS_API.search(texts[s])]
    skipped = [s for s in sources if s not in windows and OTHER_WINDOW_SYSTEM.search(texts[s])]
    checked = [s for s in sources if s not in skipped]
    commands = [command_for(args.compiler, args.qt_headers, args.root, args.include, s) for s in checked]
    with ThreadPoolExecutor(max_workers=os.cpu_count()) as pool:
        results = list(pool.map(check, commands))

    failed = 0
    for source in skipped:
        print(f"skip {source.relative_to(args.root)} (another window system)")
    for source, (ok, output) in zip(checked, results):
        print(f"{'ok  ' if ok else 'FAIL'} {source.relative_to(args.root)}")
        if not ok:
            failed += 1
            print(output, end="")
    print(f"{len(checked)} checked ({len(windows)} with windows.h): "
          f"{len(checked) - failed} compiled, {failed} failed; {len(skipped)} skipped")
    if not windows:
        print(f"no source under {args.root / SOURCE_FOLDER} includes windows.h: the Windows path is missing")
        return 1
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
