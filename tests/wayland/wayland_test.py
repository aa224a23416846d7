#!/usr/bin/python3
"""The game on weston's headless back end. Where the session offers X11 through XWayland the game takes it
(xdotool finds the board there); with Wayland forced, or no X11 at all, weston's screenshooter shows it."""
import argparse
import glob
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest

from PIL import Image

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "desktop"))
from game_board import BOARD_CELLS, BOARD_SIZE, STANDARD_GAME, TITLE, cell_centre, shows_peg  # noqa: E402
from xdesktop import SANITIZER_REPORT, errors_of, start_logged, stop, wait_for  # noqa: E402

RIM_PATCH = (2, 60, 8, 24)  # x, y, width, height: bare wood on the board's left rim, clear of the cells
ARGS = None


class Weston:
    """weston on its headless back end, with XWayland and its screenshooter."""

    def __init__(self):
        self.home = tempfile.mkdtemp(prefix="kmq-wayland-")
        os.chmod(self.home, 0o700)
        self.socket = "kmq-wayland-%d" % os.getpid()
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        self.env = dict(env, XDG_RUNTIME_DIR=self.home, HOME=self.home)
        self.log = open(os.path.join(self.home, "weston.log"), "w+")
        # --debug lets the screenshooter in; XWayland starts on first use.
        self.proc = subprocess.Popen(
            ["weston", "--backend=headless-backend.so", "--use-pixman", "--xwayland", "--debug",
             "--socket=" + self.socket, "--width=800", "--height=600", "--idle-time=0"],
            env=self.env, stdout=self.log, stderr=subprocess.STDOUT, cwd=self.home)
        try:
            self.x_display = wait_for(self._x_display, "weston and XWayland", timeout=20)
        except BaseException:
            self.close()
            raise
        self.env["WAYLAND_DISPLAY"] = self.socket

    def _x_display(self):
        if self.proc.poll() is not None:
            raise RuntimeError("weston ended: " + self._log_text())
        found = re.search(r"xserver listening on display (:\d+)", self._log_text())
        return found and found.group(1)

    def _log_text(self):
        self.log.flush()
        with open(self.log.name) as log:
            return log.read()

    def start(self, program, **env):
        return start_logged([program], dict(self.env, **env), self.home)

    def screenshot(self):
        for old in glob.glob(os.path.join(self.home, "wayland-screenshot-*.png")):
            os.remove(old)
        subprocess.run(["weston-screenshooter"], env=self.env, cwd=self.home, check=True, timeout=20,
                       capture_output=True)
        shot, = glob.glob(os.path.join(self.home, "wayland-screenshot-*.png"))
        return Image.open(shot).convert("RGB")

    def x_windows(self, title):
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^%s$" % title],
                                env=dict(self.env, DISPLAY=self.x_display), capture_output=True, text=True)
        return result.stdout.split()

    def close(self):
        stop(self.proc, patience=10)
        self.log.close()
        shutil.rmtree(self.home, ignore_errors=True)


def find_board(shot, board_picture):
    """The board's top-left corner on a screenshot, found by its bare rim; or None."""
    x0, y0, w, h = RIM_PATCH
    patch = board_picture.crop((x0, y0, x0 + w, y0 + h))
    first = patch.getpixel((0, 0))
    pixels = shot.load()
    for y in range(shot.height - BOARD_SIZE[1] + y0 + 1):
        for x in range(shot.width - BOARD_SIZE[0] + x0 + 1):
            if pixels[x, y] == first and shot.crop((x, y, x + w, y + h)).tobytes() == patch.tobytes():
                return x - x0, y - y0
    return None


def pegs_shown(shot, corner):
    return {cell for cell in BOARD_CELLS
            if shows_peg(shot.getpixel((corner[0] + cell_centre(cell)[0], corner[1] + cell_centre(cell)[1])))}


class GameOnWayland(unittest.TestCase):
    game = None  # what each test starts

    @classmethod
    def setUpClass(cls):
        cls.weston = Weston()
        cls.board_picture = Image.open(ARGS.board_picture).convert("RGB")

    @classmethod
    def tearDownClass(cls):
        cls.weston.close()

    def tearDown(self):
        """The game is still running when the test ends, and reported no fault."""
        if not self.game:
            return
        running = self.game.poll() is None
        stop(self.game)
        errors = errors_of(self.game)
        self.assertTrue(running, "the game ended early: " + errors)
        self.assertIsNone(SANITIZER_REPORT.search(errors), errors)

    def expect_board_on_wayland(self):
        """The board with the standard game, and in its cut-off corners the desktop beneath, as just outside."""
        def board_shown():
            shot = self.weston.screenshot()
            corner = find_board(shot, self.board_picture)
            return corner and pegs_shown(shot, corner) == STANDARD_GAME and (shot, corner)
        shot, (x, y) = wait_for(board_shown, "the standard game on weston's screen", timeout=20, interval=0.3)
        right, bottom = BOARD_SIZE[0] - 1, BOARD_SIZE[1] - 1
        for cx, cy in ((0, 0), (right, 0), (0, bottom), (right, bottom)):
            outside = (x + cx + (1 if cx else -1), y + cy + (1 if cy else -1))
            self.assertEqual(shot.getpixel((x + cx, y + cy)), shot.getpixel(outside), (cx, cy))
        self.assertIsNone(self.game.poll())
        self.assertEqual(self.weston.x_windows(TITLE), [])

    def test_takes_x11_through_xwayland_when_the_session_offers_it(self):
        self.game = self.weston.start(ARGS.game, DISPLAY=self.weston.x_display, XDG_SESSION_TYPE="wayland")
        wait_for(lambda: self.weston.x_windows(TITLE), "the board on XWayland's X display", timeout=20)

    def test_runs_on_wayland_when_told_to(self):
        self.game = self.weston.start(ARGS.game, DISPLAY=self.weston.x_display, QT_QPA_PLATFORM="wayland")
        self.expect_board_on_wayland()

    def test_runs_on_wayland_when_there_is_no_x11(self):
        self.game = self.weston.start(ARGS.game)
        self.expect_board_on_wayland()


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--game", required=True)
    parser.add_argument("--board-picture", required=True)
    ARGS, rest = parser.parse_known_args()
    ARGS.game = os.path.abspath(ARGS.game)  # the game starts in weston's folder
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
