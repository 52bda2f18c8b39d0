"""The snow puff of the spray systems: soft, round, white on black (it is
blended additively, so black adds nothing)."""
import numpy as np

from . import imagefile, paint

SIZE = 64


def puff():
    r = paint.radial(SIZE, SIZE, SIZE / 2, SIZE / 2, SIZE / 2)
    grain = paint.fbm(SIZE, SIZE, 211, base_cells=4, octaves=3)
    # Fades to pure black before the border, so no square edge shows.
    glow = np.exp(-((r / 0.5) ** 2) * 1.6) * (0.8 + 0.4 * grain) * np.clip(1.0 - r, 0.0, 1.0) ** 2
    return paint.to_bytes(np.repeat(np.clip(glow, 0, 1)[:, :, None], 3, axis=2) * np.array([0.96, 0.98, 1.0]))


PICTURES = {"particle1.bmp": lambda: imagefile.bmp_bytes(puff())}
