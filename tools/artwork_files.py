"""Writes the pictures in the file formats the game and the desktop read.

Every writer gives the same bytes for the same picture: no timestamps, no
text chunks, fixed compression.
"""
import io
import struct
from pathlib import Path

from PIL import Image

SHADOW_RGB = (74, 40, 18)  # the dark wood a ball's rim blends into
COVERAGE_THRESHOLD = 100  # weaker coverage than this is transparent in 1-bit masks


def flatten(rgba, threshold=COVERAGE_THRESHOLD):
    """Blends a picture onto SHADOW_RGB and turns weak coverage into a mask."""
    background = Image.new("RGBA", rgba.size, SHADOW_RGB + (255,))
    rgb = Image.alpha_composite(background, rgba).convert("RGB")
    opaque = rgba.getchannel("A").point(lambda a: 255 if a >= threshold else 0)
    return rgb, opaque


def png_bytes(image):
    """PNG with PIL's fixed settings: no time or text chunks are written."""
    buffer = io.BytesIO()
    image.save(buffer, format="PNG", optimize=False, compress_level=9)
    return buffer.getvalue()


def write_png(path, image):
    Path(path).write_bytes(png_bytes(image))


def write_paletted_png(path, rgb, opaque, colours):
    """A PNG of at most `colours` colours, the last one transparent where the
    mask is clear: small, and decoded by the reader built into Qt."""
    paletted = rgb.quantize(colours - 1, method=Image.MEDIANCUT, dither=Image.NONE)
    palette = paletted.getpalette()[: 3 * (colours - 1)]
    palette += [0] * (3 * (colours - 1) - len(palette)) + [255, 0, 255]
    paletted.putpalette(palette)  # exactly `colours` entries, the last one transparent
    transparent = colours - 1
    paletted.paste(transparent, mask=opaque.point(lambda a: 255 - a))
    buffer = io.BytesIO()
    paletted.save(buffer, format="PNG", transparency=transparent, optimize=False, compress_level=9)
    Path(path).write_bytes(buffer.getvalue())


def write_top_down_bitmap(path, rgb):
    """A 32-bit bitmap with its rows top down (a negative height), blue,
    green, red and 255 a pixel, uncompressed: the very layout of a Qt image
    in RGB32 (whose unused byte must be 255: a window that has an alpha
    channel, as on Wayland, shows it), which the game uses where it lies. A
    Qt image's pixels start on a 4-byte boundary, so two unused bytes after
    the 54-byte headers put them on one, and the file's length stays a
    multiple of four for whatever is stored after it."""
    w, h = rgb.size
    pixels = rgb.convert("RGBA").tobytes("raw", "BGRA")
    headers = 14 + 40
    offset = -(-headers // 4) * 4
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info_header = struct.pack("<IiiHHIIiiII", 40, w, -h, 1, 32, 0, len(pixels), 3780, 3780, 0, 0)
    padding = bytes(offset - headers)
    Path(path).write_bytes(file_header + info_header + padding + pixels)


def write_icon_file(path, images):
    """An icon file: its directory, then each image's bytes. Images are
    given as (width, height, bits per pixel, bytes)."""
    entries, data = b"", b""
    offset = 6 + 16 * len(images)
    for w, h, bits, blob in images:
        entries += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, bits, len(blob), offset + len(data))
        data += blob
    Path(path).write_bytes(struct.pack("<HHH", 0, 1, len(images)) + entries + data)


def write_png_ico(path, images):
    """An icon file whose images are PNG, each an RGBA image: how Windows
    (Vista and later) keeps icons of every size up to 256 pixels."""
    write_icon_file(path, [(*image.size, 32, png_bytes(image)) for image in images])
