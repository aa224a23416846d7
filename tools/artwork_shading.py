"""The two materials of the game's pictures, as numbers: wood and the red ball.

Both work on whole numpy arrays of pixel positions, so the pictures are drawn
in a few array operations rather than one Python step per pixel, and the
scalable icon samples the same functions for its gradient stops. The order of
every floating-point operation is kept as the first per-pixel version had it,
which keeps the committed 1x pictures byte for byte.
"""
import math
import random

import numpy as np

WOOD_LIGHT = (222, 168, 104)
WOOD_DARK = (176, 112, 58)
BALL_RGB = (150, 16, 20)
RIM_GLOW = (200, 90, 40)  # light the board throws back onto the ball's edge
BALL_SHININESS = 28


def wood_tone(x, y, unit, seed):
    """How dark the wood is at pixel (x, y), 0 light to 1 dark.

    Straight grain in bands along x that wobble slowly. `unit` is pixels per
    logical pixel, so a picture drawn larger shows the same grain, finer.
    """
    rng = random.Random(seed)
    waves = [(rng.uniform(0.02, 0.06), rng.uniform(0, 6.3), rng.uniform(2, 6)) for _ in range(4)]
    rings = [rng.uniform(0.15, 0.45) for _ in range(3)]
    wobble = 0
    for f, p, a in waves:
        wobble = wobble + a * np.sin(f * x / unit + p)
    v = y / unit + wobble
    grain = 0.5 + 0.5 * np.sin(v * rings[0]) * np.sin(v * rings[1] + 1.3)
    fine = 0.5 + 0.5 * np.sin(v * 2.1 + np.sin(x / unit * 0.11) * 1.5)
    return np.clip(0.55 * grain + 0.25 * fine + 0.1, 0.0, 1.0)


def wood_rgb(tone):
    """Wood colours for an array of tones, as uint8 with a trailing RGB axis."""
    tone = np.asarray(tone)[..., np.newaxis]
    light, dark = np.array(WOOD_LIGHT), np.array(WOOD_DARK)
    return np.rint(light + (dark - light) * tone).astype(np.uint8)


def wood_pixels(width, height, unit, seed):
    """A width x height block of wood, uint8 RGB rows."""
    x = np.arange(width, dtype=np.float64)[np.newaxis, :]
    y = np.arange(height, dtype=np.float64)[:, np.newaxis]
    return wood_rgb(wood_tone(x, y, unit, seed))


def _light_direction():
    light = (-0.45, -0.55, 0.70)
    norm = math.sqrt(sum(c * c for c in light))
    return tuple(c / norm for c in light)


LIGHT = _light_direction()


def ball_terms(nx, ny):
    """Diffuse light, specular highlight and rim glow on the unit ball.

    nx, ny are positions on the ball's disc with the centre at 0 and the edge
    at 1; outside the disc every term is 0.
    """
    d2 = nx * nx + ny * ny
    inside = d2 <= 1
    nz = np.sqrt(np.where(inside, 1 - d2, 0.0))
    diffuse = np.maximum(0.0, nx * LIGHT[0] + ny * LIGHT[1] + nz * LIGHT[2])
    specular = np.maximum(0.0, (2 * diffuse * nz - LIGHT[2])) ** BALL_SHININESS
    rim = (1 - nz) ** 3 * 0.35
    zero = np.zeros_like(d2)
    return np.where(inside, diffuse, zero), np.where(inside, specular, zero), np.where(inside, rim, zero)


def ball_rgb(diffuse, specular, rim):
    """The ball's colour from its light terms, as int arrays per channel."""
    colour = [c * (0.22 + 0.85 * diffuse) for c in BALL_RGB]
    colour = [c + 255 * specular * 0.95 for c in colour]
    colour = [c + g * rim for c, g in zip(colour, RIM_GLOW)]
    return [np.minimum(255, c.astype(np.int64)) for c in colour]
