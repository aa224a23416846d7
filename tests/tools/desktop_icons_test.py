#!/usr/bin/python3
"""The hicolor theme's application icons: every size a rounded wooden square with the red ball in the middle,
and the scalable drawing, as librsvg renders it, the same icon as the 256-pixel picture."""
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

sys.dont_write_bytecode = True
REPOSITORY = Path(__file__).resolve().parents[2]
sys.path.insert(0, str(REPOSITORY / "tools"))

import numpy as np  # noqa: E402
from PIL import Image, ImageChops  # noqa: E402

import make_artwork  # noqa: E402

ICONS = REPOSITORY / "res" / make_artwork.ICON_FOLDER
SVG = ICONS / "scalable.svg"
COMPARED_SIDE = 256
CLEARLY_DIFFERENT = 48  # channel difference that is more than anti-aliasing or gradient banding
MOST_DIFFERENT_SHARE = 0.02
NEARLY_CLEAR = 8  # alpha left in a corner by the scaling filter's ringing
NEARLY_OPAQUE = 240


def icon(side):
    return Image.open(ICONS / f"{side}.png")


def is_ball_red(pixel):
    r, g, b, a = pixel
    return a == 255 and r > 2 * g and r > 2 * b


class RasterIcons(unittest.TestCase):
    def test_each_side_has_clear_corners_wood_inside_and_the_ball_in_the_middle(self):
        for side in make_artwork.HICOLOR_SIDES:
            with self.subTest(side=side):
                picture = icon(side)
                self.assertEqual((picture.mode, picture.size), ("RGBA", (side, side)))
                last = side - 1
                for corner in [(0, 0), (last, 0), (0, last), (last, last)]:
                    self.assertLess(picture.getpixel(corner)[3], NEARLY_CLEAR, corner)
                self.assertTrue(is_ball_red(picture.getpixel((side // 2, side // 2))))
                r, g, b, a = picture.getpixel((side // 2, side // 6))  # between the rim and the top hole
                self.assertGreater(a, NEARLY_OPAQUE)
                self.assertTrue(r > g > b, "wood is warm brown")


class ScalableIcon(unittest.TestCase):
    def test_renders_like_the_largest_picture(self):
        with tempfile.NamedTemporaryFile(suffix=".png") as rendered:
            subprocess.run(["rsvg-convert", "--width", str(COMPARED_SIDE), "--height", str(COMPARED_SIDE),
                            "--output", rendered.name, str(SVG)], check=True)
            drawing = Image.open(rendered.name).convert("RGBA")
        difference = np.asarray(ImageChops.difference(drawing, icon(COMPARED_SIDE).convert("RGBA")))
        share = (difference.max(axis=2) > CLEARLY_DIFFERENT).mean()
        self.assertLess(share, MOST_DIFFERENT_SHARE, f"{share:.1%} of the pixels differ clearly")

if __name__ == "__main__":
    unittest.main()
