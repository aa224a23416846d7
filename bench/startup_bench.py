#!/usr/bin/env python3
"""Times the game's start on a virtual X desktop: from starting the process
until the board window is mapped and shows the standard game, and the
resident memory once it stands there and its peak once the command menu
has been opened and closed (the first text the game shows), at a display
scale (QT_SCALE_FACTOR).

    bench/startup_bench.py BUILD_DIR [RUNS] [SCALE]
"""
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "desktop"))
from xdesktop import Desktop, wait_for  # noqa: E402

TITLE = "澄湖益智孔明棋"


def memory_kib(pid, field):
    """VmRSS (resident now) or VmHWM (the peak so far) of a process."""
    with open("/proc/%d/status" % pid) as status:
        for line in status:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    return 0


def main(build, runs, scale):
    desktop = Desktop(os.path.join(build, "bench-artefacts"))
    seconds, memory, peak = [], [], []
    try:
        for _ in range(runs):
            started = time.monotonic()
            game = desktop.start(os.path.join(build, "ui", "kongmingqi"), QT_SCALE_FACTOR=str(scale))

            def at(window, x, y):
                return window["x"] + round(x * scale), window["y"] + round(y * scale)

            def shown():
                for window in desktop.windows(TITLE):
                    info = desktop.info(window)
                    if info["viewable"] and info["width"] == round(199 * scale):
                        # The centre hole is empty and its neighbour holds a peg.
                        shot = desktop.screenshot()
                        r, g, _ = shot.mean(*at(info, 99, 100))
                        r2, g2, _ = shot.mean(*at(info, 73, 100))
                        return r - g < 60 and r2 - g2 > 60
                return False

            wait_for(shown, "the board", timeout=20, interval=0.005)
            seconds.append(time.monotonic() - started)
            memory.append(memory_kib(game.pid, "VmRSS"))
            board = desktop.info(desktop.windows(TITLE)[0])
            desktop.click(*at(board, 4, 100), button=3)
            wait_for(lambda: desktop.popups(game.pid), "the command menu")
            desktop.key("Escape")
            wait_for(lambda: not desktop.popups(game.pid), "the menu to close")
            peak.append(memory_kib(game.pid, "VmHWM"))
            game.terminate()
            game.wait(10)
            wait_for(lambda: not desktop.windows(TITLE), "the board to go")
    finally:
        desktop.close()
    print("runs: %d at scale %g" % (runs, scale))
    print("start to standard game on screen: median %.0f ms, min %.0f ms, max %.0f ms"
          % (1000 * statistics.median(seconds), 1000 * min(seconds), 1000 * max(seconds)))
    print("resident memory once shown: median %d KiB" % statistics.median(memory))
    print("peak resident memory after the menu: median %d KiB" % statistics.median(peak))


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 10,
         float(sys.argv[3]) if len(sys.argv) > 3 else 1)
