"""The application icon as a scalable drawing, for the desktop's hicolor theme.

Same layout as the raster icon (artwork_pictures.draw_app_icon); its
gradients take their colours from the same wood and ball shading: the grain
sampled down the middle of the icon, the ball's light fitted over its disc.
"""
import numpy as np

from artwork_pictures import (ICON_BALL_SIZE, ICON_CORNER_DIVISOR, ICON_HOLE_RGB, ICON_INSET, ICON_RIM_DIVISOR,
                              ICON_RIM_RGB, ICON_SEED, SUPERSAMPLE, icon_holes, icon_wood_unit)
from artwork_shading import LIGHT, ball_rgb, ball_terms, wood_rgb, wood_tone

SIDE = 256  # the drawing's own units; it scales to any size
WOOD_STOPS = 64
BALL_STOPS = 16
FIT_GRID = 96
FIT_ROUNDS = 6
HIGHLIGHT_STOPS = 8
HIGHLIGHT_REACH = 0.35  # of the ball's radius: the specular lobe is faded out by then


def number(value, digits=2):
    return f"{value:.{digits}f}".rstrip("0").rstrip(".")


def colour(rgb):
    return "#%02x%02x%02x" % tuple(int(c) for c in rgb)


def stop(offset, rgb, opacity=None):
    fade = "" if opacity is None else f' stop-opacity="{number(opacity, 3)}"'
    return f'    <stop offset="{number(offset, 4)}" stop-color="{colour(rgb)}"{fade}/>'


def wood_gradient():
    """Grain bands down the icon's middle column, as the raster draws them."""
    unit = icon_wood_unit(SIDE)
    drawn = SIDE * SUPERSAMPLE
    offsets = np.linspace(0.0, 1.0, WOOD_STOPS + 1)
    rgb = wood_rgb(wood_tone(np.full_like(offsets, drawn / 2), offsets * drawn, unit, ICON_SEED))
    stops = [stop(o, c) for o, c in zip(offsets, rgb)]
    return ['  <linearGradient id="wood" x1="0" y1="0" x2="0" y2="1">', *stops, "  </linearGradient>"]


def disc_grid():
    """Sample points over the ball's disc, in ball radii from its centre."""
    steps = (np.arange(FIT_GRID) + 0.5) / FIT_GRID * 2 - 1
    nx, ny = np.meshgrid(steps, steps)
    inside = nx * nx + ny * ny <= 1
    return nx[inside], ny[inside]


def fit_ball_layers():
    """Two gradients that together look like the raster ball's diffuse light.

    A radial gradient from the brightest point, darkened by a black linear
    gradient along the light's direction. No single gradient can do it, as
    the lit side reaches the ball's edge. The stops are fitted to the shading
    on a grid over the disc, each gradient in turn with the other held fixed.
    Returns the radial stops' colours and the shadow stops' opacities.
    """
    nx, ny = disc_grid()
    diffuse, _, rim = ball_terms(nx, ny)
    target = np.stack(ball_rgb(diffuse, np.zeros_like(diffuse), rim), axis=-1).astype(np.float64)
    focus, away = np.array(LIGHT[:2]), -np.array(LIGHT[:2]) / np.hypot(LIGHT[0], LIGHT[1])
    points = np.stack([nx, ny], axis=-1)
    # The radial gradient's offset o at a point: on the circle of radius o centred at (1 - o) * focus.
    a, b, c = focus @ focus - 1, 2 * ((points - focus) @ focus), ((points - focus) ** 2).sum(axis=-1)
    radial = np.clip((-b - np.sqrt(np.maximum(b * b - 4 * a * c, 0.0))) / (2 * a), 0.0, 1.0)
    along = np.clip((points @ away + 1) / 2, 0.0, 1.0)
    radial_stop = np.rint(radial * BALL_STOPS).astype(int)
    shadow_stop = np.rint(along * BALL_STOPS).astype(int)
    keep = np.ones(BALL_STOPS + 1)
    for _ in range(FIT_ROUNDS):
        lit = target / keep[shadow_stop, np.newaxis]
        colours = np.array([lit[radial_stop == i].mean(axis=0) for i in range(BALL_STOPS + 1)])
        base = colours[radial_stop].sum(axis=-1)
        keep = np.array([min(1.0, target[shadow_stop == i].sum() / base[shadow_stop == i].sum())
                         for i in range(BALL_STOPS + 1)])
    return colours, 1 - keep


