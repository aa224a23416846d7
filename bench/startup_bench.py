#!/usr/bin/env python3
"""The game's start-up against the toolkit's floor, on a virtual X desktop.

The floor is bench/startup_floor, an empty frameless Qt window of the
board's size with a popup menu. Each run starts the floor and the game (of
each build given) in turn, so all see the machine in the same state, under
bench/startup_probe, which watches from outside: when the window is mapped,
when it is first drawn and last drawn within 400 ms after that, how many
separate drawings that took, the peak resident memory then, how long the
first menu takes from the right-button release until it is drawn, and the
peak memory after it. Figures are medians with their quartiles; the ratio
is the median of the game's figure over the floor's in the same round, with
its quartiles, so that the machine's drift from round to round cancels.

    bench/startup_bench.py [--runs N] [--scale S] [--session-bus] [--shaped-topmost-floor] BUILD [BUILD...]

Qt's accessibility bridge looks for a D-Bus session bus when the first
widget shows; without one, libdbus tries to start one. The run says which it
had; --session-bus gives it a private one. --shaped-topmost-floor gives the
floor window the board's outline and keeps it on top, as the board is: what
is left between that floor and the game is the game's own work.
"""
import argparse
import json
import os
import shutil
import statistics
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "desktop"))
from game_board import BACKGROUND_SPOT, BOARD_SIZE  # noqa: E402
from xdesktop import Desktop  # noqa: E402

CLICK_HOLD = 80  # ms between a hand's press and release of a mouse button
FIGURES = [  # key, label, unit
    ("mapped", "window mapped", "ms"),
    ("first", "first drawing", "ms"),
    ("last", "last drawing within 400 ms", "ms"),
    ("drawings", "drawings within 400 ms", ""),
    ("peak_mib", "peak resident memory after start", "MiB"),
    ("menu", "first menu, release to drawn", "ms"),
    ("menu_peak_mib", "peak resident memory after the menu", "MiB"),
]


def run_once(desktop, probe, program, scale, arguments=()):
    size = [str(round(value * scale)) for value in BOARD_SIZE]
    spot = [str(round(value * scale)) for value in BACKGROUND_SPOT]
    env = dict(desktop.env, QT_SCALE_FACTOR=str(scale))
    env.pop("QT_QPA_PLATFORM")  # the program finds its window system as a player's does
    out = subprocess.run([probe, "--menu", *spot, str(CLICK_HOLD), *size, program, *arguments], env=env,
                         capture_output=True, text=True, timeout=60)
    if out.returncode != 0:
        raise RuntimeError("%s did not come up: %s" % (program, out.stderr))
    result = json.loads(out.stdout)
    result["peak_mib"] = result.pop("peak_kib") / 1024
    result["menu_peak_mib"] = result.pop("menu_peak_kib") / 1024
    return result


def quartiles(values):
    q1, median, q3 = statistics.quantiles(values, n=4) if len(values) > 1 else (values[0],) * 3
    return median, q1, q3


def report(name, runs, floor_runs):
    print("\n%s, %d runs" % (name, len(runs)))
    print("  %-42s %18s %18s %20s" % ("", "floor", "this", "ratio"))
    for key, label, unit in FIGURES:
        mine = quartiles([run[key] for run in runs])
        floor = quartiles([run[key] for run in floor_runs])
        ratio = quartiles([run[key] / base[key] for run, base in zip(runs, floor_runs)])
        cell = lambda q: ("%.1f (%.1f-%.1f)" % q) if unit != "" else ("%g (%g-%g)" % q)
        print("  %-42s %18s %18s %20s" % (label + (" [%s]" % unit if unit else ""), cell(floor), cell(mine),
                                          "%.2fx (%.2f-%.2f)" % ratio))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("builds", nargs="+")
    parser.add_argument("--runs", type=int, default=20)
    parser.add_argument("--scale", type=float, default=1)
    parser.add_argument("--session-bus", action="store_true")
    parser.add_argument("--shaped-topmost-floor", action="store_true")
    args = parser.parse_args()
    probe = os.path.join(args.builds[0], "bench", "startup_probe")
    floor = os.path.join(args.builds[0], "bench", "startup_floor")
    floor_arguments = ["--shaped-topmost"] if args.shaped_topmost_floor else []
    programs = [("floor", floor, floor_arguments)] + [(build, os.path.join(build, "ui", "kongmingqi"), [])
                                                      for build in args.builds]

    bus = None
    desktop = Desktop(tempfile.mkdtemp(prefix="kmq-bench-"))
    try:
        if args.session_bus:
            bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                   env=desktop.env, stdout=subprocess.PIPE, text=True)
            desktop.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().strip()
        else:
            desktop.env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        results = {name: [] for name, _, _ in programs}
        for _ in range(args.runs):
            for name, program, arguments in programs:
                results[name].append(run_once(desktop, probe, program, args.scale, arguments))
    finally:
        if bus:
            bus.terminate()
        desktop.close()
        shutil.rmtree(desktop.artefacts, ignore_errors=True)

    print("Start-up at display scale %g, Xvfb and openbox, %s D-Bus session bus, %s floor"
          % (args.scale, "a" if args.session_bus else "no",
             "a shaped topmost" if args.shaped_topmost_floor else "an empty"))
    for name, _, _ in programs[1:]:
        report(name, results[name], results["floor"])


if __name__ == "__main__":
    main()
