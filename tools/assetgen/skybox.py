"""The six skybox faces: a winter sky over a ring of distant mountains.

The four walls are cut from one panorama that runs round the box (left,
front, right, back, as a viewer turning right meets them), so neighbouring
walls meet without a jump. Each wall's texture spans s and t from 0.01 to
0.99 over 600 x 180 units; the pixels are painted for that span.

Seen from the course a wall texel covers several screen pixels (over ten
from the finish, where the front wall is near), so nothing is painted that
needs single texels: shading and rock are sums of waves many texels long,
and each skyline is anti-aliased by the pixel's distance from it. Magnified,
the walls show soft shading and smooth edges, not blocks or steps.
"""
import math

import numpy as np

from . import imagefile, paint

# Width, height of each wall. The default view looks at the left wall from
# every point of the run, so it gets twice the texels across; the others,
# seen when the camera is turned, share its rows so their seams line up, and
# all together keep the resident memory in budget.
WALL_SIZES = {"left": (1024, 512), "front": (512, 512), "right": (512, 512), "back": (512, 512)}
CAP_SIZE = 256  # the ceiling: soft clouds need no more
FLOOR_SIZE = 64  # the floor lies under the valley everywhere
WALL_WIDTH = 600.0
WALL_HEIGHT = 180.0
TEX_LOW, TEX_HIGH = 0.01, 0.99
WALL_ORDER = ["left", "front", "right", "back"]
SKY_TOP = (66, 116, 190)
SKY_ZENITH = (50, 96, 176)
SKY_HORIZON = (196, 218, 240)
CLOUD = (238, 243, 250)
RING = 16384  # samples of a skyline round the box, four a column


def _smoothstep(a, b, x):
    t = np.clip((np.asarray(x, np.float32) - np.float32(a)) / np.float32(b - a), 0, 1)
    return t * t * (3 - 2 * t)


def _wall_coordinates(width, height, wall):
    """Panorama position u (0..4 round the box) per column and world height
    y per row (row 0 is the top of the picture)."""
    s = (np.arange(width) + 0.5) / width
    t = 1.0 - (np.arange(height) + 0.5) / height
    u = wall + (s - TEX_LOW) / (TEX_HIGH - TEX_LOW)
    y = (t - TEX_LOW) / (TEX_HIGH - TEX_LOW) * WALL_HEIGHT
    return u, y


def _harmonics(u, rng, first, last, roughness):
    """A random periodic curve round the box, -1..1 at most."""
    k = np.arange(first, last + 1)
    a = rng.uniform(0.3, 1.0, len(k)) / k**roughness
    phase = rng.uniform(0, 2 * math.pi, len(k))
    return np.sin(np.outer(u, 2 * math.pi * k / 4.0) + phase) @ a / a.sum()