def ball_gradients():
    colours, shadow = fit_ball_layers()
    offsets = np.linspace(0.0, 1.0, BALL_STOPS + 1)
    fx, fy = 0.5 + np.array(LIGHT[:2]) / 2
    dx, dy = -np.array(LIGHT[:2]) / np.hypot(LIGHT[0], LIGHT[1]) / 2
    return [f'  <radialGradient id="ball" cx="0.5" cy="0.5" r="0.5" fx="{number(fx)}" fy="{number(fy)}">',
            *[stop(o, np.rint(rgb)) for o, rgb in zip(offsets, colours)], "  </radialGradient>",
            f'  <linearGradient id="shadow" x1="{number(0.5 - dx)}" y1="{number(0.5 - dy)}" '
            f'x2="{number(0.5 + dx)}" y2="{number(0.5 + dy)}">',
            *[stop(o, (0, 0, 0), a) for o, a in zip(offsets, shadow)], "  </linearGradient>"]


def highlight_centre():
    """Where the light's reflection faces the viewer: halfway to the light."""
    half = np.array(LIGHT) + np.array([0.0, 0.0, 1.0])
    half /= np.linalg.norm(half)
    return half[:2]


def highlight_gradient():
    """The specular spot as white, fading with the same falloff as the raster."""
    centre = highlight_centre()
    offsets = np.linspace(0.0, 1.0, HIGHLIGHT_STOPS + 1)
    points = centre + offsets[:, np.newaxis] * np.array([HIGHLIGHT_REACH, 0.0])
    _, specular, _ = ball_terms(points[:, 0], points[:, 1])
    stops = [stop(o, (255, 255, 255), min(1.0, 0.95 * s)) for o, s in zip(offsets, specular)]
    return ['  <radialGradient id="highlight">', *stops, "  </radialGradient>"]


def frame():
    """The wooden square with its rim. SVG strokes straddle the path, so the
    path runs half a rim inside the edge; the edge is inset as in the
    largest raster icon, where SIDE is in pixels."""
    rim = SIDE / ICON_RIM_DIVISOR
    inset = ICON_INSET + rim / 2
    return (f'  <rect x="{number(inset)}" y="{number(inset)}" width="{number(SIDE - 2 * inset)}" '
            f'height="{number(SIDE - 2 * inset)}" rx="{number(SIDE / ICON_CORNER_DIVISOR - inset)}" '
            f'fill="url(#wood)" stroke="{colour(ICON_RIM_RGB)}" stroke-width="{number(rim)}"/>')


def holes():
    centres, radius = icon_holes(SIDE)
    return [f'  <circle cx="{number(x)}" cy="{number(y)}" r="{number(radius)}" fill="{colour(ICON_HOLE_RGB)}"/>'
            for x, y in centres]


def ball():
    radius = SIDE * ICON_BALL_SIZE
    hx, hy = SIDE / 2 + radius * highlight_centre()
    return [f'  <circle cx="{number(SIDE / 2)}" cy="{number(SIDE / 2)}" r="{number(radius)}" fill="url(#ball)"/>',
            f'  <circle cx="{number(SIDE / 2)}" cy="{number(SIDE / 2)}" r="{number(radius)}" fill="url(#shadow)"/>',
            f'  <circle cx="{number(hx)}" cy="{number(hy)}" r="{number(radius * HIGHLIGHT_REACH)}" '
            'fill="url(#highlight)"/>']


def app_icon_svg():
    lines = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{SIDE}" height="{SIDE}" viewBox="0 0 {SIDE} {SIDE}">',
             " <defs>", *wood_gradient(), *ball_gradients(), *highlight_gradient(), " </defs>",
             frame(), *holes(), *ball(), "</svg>"]
    return "\n".join(lines) + "\n"
