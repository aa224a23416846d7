"""The game's pictures drawn from its geometry, at any whole scale.

A picture for scale k is drawn at k times its logical size times SUPERSAMPLE
and scaled down once, which gives the anti-aliased edges; a larger picture is
therefore drawn afresh, never enlarged from a smaller one.
"""
from PIL import Image, ImageChops, ImageDraw, ImageFilter
import numpy as np

from artwork_files import SHADOW_RGB
from artwork_shading import ball_rgb, ball_terms, wood_pixels

SUPERSAMPLE = 4

# The board as the game lays it out, in logical pixels.
BOARD_W, BOARD_H = 199, 198
OUTLINE = [(2, 0), (197, 0), (199, 2), (199, 195), (196, 198), (3, 198), (0, 195), (0, 2)]
CELL = 21
PITCH = 26
CELL_LEFT, CELL_TOP = -15, 12  # where column 0, row 0 would start
OUTSIDE = {1, 2, 6, 7, 8, 9, 13, 14, 36, 37, 41, 42, 43, 44, 48, 49}
HOLE_RADIUS = 8.0
BALL_RADIUS = 9.8
BOARD_SEED = 7

# The pointer: the ball on a 32-pixel square, 5 pixels in from the top left.
POINTER_SIZE = 32
POINTER_BALL_OFFSET = 5

# The application icon, in fractions of its side.
ICON_SEED = 3
ICON_GRAIN_SIZE = 32  # at and below this side the grain is as in the 32-pixel icon
ICON_INSET = 0.5  # pixels between the picture's edge and the rim
ICON_CORNER_DIVISOR = 6  # corner radius = side / 6
ICON_RIM_DIVISOR = 24  # rim width = side / 24
ICON_GRID = 8
ICON_HOLE_SPREAD = 1.35  # holes sit this many grid steps apart
ICON_HOLE_SIZE = 0.28  # hole radius in grid steps
ICON_BALL_SIZE = 0.2  # ball radius in sides
ICON_RIM_RGB = (110, 62, 26)
ICON_HOLE_RGB = (70, 36, 14)


def cell_centre(cell):
    row, column = (cell - 1) // 7, (cell - 1) % 7 + 1
    return PITCH * column + CELL_LEFT + CELL / 2, PITCH * row + CELL_TOP + CELL / 2


def board_cells():
    return [cell for cell in range(1, 50) if cell not in OUTSIDE]


def wood(width, height, unit, seed):
    return Image.fromarray(wood_pixels(width, height, unit, seed), "RGB")


def apply_shade(image, shade):
    """128 leaves a pixel as it is; darker darkens, lighter lightens."""
    dark = ImageChops.multiply(image, Image.merge("RGB", [shade.point(lambda v: min(255, v * 2))] * 3))
    light = ImageChops.screen(image, Image.merge("RGB", [shade.point(lambda v: max(0, v * 2 - 256))] * 3))
    mask = shade.point(lambda v: 255 if v > 128 else 0)
    return Image.composite(light, dark, mask)


