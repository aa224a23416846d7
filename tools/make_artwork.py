#!/usr/bin/python3
"""Draws the game's pictures into res/, the same bytes on every run.

    board.bmp            199 x 198, 24-bit: the wooden board with its 33 holes
    peg.png              21 x 21, 128 colours, one of them transparent: the ball
    peg-pointer.png      32 x 32, 256 colours: the ball centred, used as the pointer
    app-icon-16.png, app-icon-32.png   256 colours: the program's icon
    board@Nx.bmp         the board for screens at N times the density, 32-bit, top down
    peg@Nx.png           the ball, with alpha
    peg-pointer@Nx.png   the pointer, with alpha
    icons/<side>.png     the program's icon for the desktop's hicolor theme
    icons/scalable.svg   the same icon as a drawing
    windows/kongmingqi.ico  16 to 256 pixels, PNG: the icon of the Windows program

Needs Debian's python3-pil and python3-numpy. Usage: make_artwork.py [folder]
"""
import sys
from pathlib import Path

from app_icon_svg import app_icon_svg
from artwork_files import flatten, write_paletted_png, write_png, write_png_ico, write_top_down_bitmap
from artwork_pictures import draw_app_icon, draw_board, draw_peg, draw_pointer

HIGH_DENSITIES = (2, 3)
APP_ICON_SIDES = (16, 32)
PEG_COLOURS = 128
ICON_COLOURS = 256
HICOLOR_SIDES = (16, 22, 24, 32, 48, 64, 128, 256)
ICON_FOLDER = "icons"
# Explorer's views and the taskbar at every display scale.
WINDOWS_ICON_SIDES = (16, 24, 32, 48, 64, 128, 256)
WINDOWS_ICON = "windows/kongmingqi.ico"


# The standard pictures are drawn with few colours and on-off transparency:
# small, crisp at their one size, and in formats Qt reads without a plugin.
def write_standard_density(out):
    draw_board(1).save(out / "board.bmp")
    write_paletted_png(out / "peg.png", *flatten(draw_peg(1)), PEG_COLOURS)
    write_paletted_png(out / "peg-pointer.png", *flatten(draw_pointer(1)), ICON_COLOURS)
    for side in APP_ICON_SIDES:
        write_paletted_png(out / f"app-icon-{side}.png", *flatten(draw_app_icon(side)), ICON_COLOURS)


def write_high_density(out, scale):
    write_top_down_bitmap(out / f"board@{scale}x.bmp", draw_board(scale))
    write_png(out / f"peg@{scale}x.png", draw_peg(scale))
    write_png(out / f"peg-pointer@{scale}x.png", draw_pointer(scale))


def write_desktop_icons(out):
    icons = out / ICON_FOLDER
    icons.mkdir(exist_ok=True)
    for side in HICOLOR_SIDES:
        write_png(icons / f"{side}.png", draw_app_icon(side))
    (icons / "scalable.svg").write_text(app_icon_svg(), encoding="utf-8", newline="\n")


def write_windows_icon(out):
    (out / WINDOWS_ICON).parent.mkdir(exist_ok=True)
    write_png_ico(out / WINDOWS_ICON, [draw_app_icon(side) for side in WINDOWS_ICON_SIDES])


def main(out_dir):
    out = Path(out_dir)
    out.mkdir(parents=True, exist_ok=True)
    write_standard_density(out)
    for scale in HIGH_DENSITIES:
        write_high_density(out, scale)
    write_desktop_icons(out)
    write_windows_icon(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "res")
