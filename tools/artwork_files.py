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


def write_icon_file(path, images):
    """An icon file: its directory, then each image's bytes. Images are
    given as (width, height, bits per pixel, bytes)."""
    entries, data = b"", b""
    offset = 6 + 16 * len(images)
    for w, h, bits, blob in images:
        entries += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, bits, len(blob), offset + len(data))
        data += blob
    Path(path).write_bytes(struct.pack("<HHH", 0, 1, len(images)) + entries + data)


def write_ico(path, images):
    """An icon file of 256-colour images, each given as (rgb, opaque)."""
    write_icon_file(path, [(*rgb.size, 8, ico_image(rgb, opaque)) for rgb, opaque in images])


def write_png_ico(path, images):
    """An icon file whose images are PNG, each an RGBA image: how Windows
    (Vista and later) keeps icons of every size up to 256 pixels."""
    write_icon_file(path, [(*image.size, 32, png_bytes(image)) for image in images])
