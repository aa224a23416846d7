#!/usr/bin/python3
"""Draws the game's four pictures into res/, the same bytes on every run.

    board.bmp  199 x 198, 24-bit: the wooden board with its 33 holes
    peg.gif    21 x 21, 128 colours, one of them transparent: the ball
    peg.ico    32 x 32, 256 colours: the ball centred, used as the pointer
    app.ico    16 x 16 and 32 x 32, 256 colours: the program's icon

Needs Debian's python3-pil. Everything is drawn at four times the size and
scaled down, which gives the anti-aliased edges.
"""
import math
import random
import struct
import sys
from pathlib import Path

from PIL import Image, ImageChops, ImageDraw, ImageFilter

SCALE = 4
BOARD_W, BOARD_H = 199, 198
OUTLINE = [(2, 0), (197, 0), (199, 2), (199, 195), (196, 198), (3, 198), (0, 195), (0, 2)]
CELL = 21
PITCH = 26
OUTSIDE = {1, 2, 6, 7, 8, 9, 13, 14, 36, 37, 41, 42, 43, 44, 48, 49}
HOLE_RADIUS = 8.0
BALL_RADIUS = 9.8
SHADOW_RGB = (74, 40, 18)  # the dark wood a ball's rim blends into

def cell_centre(cell):
    row, column = (cell - 1) // 7, (cell - 1) % 7 + 1
    return 26 * column - 15 + CELL / 2, 26 * row + 12 + CELL / 2

def board_cells():
    return [cell for cell in range(1, 50) if cell not in OUTSIDE]

def lerp(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))

def wood(width, height, seed):
    """Warm, straight-grained wood: bands along x, wobbling slowly."""
    rng = random.Random(seed)
    light, dark = (222, 168, 104), (176, 112, 58)
    waves = [(rng.uniform(0.02, 0.06), rng.uniform(0, 6.3), rng.uniform(2, 6)) for _ in range(4)]
    rings = [rng.uniform(0.15, 0.45) for _ in range(3)]
    image = Image.new("RGB", (width, height))
    pixels = image.load()
    for y in range(height):
        for x in range(width):
            wobble = sum(a * math.sin(f * x / SCALE + p) for f, p, a in waves)
            v = y / SCALE + wobble
            grain = 0.5 + 0.5 * math.sin(v * rings[0]) * math.sin(v * rings[1] + 1.3)
            fine = 0.5 + 0.5 * math.sin(v * 2.1 + math.sin(x / SCALE * 0.11) * 1.5)
            t = min(1.0, max(0.0, 0.55 * grain + 0.25 * fine + 0.1))
            pixels[x, y] = lerp(light, dark, t)
    return image

