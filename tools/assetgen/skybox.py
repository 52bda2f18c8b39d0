"""The six skybox faces: a winter sky over a ring of distant snowy mountains.

The four walls are cut from one panorama that runs round the box (left,
front, right, back, as a viewer turning right meets them), so neighbouring
walls meet without a jump. Each wall's texture spans s and t from 0.01 to
0.99 over 600 x 180 units; the pixels are painted for that span.
"""
import math

import numpy as np

from . import imagefile, paint

WALL_SIZE = (512, 256)       # width, height
CAP_SIZE = 512
WALL_HEIGHT = 180.0
TEX_LOW, TEX_HIGH = 0.01, 0.99
WALL_ORDER = ["left", "front", "right", "back"]
SKY_TOP = (66, 116, 190)
SKY_HORIZON = (196, 218, 240)


def _wall_coordinates(width, height, wall):
    """Panorama position u (0..4 round the box) and world height y per pixel."""
    s = (np.arange(width) + 0.5) / width
    t = 1.0 - (np.arange(height) + 0.5) / height   # row 0 is the top of the picture
    u = wall + (s - TEX_LOW) / (TEX_HIGH - TEX_LOW)
    y = (t - TEX_LOW) / (TEX_HIGH - TEX_LOW) * WALL_HEIGHT
    return u, y


def _ridge(u, seed, base, amplitude, harmonics):
    """A mountain skyline round the box; periodic, so the ring closes."""
    rng = np.random.RandomState(seed)
    h = np.zeros_like(u)
    slope = np.zeros_like(u)
    for k in range(1, harmonics + 1):
        a = amplitude * rng.uniform(0.3, 1.0) / k ** 1.1
        phase = rng.uniform(0, 2 * math.pi)
        w = 2 * math.pi * k / 4.0
        h += a * np.sin(w * u + phase)
        slope += a * w * np.cos(w * u + phase)
    return base + h, slope


def _sky(y):
    t = np.clip(y / WALL_HEIGHT, 0, 1)[:, None, None]
    top, horizon = paint.colour(SKY_TOP), paint.colour(SKY_HORIZON)
    return horizon + (top - horizon) * t ** 0.6


PANORAMA_WIDTH = 2048


def _panorama_rock():
    """Per panorama column and wall row: how lit the rock faces are, from a
    noise relief that wraps round the box."""
    width, height = PANORAMA_WIDTH, WALL_SIZE[1]
    relief = paint.fbm(height, width, 7, base_cells=48, octaves=5)
    return np.clip(0.5 + (np.roll(relief, -1, axis=1) - np.roll(relief, 1, axis=1)) * 14.0, 0, 1)


def wall(index):
    width, height = WALL_SIZE
    u, y = _wall_coordinates(width, height, index)
    picture = np.repeat(_sky(y), width, axis=1)
    columns = (np.floor(u / 4.0 * PANORAMA_WIDTH).astype(int)) % PANORAMA_WIDTH
    rock_light = _panorama_rock()[:, columns]
    layers = [  # seed, base height, amplitude, colour lit, colour shaded
        (5, 58.0, 70.0, (226, 234, 248), (128, 150, 190)),
        (9, 30.0, 48.0, (244, 247, 252), (150, 170, 208)),
        (13, 12.0, 18.0, (220, 230, 242), (96, 124, 150)),
    ]
    for seed, base, amplitude, lit, shaded in layers:
        top, slope = _ridge(u, seed, base, amplitude, 48)
        inside = y[:, None] < top[None, :]
        below = np.clip((top[None, :] - y[:, None]) / 25.0, 0, 1)
        face = np.clip(0.5 + slope / (4 * amplitude), 0, 1)[None, :]
        light = (face * (1 - below) + rock_light * below)[:, :, None]
        rock = paint.fill(height, width, shaded) + (paint.fill(height, width, lit) - paint.fill(height, width, shaded)) * light
        # Haze: the lower slopes fade into the sky's horizon colour.
        haze = np.clip(1 - y / 40.0, 0, 1)[:, None, None] * 0.35
        rock = rock * (1 - haze) + paint.colour(SKY_HORIZON) * haze
        picture = np.where(inside[:, :, None], rock, picture)
    return paint.to_bytes(picture)


def top():
    size = CAP_SIZE
    clouds = paint.fbm(size, size, 101, base_cells=4, octaves=5)
    ys, xs = np.mgrid[0:size, 0:size] / (size - 1.0)
    # Clouds fade out towards the border, which meets the walls' sky colour.
    edge = np.minimum.reduce([xs, 1 - xs, ys, 1 - ys])
    amount = np.clip((clouds - 0.45) * 2.5, 0, 1) * np.clip(edge * 5, 0, 1)
    sky = paint.fill(size, size, SKY_TOP)
    return paint.to_bytes(paint.blend(sky, paint.fill(size, size, (236, 242, 250)), amount * 0.8))


def bottom():
    size = CAP_SIZE
    grain = paint.fbm(size, size, 103, base_cells=8, octaves=4)
    return paint.to_bytes(paint.blend(paint.fill(size, size, (238, 243, 250)), paint.fill(size, size, (200, 214, 234)), grain))


PICTURES = {"%s.bmp" % name: (lambda i=i: imagefile.bmp_bytes(wall(i))) for i, name in enumerate(WALL_ORDER)}
PICTURES["top.bmp"] = lambda: imagefile.bmp_bytes(top())
PICTURES["bottom.bmp"] = lambda: imagefile.bmp_bytes(bottom())
