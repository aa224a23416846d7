#!/usr/bin/env python3
"""Puts realistic faults into the code one at a time and sees which tests
catch them: the measure of the suites that counts, since a test that no
fault can fail checks nothing.

    tools/run_faults.py [--desktop] [--only NAME...] [FAULT_FILE]

Each fault in the fault file (tools/faults.txt) is one small
change a developer could make by mistake:

    ## name: what goes wrong, in a player's or maintainer's words
    file: core/MoveHandler.cpp
    - the exact text, once in the file
    + what it becomes

For each, the text is replaced, the test build (CMakePresets.json, "test")
is built, the core and widget tests run (and the desktop suite with
--desktop), and the file is put back, whatever happens. A fault whose build
fails is reported as such: it says nothing about the tests. The result is a
table of each fault with the tests that caught it, and the share caught by
folder.
"""
import argparse
import os
import re
import subprocess
import sys
import time
from pathlib import Path

REPOSITORY = Path(__file__).resolve().parents[1]
BUILD = REPOSITORY / "build-test"
TARGETS = ["core_tests", "ui_tests", "kongmingqi", "level_oracle"]


def read_faults(path):
    faults, fault = [], None
    for line in Path(path).read_text(encoding="utf-8").splitlines():
        if line.startswith("## "):
            name, _, why = line[3:].partition(":")
            fault = {"name": name.strip(), "why": why.strip(), "find": [], "replace": []}
            faults.append(fault)
        elif fault is None or not line.strip() or line.startswith("#"):
            continue
        elif line.startswith("file: "):
            fault["file"] = line[6:].strip()
        elif line.startswith("- "):
            fault["find"].append(line[2:])
        elif line.startswith("+ "):
            fault["replace"].append(line[2:])
    return faults


def failed_tests(output):
    # A parameterised test's name is followed by its parameter: "... # GetParam() = 8".
    return re.findall(r"^\s*\d+ - (\S+)(?: +#.*?)? \((?:Failed|Timeout|SEGFAULT|Subprocess aborted|Exception)",
                      output, re.M)


def run(command, **kwargs):
    return subprocess.run(command, cwd=REPOSITORY, capture_output=True, text=True, **kwargs)


def try_fault(fault, desktop):
    path = REPOSITORY / fault["file"]
    original = path.read_text(encoding="utf-8")
    find, replace = "\n".join(fault["find"]), "\n".join(fault["replace"])
    if original.count(find) != 1:
        return "not found once", []
    try:
        path.write_text(original.replace(find, replace), encoding="utf-8")
        if run(["cmake", "--build", str(BUILD), "--target", *TARGETS]).returncode != 0:
            return "does not build", []
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        labels = "core|ui|desktop" if desktop else "core|ui"
        out = run(["ctest", "--test-dir", str(BUILD), "-L", labels, "-j", str(os.cpu_count() or 2)], env=env)
        caught = failed_tests(out.stdout)
        return ("caught" if caught else "SURVIVED"), caught
    finally:
        path.write_text(original, encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("faults", nargs="?", default=Path(__file__).with_name("faults.txt"))
    parser.add_argument("--desktop", action="store_true", help="also run the desktop suite")
    parser.add_argument("--only", nargs="*", help="the faults of these names")
    args = parser.parse_args()
    faults = [f for f in read_faults(args.faults) if not args.only or f["name"] in args.only]
    if run(["cmake", "--preset", "test"]).returncode != 0:
        sys.exit("the test build does not configure")
    by_folder = {}
    for number, fault in enumerate(faults, 1):
        started = time.monotonic()
        verdict, caught = try_fault(fault, args.desktop)
        folder = fault["file"].split("/")[0]
        tally = by_folder.setdefault(folder, [0, 0])
        if verdict in ("caught", "SURVIVED"):
            tally[1] += 1
            tally[0] += verdict == "caught"
        print("%2d %-9s %-40s %5.0f s  %s" % (number, verdict, fault["name"], time.monotonic() - started,
                                             ", ".join(caught[:3]) + (" ..." if len(caught) > 3 else "")),
              flush=True)
    run(["cmake", "--build", str(BUILD), "--target", *TARGETS])  # the build as the sources are
    for folder, (caught, tried) in sorted(by_folder.items()):
        print("%s: %d of %d caught" % (folder, caught, tried))


if __name__ == "__main__":
    main()