def bevel_shade(w, h, unit):
    """The board's bevelled rim and the fine groove inside it, as a shade."""
    bevel = 7 * unit
    shade = Image.new("L", (w, h), 128)
    draw = ImageDraw.Draw(shade)
    for i in range(bevel):  # light on the top and left faces, dark on the bottom and right
        t = i / bevel
        draw.line([(i, i), (w - 1 - i, i)], fill=int(200 - 60 * t))
        draw.line([(i, i), (i, h - 1 - i)], fill=int(185 - 50 * t))
        draw.line([(i, h - 1 - i), (w - 1 - i, h - 1 - i)], fill=int(50 + 70 * t))
        draw.line([(w - 1 - i, i), (w - 1 - i, h - 1 - i)], fill=int(62 + 60 * t))
    g = bevel + 2 * unit
    draw.rectangle([g, g, w - 1 - g, h - 1 - g], outline=96, width=unit)
    draw.rectangle([g + unit, g + unit, w - 1 - g + unit, h - 1 - g + unit], outline=160, width=unit // 2)
    return shade


def holes_shade(w, h, unit):
    """The holes: a dark bowl, in shadow at the top left, catching light low right."""
    holes = Image.new("L", (w, h), 128)
    draw = ImageDraw.Draw(holes)
    r = HOLE_RADIUS * unit
    for cell in board_cells():
        cx, cy = (c * unit for c in cell_centre(cell))
        draw.ellipse([cx - r - unit, cy - r - unit, cx + r + unit, cy + r + unit], fill=168)
        for i in range(int(r), 0, -1):
            t = i / r
            off = (1 - t) * 0.35 * r
            draw.ellipse([cx - i + off, cy - i + off, cx + i + off, cy + i + off], fill=int(22 + 60 * (1 - t) ** 0.7))
    return holes.filter(ImageFilter.GaussianBlur(unit * 0.6))


def draw_board(scale):
    """The wooden board with its 33 holes, opaque, at scale times 199 x 198."""
    unit = SUPERSAMPLE * scale
    w, h = BOARD_W * unit, BOARD_H * unit
    board = wood(w, h, unit, BOARD_SEED)
    board = apply_shade(board, bevel_shade(w, h, unit))
    board = apply_shade(board, holes_shade(w, h, unit))
    return board.resize((BOARD_W * scale, BOARD_H * scale), Image.LANCZOS)


def draw_ball(size, radius, centre):
    """A glossy red ball on SHADOW_RGB, with its coverage as alpha."""
    s = size * SUPERSAMPLE
    cx, cy, r = centre[0] * SUPERSAMPLE, centre[1] * SUPERSAMPLE, radius * SUPERSAMPLE
    y, x = np.mgrid[0:s, 0:s].astype(np.float64)
    nx, ny = (x + 0.5 - cx) / r, (y + 0.5 - cy) / r
    inside = nx * nx + ny * ny <= 1
    pixels = np.empty((s, s, 4), dtype=np.uint8)
    pixels[...] = SHADOW_RGB + (0,)
    for channel, value in enumerate(ball_rgb(*ball_terms(nx, ny))):
        pixels[..., channel][inside] = value[inside]
    pixels[..., 3][inside] = 255
    return Image.fromarray(pixels, "RGBA").resize((size, size), Image.LANCZOS)


def draw_peg(scale):
    """The ball that fills a cell, at scale times 21 x 21."""
    size = CELL * scale
    return draw_ball(size, BALL_RADIUS * scale, (size / 2, size / 2))


def draw_pointer(scale):
    """The ball on the pointer's square, centred where the 1x one is."""
    pointer = Image.new("RGBA", (POINTER_SIZE * scale,) * 2, SHADOW_RGB + (0,))
    offset = POINTER_BALL_OFFSET * scale
    pointer.paste(draw_peg(scale), (offset, offset))
    return pointer


def icon_holes(side):
    """Centres and radius of the icon's cross of holes on a square of `side`."""
    pitch = side / ICON_GRID
    cells = [(r, c) for r in range(-2, 3) for c in range(-2, 3)
             if abs(r) < 1 or abs(c) < 1 or (abs(r) < 2 and abs(c) < 2)]
    centres = [(side / 2 + c * pitch * ICON_HOLE_SPREAD, side / 2 + r * pitch * ICON_HOLE_SPREAD) for r, c in cells]
    return centres, pitch * ICON_HOLE_SIZE


def icon_wood_unit(size):
    """Drawn pixels per grain unit, so larger icons show the same grain finer."""
    return SUPERSAMPLE * max(1, size / ICON_GRAIN_SIZE)


def draw_app_icon(size):
    """A small wooden board with a cross of holes and one ball in the middle."""
    s = size * SUPERSAMPLE
    icon = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    wood_square = wood(s, s, icon_wood_unit(size), ICON_SEED).convert("RGBA")
    inset = int(ICON_INSET * SUPERSAMPLE)
    frame = [inset, inset, s - 1 - inset, s - 1 - inset]
    mask = Image.new("L", (s, s), 0)
    ImageDraw.Draw(mask).rounded_rectangle(frame, radius=s // ICON_CORNER_DIVISOR, fill=255)
    icon.paste(wood_square, mask=mask)
    draw = ImageDraw.Draw(icon)
    draw.rounded_rectangle(frame, radius=s // ICON_CORNER_DIVISOR, outline=ICON_RIM_RGB + (255,),
                           width=max(SUPERSAMPLE, s // ICON_RIM_DIVISOR))
    centres, hole = icon_holes(s)
    for x, y in centres:
        draw.ellipse([x - hole, y - hole, x + hole, y + hole], fill=ICON_HOLE_RGB + (255,))
    small = icon.resize((size, size), Image.LANCZOS)
    small.alpha_composite(draw_ball(size, size * ICON_BALL_SIZE, (size / 2, size / 2)))
    return small
