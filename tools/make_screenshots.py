#!/usr/bin/env python3
"""Takes the README's screenshots from the real game on a virtual desktop.

    tools/make_screenshots.py BUILD_DIR [OUT_DIR]

Needs what the desktop tests need, plus ImageMagick's convert.
"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "desktop"))
from game_board import BACKGROUND_SPOT, BOARD_SIZE, TITLE, cell_centre  # noqa: E402
from xdesktop import Desktop, wait_for  # noqa: E402

MARGIN = 20  # logical pixels of desktop round the board
MENU_HEIGHT = 260  # the board's shot, long enough for the command menu
# Two opening jumps: 11 over 18 into 25, then 32 over 25 back into 18.
OPENING = [(11, 25), (32, 18)]


def start_game(desktop, build, scale):
    """The game on the desktop at a display scale; its board window's corner."""
    game = desktop.start(os.path.join(build, "ui", "kongmingqi"), QT_SCALE_FACTOR=str(scale))

    def board():
        for w in desktop.windows(TITLE):
            info = desktop.info(w)
            if info["viewable"] and info["width"] == round(BOARD_SIZE[0] * scale):
                return w
    window = wait_for(board, "the board")
    time.sleep(1)
    info = desktop.info(window)
    return game, info["x"], info["y"]


def shooter(desktop, out):
    def shoot(name, left, top, width, height):
        desktop.move(1, 1)  # the pointer is part of the frame buffer
        time.sleep(0.2)
        raw = desktop.keep(name)
        subprocess.run(["convert", raw, "-crop", "%dx%d+%d+%d" % (width, height, left, top), "+repage",
                        os.path.join(out, name + ".png")], check=True)
    return shoot


def open_game(desktop, build, scale):
    """The board after the opening jumps. Returns the game and where a
    board point is on screen."""
    game, x, y = start_game(desktop, build, scale)

    def at(dx, dy):
        return x + round(dx * scale), y + round(dy * scale)
    for source, target in OPENING:
        desktop.drag(at(*cell_centre(source)), at(*cell_centre(target)))
        time.sleep(0.3)
    return game, at


def shoot_at_standard_scale(desktop, build, shoot):
    game, at = open_game(desktop, build, 1)
    x, y = at(0, 0)
    shoot("board", x - MARGIN, y - MARGIN, BOARD_SIZE[0] + 2 * MARGIN, BOARD_SIZE[1] + 2 * MARGIN)

    desktop.click(*at(*BACKGROUND_SPOT), button=3)
    wait_for(lambda: desktop.popups(game.pid), "the menu")
    time.sleep(0.3)
    shoot("menu", x - MARGIN, y - MARGIN, BOARD_SIZE[0] + 2 * MARGIN, MENU_HEIGHT)
    desktop.key("l")
    dialog = wait_for(lambda: desktop.dialogs("關卡選擇"), "the level dialog")[0]
    time.sleep(0.5)
    d = desktop.info(dialog)
    shoot("level-dialog", d["x"] - 12, d["y"] - 36, d["width"] + 24, d["height"] + 48)
    desktop.key("alt+F4")
    wait_for(lambda: not desktop.dialogs("關卡選擇"), "the level dialog to close")

    desktop.click(*at(*BACKGROUND_SPOT), button=3)
    wait_for(lambda: desktop.popups(game.pid), "the menu")
    desktop.key("a")
    about = wait_for(lambda: desktop.dialogs("關於 " + TITLE), "the About dialog")[0]
    time.sleep(0.5)
    a = desktop.info(about)
    shoot("about", a["x"] - 12, a["y"] - 36, a["width"] + 24, a["height"] + 48)
    desktop.key("Escape")
    game.terminate()
    game.wait(10)
    wait_for(lambda: not desktop.windows(TITLE), "the game to go")


def shoot_at_double_scale(desktop, build, shoot):
    game, at = open_game(desktop, build, 2)
    x, y = at(0, 0)
    shoot("board@2x", x - 2 * MARGIN, y - 2 * MARGIN, 2 * (BOARD_SIZE[0] + 2 * MARGIN), 2 * (BOARD_SIZE[1] + 2 * MARGIN))
    game.terminate()
    game.wait(10)


def main(build, out):
    os.makedirs(out, exist_ok=True)
    Desktop.BACKGROUND = (58, 110, 165)  # a quiet desktop blue
    desktop = Desktop(os.path.join(out, ".raw"))
    try:
        shoot = shooter(desktop, out)
        shoot_at_standard_scale(desktop, build, shoot)
        shoot_at_double_scale(desktop, build, shoot)
    finally:
        desktop.close()
        for name in os.listdir(os.path.join(out, ".raw")):
            os.remove(os.path.join(out, ".raw", name))
        os.rmdir(os.path.join(out, ".raw"))


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    main(sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else os.path.join(here, "..", "docs"))
