"""Painting helpers on numpy arrays: tileable noise, colour mixing, shapes and
text. Pictures are float arrays in 0..1 of shape (height, width, 3 or 4)
until `to_bytes` turns them into what the writers take."""
import numpy as np
from PIL import Image, ImageDraw, ImageFont

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"


def noise(height, width, cells, seed):
    """Smooth value noise in 0..1 that tiles in both directions."""
    rng = np.random.RandomState(seed)
    cy, cx = max(1, round(cells * height / max(height, width))), max(1, round(cells * width / max(height, width)))
    grid = rng.rand(cy, cx).astype(np.float32)
    pad = 2
    wrapped = np.pad(grid, pad, mode="wrap")
    sy, sx = height / cy, width / cx
    big = Image.fromarray(wrapped, mode="F").resize(
        (int(round(wrapped.shape[1] * sx)), int(round(wrapped.shape[0] * sy))), Image.BICUBIC
    )
    out = np.asarray(big)
    oy, ox = int(round(pad * sy)), int(round(pad * sx))
    return np.clip(out[oy : oy + height, ox : ox + width], 0.0, 1.0)


def fbm(height, width, seed, base_cells=4, octaves=4):
    total = np.zeros((height, width), np.float32)
    weight = 0.0
    for k in range(octaves):
        amplitude = 0.5**k
        total += amplitude * noise(height, width, base_cells * 2**k, seed + 17 * k)
        weight += amplitude
    return total / weight


def colour(rgb):
    return np.asarray(rgb, np.float32) / 255.0


def blend(a, b, t):
    """a where t is 0, b where t is 1; t may be a per-pixel mask."""
    t = np.asarray(t, np.float32)
    if t.ndim == 2:
        t = t[:, :, None]
    return a * (1 - t) + b * t


def fill(height, width, rgb):
    return np.broadcast_to(colour(rgb), (height, width, len(rgb))).copy()


def vertical_gradient(height, width, stops):
    """stops: [(fraction from the top, (r, g, b)), ...] in order."""
    ys = (np.arange(height) + 0.5) / height
    fractions = [s[0] for s in stops]
    channels = [np.interp(ys, fractions, [s[1][c] for s in stops]) / 255.0 for c in range(3)]
    column = np.stack(channels, axis=1).astype(np.float32)
    return np.repeat(column[:, None, :], width, axis=1)


def to_bytes(picture):
    return (np.clip(picture, 0.0, 1.0) * 255.0 + 0.5).astype(np.uint8)


def resize(picture, width, height):
    """Resamples a float picture channel by channel (to squeeze artwork
    painted at the board's proportions into a power-of-two picture)."""
    channels = [
        np.asarray(
            Image.fromarray(np.ascontiguousarray(picture[:, :, c]), mode="F").resize((width, height), Image.LANCZOS)
        )
        for c in range(picture.shape[2])
    ]
    return np.clip(np.stack(channels, axis=2), 0.0, 1.0)


def font(name, size):
    return ImageFont.truetype(FONT_DIR + name, size)


def text_mask(width, height, text, font_name, size, anchor_xy, anchor="mm", stroke=0):
    """Coverage 0..1 of `text` drawn at anchor_xy (pixels)."""
    canvas = Image.new("L", (width, height), 0)
    ImageDraw.Draw(canvas).text(
        anchor_xy, text, fill=255, font=font(font_name, size), anchor=anchor, stroke_width=stroke, stroke_fill=255
    )
    return np.asarray(canvas, np.float32) / 255.0


def shape_mask(width, height, draw, supersample=4):
    """Coverage of shapes drawn by draw(ImageDraw, scale) on a finer canvas."""
    canvas = Image.new("L", (width * supersample, height * supersample), 0)
    draw(ImageDraw.Draw(canvas), supersample)
    small = canvas.resize((width, height), Image.BOX)
    return np.asarray(small, np.float32) / 255.0


def radial(height, width, cx, cy, radius):
    """Distance from (cx, cy) in units of radius, per pixel."""
    ys, xs = np.mgrid[0:height, 0:width].astype(np.float32)
    return np.hypot((xs + 0.5 - cx) / radius, (ys + 0.5 - cy) / radius)