def draw_board():
    w, h = BOARD_W * SCALE, BOARD_H * SCALE
    board = wood(w, h, seed=7)

    # Bevelled rim: light on the top and left faces, dark on the bottom and right.
    bevel = 7 * SCALE
    shade = Image.new("L", (w, h), 128)
    draw = ImageDraw.Draw(shade)
    for i in range(bevel):
        t = i / bevel
        draw.line([(i, i), (w - 1 - i, i)], fill=int(200 - 60 * t))
        draw.line([(i, i), (i, h - 1 - i)], fill=int(185 - 50 * t))
        draw.line([(i, h - 1 - i), (w - 1 - i, h - 1 - i)], fill=int(50 + 70 * t))
        draw.line([(w - 1 - i, i), (w - 1 - i, h - 1 - i)], fill=int(62 + 60 * t))
    # A fine groove just inside the rim.
    g = bevel + 2 * SCALE
    draw.rectangle([g, g, w - 1 - g, h - 1 - g], outline=96, width=SCALE)
    draw.rectangle([g + SCALE, g + SCALE, w - 1 - g + SCALE, h - 1 - g + SCALE], outline=160, width=SCALE // 2)
    board = apply_shade(board, shade)

    # The holes: a dark bowl, in shadow at the top left, catching light low right.
    holes = Image.new("L", (w, h), 128)
    draw = ImageDraw.Draw(holes)
    r = HOLE_RADIUS * SCALE
    for cell in board_cells():
        cx, cy = (c * SCALE for c in cell_centre(cell))
        draw.ellipse([cx - r - SCALE, cy - r - SCALE, cx + r + SCALE, cy + r + SCALE], fill=168)
        for i in range(int(r), 0, -1):
            t = i / r
            off = (1 - t) * 0.35 * r
            draw.ellipse([cx - i + off, cy - i + off, cx + i + off, cy + i + off], fill=int(22 + 60 * (1 - t) ** 0.7))
    holes = holes.filter(ImageFilter.GaussianBlur(SCALE * 0.6))
    board = apply_shade(board, holes)
    return board.resize((BOARD_W, BOARD_H), Image.LANCZOS)

def apply_shade(image, shade):
    """128 leaves a pixel as it is; darker darkens, lighter lightens."""
    dark = ImageChops.multiply(image, Image.merge("RGB", [shade.point(lambda v: min(255, v * 2))] * 3))
    light = ImageChops.screen(image, Image.merge("RGB", [shade.point(lambda v: max(0, v * 2 - 256))] * 3))
    mask = shade.point(lambda v: 255 if v > 128 else 0)
    return Image.composite(light, dark, mask)

def draw_ball(size, radius, centre):
    """A glossy red ball on SHADOW_RGB, with its coverage as alpha."""
    s = size * SCALE
    cx, cy, r = centre[0] * SCALE, centre[1] * SCALE, radius * SCALE
    rgba = Image.new("RGBA", (s, s), SHADOW_RGB + (0,))
    pixels = rgba.load()
    light = (-0.45, -0.55, 0.70)
    norm = math.sqrt(sum(c * c for c in light))
    light = tuple(c / norm for c in light)
    for y in range(s):
        for x in range(s):
            nx, ny = (x + 0.5 - cx) / r, (y + 0.5 - cy) / r
            d2 = nx * nx + ny * ny
            if d2 > 1:
                continue
            nz = math.sqrt(1 - d2)
            diffuse = max(0.0, nx * light[0] + ny * light[1] + nz * light[2])
            specular = max(0.0, (2 * diffuse * nz - light[2])) ** 28
            rim = (1 - nz) ** 3 * 0.35  # light bouncing off the board
            base = (150, 16, 20)
            colour = [c * (0.22 + 0.85 * diffuse) for c in base]
            colour = [c + 255 * specular * 0.95 for c in colour]
            colour = [colour[0] + 200 * rim, colour[1] + 90 * rim, colour[2] + 40 * rim]
            pixels[x, y] = tuple(min(255, int(c)) for c in colour) + (255,)
    return rgba.resize((size, size), Image.LANCZOS)

def flatten(rgba, threshold=100):
    """Blends a picture onto SHADOW_RGB and turns weak coverage into a mask."""
    background = Image.new("RGBA", rgba.size, SHADOW_RGB + (255,))
    rgb = Image.alpha_composite(background, rgba).convert("RGB")
    opaque = rgba.getchannel("A").point(lambda a: 255 if a >= threshold else 0)
    return rgb, opaque

def write_gif(path, rgb, opaque, colours=128):
    paletted = rgb.quantize(colours - 1, method=Image.MEDIANCUT, dither=Image.NONE)
    palette = paletted.getpalette()[: 3 * (colours - 1)]
    palette += [0] * (3 * (colours - 1) - len(palette)) + [255, 0, 255]
    paletted.putpalette(palette)  # exactly `colours` entries, the last one transparent
    transparent = colours - 1
    paletted.paste(transparent, mask=opaque.point(lambda a: 255 - a))
    paletted.save(path, transparency=transparent, optimize=False)

def ico_image(rgb, opaque):
    """One 256-colour icon image: BITMAPINFOHEADER, palette, pixels, AND mask."""
    w, h = rgb.size
    paletted = rgb.quantize(255, method=Image.MEDIANCUT, dither=Image.NONE)
    palette = paletted.getpalette()[: 3 * 256]
    palette += [0] * (3 * 256 - len(palette))
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 8, 0, 0, 0, 0, 256, 0)
    table = b"".join(struct.pack("BBBB", palette[3 * i + 2], palette[3 * i + 1], palette[3 * i], 0) for i in range(256))
    index, mask = paletted.load(), opaque.load()
    xor, and_ = b"", b""
    mask_stride = ((w + 31) // 32) * 4
    for y in range(h - 1, -1, -1):
        xor += bytes(index[x, y] if mask[x, y] else 0 for x in range(w))
        bits = bytearray(mask_stride)
        for x in range(w):
            if not mask[x, y]:
                bits[x // 8] |= 0x80 >> (x % 8)
        and_ += bytes(bits)
    return header + table + xor + and_

def write_ico(path, images):
    entries, data = b"", b""
    offset = 6 + 16 * len(images)
    for rgb, opaque in images:
        blob = ico_image(rgb, opaque)
        w, h = rgb.size
        entries += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 8, len(blob), offset + len(data))
        data += blob
    Path(path).write_bytes(struct.pack("<HHH", 0, 1, len(images)) + entries + data)

def draw_app_icon(size):
    """A small wooden board with a cross of holes and one ball in the middle."""
    s = size * SCALE
    icon = Image.new("RGBA", (s, s), (0, 0, 0, 0))
    wood_square = wood(s, s, seed=3).convert("RGBA")
    mask = Image.new("L", (s, s), 0)
    ImageDraw.Draw(mask).rounded_rectangle([SCALE // 2, SCALE // 2, s - 1 - SCALE // 2, s - 1 - SCALE // 2],
                                           radius=s // 6, fill=255)
    icon.paste(wood_square, mask=mask)
    draw = ImageDraw.Draw(icon)
    draw.rounded_rectangle([SCALE // 2, SCALE // 2, s - 1 - SCALE // 2, s - 1 - SCALE // 2],
                           radius=s // 6, outline=(110, 62, 26, 255), width=max(SCALE, s // 24))
    pitch = s / 8
    holes = [(r, c) for r in range(-2, 3) for c in range(-2, 3) if abs(r) < 1 or abs(c) < 1 or (abs(r) < 2 and abs(c) < 2)]
    hole = pitch * 0.28
    for r, c in holes:
        x, y = s / 2 + c * pitch * 1.35, s / 2 + r * pitch * 1.35
        draw.ellipse([x - hole, y - hole, x + hole, y + hole], fill=(70, 36, 14, 255))
    small = icon.resize((size, size), Image.LANCZOS)
    ball = draw_ball(size, size * 0.2, (size / 2, size / 2))
    small.alpha_composite(ball)
    return small

def main(out_dir):
    out = Path(out_dir)
    out.mkdir(parents=True, exist_ok=True)
    draw_board().save(out / "board.bmp")

    ball = draw_ball(CELL, BALL_RADIUS, (CELL / 2, CELL / 2))
    write_gif(out / "peg.gif", *flatten(ball))

    pointer = Image.new("RGBA", (32, 32), SHADOW_RGB + (0,))
    pointer.paste(ball, (5, 5))
    write_ico(out / "peg.ico", [flatten(pointer)])

    write_ico(out / "app.ico", [flatten(draw_app_icon(16)), flatten(draw_app_icon(32))])

if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "res")