class Range:
    """One mountain range round the box: its skyline (rounded swells with
    sharp peaks of varied height on them) sampled RING times, and how lit
    its flanks are."""

    def __init__(self, seed, base, swell, crags, peaks):
        rng = np.random.RandomState(seed)
        ring = np.arange(RING) * 4.0 / RING
        swells = _harmonics(ring, rng, 1, 12, 1.2)
        massifs = 0.55 + 0.45 * _harmonics(ring, rng, 2, 6, 0.5) / 0.6
        # 1 - |wave| peaks sharply where the wave crosses zero.
        craggy = np.abs(_harmonics(ring, rng, peaks // 2, peaks * 2, 1.0))
        spires = np.abs(_harmonics(ring, rng, peaks * 2, peaks * 5, 0.8))
        self.top = (
            base
            + swell * swells
            + crags * massifs * (1.0 - 2.0 * craggy / craggy.max())
            + 0.22 * crags * massifs * (1.0 - 2.0 * spires / spires.max())
        )
        spectrum = np.fft.rfft(self.top)
        self.w = 2 * math.pi * np.arange(len(spectrum)) / 4.0
        self.slope_spectrum = 1j * self.w * spectrum

    def slopes(self, blurs):
        """dy/du round the ring with the skyline blurred by Gaussians of
        each width in `blurs` (u units), one row each."""
        damp = np.exp(-0.5 * (np.asarray(blurs)[:, None] * self.w[None, :]) ** 2)
        return np.fft.irfft(self.slope_spectrum[None, :] * damp, n=RING, axis=1)

    def at(self, u):
        """Skyline height and slope (y per u) at the columns u."""
        index = u / 4.0 * RING
        slope = np.gradient(self.top) * RING / 4.0
        return (
            np.interp(index, np.arange(RING), self.top, period=RING),
            np.interp(index, np.arange(RING), slope, period=RING),
        )


def _coverage(top, slope, y, width, height):
    """How much of each pixel lies below the skyline: its signed distance
    from the skyline in pixels, through a one-pixel box."""
    du = 1.0 / ((TEX_HIGH - TEX_LOW) * width)
    dy = WALL_HEIGHT / ((TEX_HIGH - TEX_LOW) * height)
    rows_per_column = slope * du / dy
    distance = (top[None, :] - y[:, None]) / dy / np.sqrt(1.0 + rows_per_column**2)[None, :]
    return np.clip(0.5 + distance, 0.0, 1.0).astype(np.float32)


def _flank_slope(mountains, u, depth, spread):
    """The skyline's facets carried down the flanks, broadened with depth
    below the crest as spurs spread from a summit; in units of the crest's
    typical slope."""
    levels = np.linspace(0.0, WALL_HEIGHT, 25)
    table = mountains.slopes(0.005 + levels * spread / WALL_HEIGHT)
    table = (table / np.sqrt(np.mean(table[0] ** 2))).astype(np.float32)
    table = table[:, (u / 4.0 * RING).astype(int) % RING]
    f = np.clip(depth / (levels[1] - levels[0]), 0, len(levels) - 1.001)
    i = f.astype(int)
    frac = (f - i).astype(np.float32)
    cols = np.arange(len(u))[None, :]
    return table[i, cols] * (1 - frac) + table[i + 1, cols] * frac


def _streaks(u, y, seed, count, k_range, tilt):
    """Waves round the panorama, steep (at most `tilt` across for one down)
    and many texels wide, summed to about -1..1."""
    rng = np.random.RandomState(seed)
    total = np.zeros((len(y), len(u)), np.float32)
    weight = 0.0
    for _ in range(count):
        k = rng.randint(*k_range)
        w = 2 * math.pi * k / 4.0
        c = rng.uniform(-tilt, tilt) * w / WALL_WIDTH
        phase = rng.uniform(0, 2 * math.pi)
        amplitude = 1.0 / math.sqrt(k)
        across = w * u + phase
        total += np.outer(amplitude * np.cos(c * y), np.sin(across)).astype(np.float32)
        total += np.outer(amplitude * np.sin(c * y), np.cos(across)).astype(np.float32)
        weight += amplitude
    return np.tanh(total * np.float32(2.5 / math.sqrt(weight * weight / count)))


def _mix(a, b, t):
    """a where t is 0, b where t is 1; a and b pictures or colours."""
    return a + (b - a) * t[:, :, None]


# Far to near: seed, base height, swell, crags, peaks round the box, flank
# spread, gullies, haze, mist depth, lit, shaded, rock. Each range fades
# into mist towards its foot, so the skyline of the next nearer one stands out.
RANGES = [
    (5, 76.0, 24.0, 40.0, 10, 0.9, 0.3, 0.5, 70.0, (240, 245, 253), (160, 182, 222), (130, 146, 178)),
    (9, 54.0, 20.0, 34.0, 12, 0.8, 0.3, 0.32, 55.0, (244, 248, 254), (142, 166, 214), (110, 124, 154)),
    (21, 34.0, 14.0, 26.0, 14, 0.7, 0.3, 0.18, 45.0, (248, 250, 254), (128, 154, 204), (86, 98, 124)),
    (13, 15.0, 9.0, 6.0, 10, 0.5, 0.12, 0.25, 40.0, (226, 234, 246), (150, 172, 206), (74, 100, 108)),
]


def _range(picture, u, y, width, height, spec):
    seed, base, swell, crags, peaks, spread, gully, haze, mist_depth, lit, shaded, rock = spec
    mountains = Range(seed, base, swell, crags, peaks)
    top, slope = mountains.at(u)
    # Only the rows that the range reaches are painted.
    rows = slice(int(np.argmax(y < top.max() + 1.0)), len(y))
    y = y[rows]
    cover = _coverage(top, slope, y, width, height)
    depth = np.maximum(top[None, :] - y[:, None], 0.0).astype(np.float32)
    flank = _flank_slope(mountains, u, depth, spread)
    # Gullies, broken into stretches so they don't hang like curtains.
    gullies = _streaks(u, y, seed + 1, 12, (24, 90), 0.5) * (0.5 + 0.5 * _streaks(u, y, seed + 2, 6, (6, 24), 3.0))
    below = _smoothstep(1.0, 10.0, depth)
    light = 0.5 + 0.5 * np.tanh(2.2 * flank + gully * gullies * below)
    # Rock on the steep shaded faces and in the gullies, below the crest.
    rockiness = _smoothstep(0.6, 1.0, (1 - light) + 1.5 * gully * gullies) * below * 0.7
    colour = _mix(paint.colour(shaded), paint.colour(lit), light)
    colour = _mix(colour, paint.colour(rock) * (0.85 + 0.3 * light)[:, :, None], rockiness)
    mist = haze + (1 - haze) * 0.8 * _smoothstep(0.0, mist_depth, depth)
    colour = _mix(colour, paint.colour(SKY_HORIZON), mist)
    picture[rows] = _mix(picture[rows], colour, cover)
    return picture


def _sky(y, width):
    t = np.clip(y / WALL_HEIGHT, 0, 1)[:, None, None]
    top, horizon = paint.colour(SKY_TOP), paint.colour(SKY_HORIZON)
    return np.repeat(horizon + (top - horizon) * t**0.6, width, axis=1).astype(np.float32)


def wall(index):
    width, height = WALL_SIZES[WALL_ORDER[index]]
    u, y = _wall_coordinates(width, height, index)
    picture = _sky(y, width)
    for spec in RANGES:
        picture = _range(picture, u, y, width, height, spec)
    return paint.to_bytes(picture)


def top(size=CAP_SIZE):
    """The ceiling: a deeper blue overhead with wide soft clouds, fading to the
    walls' top colour at the border."""
    ys, xs = (np.mgrid[0:size, 0:size] + 0.5) / size
    edge = np.minimum.reduce([xs, 1 - xs, ys, 1 - ys])
    sky = paint.blend(paint.fill(size, size, SKY_TOP), paint.fill(size, size, SKY_ZENITH), _smoothstep(0.0, 0.5, edge))
    clouds = paint.fbm(size, size, 101, base_cells=4, octaves=3)
    amount = _smoothstep(0.45, 0.8, clouds) * _smoothstep(0.02, 0.2, edge)
    return paint.to_bytes(paint.blend(sky, paint.fill(size, size, CLOUD), amount * 0.75))


def bottom(size=FLOOR_SIZE):
    return paint.to_bytes(paint.fill(size, size, (230, 237, 248)))


PICTURES = {"%s.bmp" % name: (lambda i=i: imagefile.bmp_bytes(wall(i))) for i, name in enumerate(WALL_ORDER)}
PICTURES["top.bmp"] = lambda: imagefile.bmp_bytes(top())
PICTURES["bottom.bmp"] = lambda: imagefile.bmp_bytes(bottom())
