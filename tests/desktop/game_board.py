"""The game as the desktop suites, the start-up benchmark and the screenshot tool see it from outside: its
title, from the game's identity, and its board in logical pixels from the window's top-left corner."""
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools"))
from game_identity import identity  # noqa: E402


TITLE = identity()["KMQ_TITLE"]
BOARD_SIZE = (199, 198)
OUTSIDE = {1, 2, 6, 7, 8, 9, 13, 14, 36, 37, 41, 42, 43, 44, 48, 49}
BOARD_CELLS = [c for c in range(1, 50) if c not in OUTSIDE]
CENTRE = 25
STANDARD_GAME = set(BOARD_CELLS) - {CENTRE}
BACKGROUND_SPOT = (4, 100)  # on the board's rim, clear of every cell
CELL_PITCH = 26
GRID_ORIGIN = (-15, 12)  # column c of row r starts at GRID_ORIGIN + CELL_PITCH * (c, r)
CELL_SIZE = 21


def cell_centre(cell):
    """A cell's centre."""
    row, column = (cell - 1) // 7, (cell - 1) % 7 + 1
    return (GRID_ORIGIN[0] + CELL_PITCH * column + CELL_SIZE // 2,
            GRID_ORIGIN[1] + CELL_PITCH * row + CELL_SIZE // 2)


def shows_peg(rgb):
    """Whether a pixel at a cell's centre is the red ball rather than the brown hole."""
    r, g, _ = rgb
    return r - g > 60
