"""The desktop icon, quorvel.png beside the data folders: a rider's-eye
kicker under a night sky, on a rounded square with see-through corners."""
import io

import numpy as np
from PIL import Image

from . import paint

SIZE = 128
NAME = "quorvel.png"


def picture():
    """(SIZE, SIZE, 4) floats: sky, a snow slope with its kicker, a floodlight."""
    ys, xs = np.mgrid[0:SIZE, 0:SIZE].astype(np.float32) / SIZE
    rgb = paint.vertical_gradient(SIZE, SIZE, [(0.0, (12, 20, 60)), (0.7, (40, 80, 160)), (1.0, (90, 140, 210))])
    slope = ys > 0.55 + 0.25 * (xs - 0.5)  # falls away to the left
    kicker = (ys > 0.47 - 0.3 * (xs - 0.55)) & (xs > 0.55) & (xs < 0.8) & ~slope
    snow = paint.colour((236, 242, 250))
    rgb[slope | kicker] = snow
    rgb[kicker] = rgb[kicker] * 0.9
    lamp = paint.radial(SIZE, SIZE, 0.22 * SIZE, 0.2 * SIZE, 0.12 * SIZE)
    glow = np.clip(1.0 - lamp, 0.0, 1.0)[:, :, None]
    rgb = paint.blend(rgb, paint.colour((255, 236, 170)), glow[:, :, 0])
    # Rounded corners: outside a quarter circle of radius 0.18 nothing shows.
    r = 0.18
    cx = np.clip(xs, r, 1 - r)
    cy = np.clip(ys, r, 1 - r)
    alpha = (np.hypot(xs - cx, ys - cy) <= r).astype(np.float32)
    return np.dstack([rgb, alpha])


def png_bytes():
    out = io.BytesIO()
    Image.fromarray(paint.to_bytes(picture()), "RGBA").save(out, format="PNG", optimize=False)
    return out.getvalue()
