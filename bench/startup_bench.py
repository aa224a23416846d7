#!/usr/bin/env python3
"""Times the game's start on a virtual X desktop: from starting the process
until the board window is mapped and shows the standard game. Then reads
its resident memory once it has settled, opens and closes the command menu
(the first text the game shows) and reads its peak resident memory.

    bench/startup_bench.py [--runs N] [--scale S] BUILD_DIR...

With several build folders the builds take turns, run by run, so that all
of them see the machine in the same state.
"""
import argparse
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "desktop"))
from game_board import BACKGROUND_SPOT, BOARD_SIZE, CENTRE, TITLE, cell_centre, shows_peg  # noqa: E402
from xdesktop import Desktop, wait_for  # noqa: E402

SETTLING_TIME = 1.0  # seconds after the board shows, for work deferred past the first paint
NEIGHBOUR = CENTRE - 1


def memory_kib(pid, field):
    """VmRSS (resident now) or VmHWM (the peak so far) of a process."""
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    return 0


def run_once(desktop, build, scale):
    """Seconds to the standard game on screen, settled and peak memory in KiB."""
    def at(window, point):
        return tuple(window[axis] + round(value * scale) for axis, value in zip("xy", point))

    def shown():
        for window in desktop.windows(TITLE):
            info = desktop.info(window)
            if info["viewable"] and info["width"] == round(BOARD_SIZE[0] * scale):
                shot = desktop.screenshot()
                centre_empty = not shows_peg(shot.mean(*at(info, cell_centre(CENTRE))))
                if centre_empty and shows_peg(shot.mean(*at(info, cell_centre(NEIGHBOUR)))):
                    return info
        return None

    started = time.monotonic()
    # No platform named: the game finds its window system as it does when a player starts it.
    game = desktop.start(os.path.join(build, "ui", "kongmingqi"), QT_SCALE_FACTOR=str(scale), QT_QPA_PLATFORM="")
    board = wait_for(shown, "the board", timeout=20, interval=0.005)
    seconds = time.monotonic() - started
    time.sleep(SETTLING_TIME)
    settled = memory_kib(game.pid, "VmRSS")
    desktop.click(*at(board, BACKGROUND_SPOT), button=3)
    wait_for(lambda: desktop.popups(game.pid), "the command menu")
    desktop.key("Escape")
    wait_for(lambda: not desktop.popups(game.pid), "the menu to close")
    peak = memory_kib(game.pid, "VmHWM")
    game.terminate()
    game.wait(10)
    wait_for(lambda: not desktop.windows(TITLE), "the board to go")
    return seconds, settled, peak


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("builds", nargs="+")
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--scale", type=float, default=1)
    args = parser.parse_args()
    results = {build: [] for build in args.builds}
    desktop = Desktop(os.path.join(args.builds[0], "bench-artefacts"))
    try:
        for _ in range(args.runs):
            for build in args.builds:
                results[build].append(run_once(desktop, build, args.scale))
    finally:
        desktop.close()
    for build, runs in results.items():
        seconds, settled, peak = zip(*runs)
        print("%s: %d runs at scale %g" % (build, len(runs), args.scale))
        print("  start to standard game on screen: median %.0f ms, min %.0f ms, max %.0f ms"
              % (1000 * statistics.median(seconds), 1000 * min(seconds), 1000 * max(seconds)))
        print("  resident memory %g s after: median %d KiB" % (SETTLING_TIME, statistics.median(settled)))
        print("  peak resident memory after the menu: median %d KiB" % statistics.median(peak))


if __name__ == "__main__":
    main()
