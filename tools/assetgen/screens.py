"""The menu and help pictures, shown over a 4:3 view.

Buttons are painted exactly on the rectangles the game tests the mouse
against (window fractions, y from the top). Lettering is laid out at 4:3 and
stretched to the square picture, so it reads at the right proportions once
the picture fills the view.
"""
import math

import numpy as np

from . import imagefile, paint
from .layout import SCREENS

# Seen at most about 1280 x 960 and magnified: 512 reads well and keeps
# two 1024 pictures (16 MB with their mipmaps) out of memory.
SIZE = 512
VIEW = (1024, 768)  # the proportions the picture is seen at
MENU_BUTTONS = dict(zip(["Start", "Help", "Quit"], SCREENS["menuButtons"], strict=True))
HELP_BUTTONS = dict(zip(["Back"], SCREENS["helpButtons"], strict=True))
BUTTON_FILL = (28, 74, 160)
BUTTON_RIM = (250, 196, 40)
RIM = 5

HELP_LINES = [
    ("Menu", ""),
    ("s / h / q", "start a run, this help, quit"),
    ("On the slope", ""),
    ("move the mouse", "steer left and right"),
    ("left click", "in the pop window after take-off: jump higher"),
    ("drag, button held", "while the trick window is open: spin and flip"),
    ("move the mouse", "landing approach: keep the balance point centred"),
    ("Keys in a run", ""),
    ("r / q", "restart the run / back to the menu"),
    ("n / b", "night and day / pause"),
    ("a / d", "turn the camera round the rider"),
    ("w / s", "camera nearer / farther"),
]


def pixel_span(low, high, size):
    """Pixels whose centres lie strictly inside (low, high) as fractions."""
    first = int(math.floor(low * size - 0.5)) + 1
    last = int(math.ceil(high * size - 0.5)) - 1
    return first, last + 1


def _stretched_mask(draw):
    """Coverage drawn on a 4:3 canvas, stretched to the square picture."""
    w, h = VIEW
    mask = paint.shape_mask(w, h, draw, supersample=2)
    return paint.resize(mask[:, :, None], SIZE, SIZE)[:, :, 0]


def _text(text, font_name, size, x, y, anchor="mm"):
    w, h = VIEW
    mask = paint.text_mask(w, h, text, font_name, size, (x * w, y * h), anchor)
    return paint.resize(mask[:, :, None], SIZE, SIZE)[:, :, 0]


def _background(seed):
    picture = paint.vertical_gradient(
        SIZE, SIZE, [(0.0, (40, 82, 156)), (0.45, (150, 190, 232)), (0.62, (226, 236, 248)), (1.0, (246, 249, 253))]
    )
    xs = np.arange(SIZE) / SIZE
    rng = np.random.RandomState(seed)
    ridge = 0.5 + sum(
        rng.uniform(0.01, 0.05) / k * np.sin(2 * math.pi * k * xs + rng.uniform(0, 6)) for k in range(1, 30)
    )
    ys = (np.arange(SIZE) + 0.5)[:, None] / SIZE
    mountain = ys > ridge[None, :]
    snowfield = paint.blend(
        paint.fill(SIZE, SIZE, (230, 238, 250)),
        paint.fill(SIZE, SIZE, (170, 190, 222)),
        paint.fbm(SIZE, SIZE, seed + 1, base_cells=6, octaves=4) * 0.8,
    )
    return np.where(mountain[:, :, None], snowfield, picture)


def _button(picture, label, rect):
    x0, x1 = pixel_span(rect[0], rect[1], SIZE)
    y0, y1 = pixel_span(rect[2], rect[3], SIZE)
    picture[y0:y1, x0:x1] = paint.colour(BUTTON_RIM)
    picture[y0 + RIM : y1 - RIM, x0 + RIM : x1 - RIM] = paint.colour(BUTTON_FILL)
    words = _text(label, "DejaVuSans-Bold.ttf", 44, (rect[0] + rect[1]) / 2, (rect[2] + rect[3]) / 2)
    inside = np.zeros((SIZE, SIZE), np.float32)
    inside[y0 + RIM : y1 - RIM, x0 + RIM : x1 - RIM] = 1.0
    return paint.blend(picture, paint.fill(SIZE, SIZE, (255, 255, 255)), words * inside)


def _title(picture, text, size, y):
    shadow = _text(text, "DejaVuSans-Bold.ttf", size, 0.5 + 0.004, y + 0.006)
    picture = paint.blend(picture, paint.fill(SIZE, SIZE, (10, 24, 60)), shadow * 0.7)
    return paint.blend(
        picture, paint.fill(SIZE, SIZE, (255, 255, 255)), _text(text, "DejaVuSans-Bold.ttf", size, 0.5, y)
    )


def _rider_silhouette(picture):
    def draw(d, s):
        # A rider in the air above the slope, board grabbed, on the right.
        cx, cy = 740, 430
        d.polygon(
            [
                ((cx - 110) * s, (cy + 70) * s),
                ((cx + 110) * s, (cy + 30) * s),
                ((cx + 112) * s, (cy + 44) * s),
                ((cx - 108) * s, (cy + 84) * s),
            ],
            fill=255,
        )
        d.ellipse([(cx - 22) * s, (cy - 130) * s, (cx + 22) * s, (cy - 86) * s], fill=255)
        d.polygon(
            [
                ((cx - 30) * s, (cy - 84) * s),
                ((cx + 36) * s, (cy - 90) * s),
                ((cx + 40) * s, (cy - 10) * s),
                ((cx - 20) * s, (cy + 4) * s),
            ],
            fill=255,
        )
        d.polygon(
            [
                ((cx - 20) * s, cy * s),
                ((cx + 40) * s, (cy - 14) * s),
                ((cx + 60) * s, (cy + 40) * s),
                ((cx - 60) * s, (cy + 64) * s),
            ],
            fill=255,
        )
        d.line([((cx + 30) * s, (cy - 80) * s), ((cx + 110) * s, (cy - 130) * s)], fill=255, width=18 * s)
        d.line([((cx - 24) * s, (cy - 76) * s), ((cx - 70) * s, (cy + 50) * s)], fill=255, width=18 * s)

    return paint.blend(picture, paint.fill(SIZE, SIZE, (18, 30, 60)), _stretched_mask(draw))


def menu():
    picture = _background(401)
    picture = _rider_silhouette(picture)
    picture = _title(picture, "Quorvel", 150, 0.17)
    picture = paint.blend(
        picture,
        paint.fill(SIZE, SIZE, (230, 240, 255)),
        _text("big air under the floodlights", "DejaVuSans-Oblique.ttf", 34, 0.5, 0.3),
    )
    for label, rect in MENU_BUTTONS.items():
        picture = _button(picture, label, rect)
    return paint.to_bytes(picture)


def help_screen():
    picture = _background(409)
    panel = np.zeros((SIZE, SIZE), np.float32)
    y0, y1 = pixel_span(0.17, 0.74, SIZE)
    x0, x1 = pixel_span(0.06, 0.94, SIZE)
    panel[y0:y1, x0:x1] = 1.0
    picture = paint.blend(picture, paint.fill(SIZE, SIZE, (14, 30, 70)), panel * 0.78)
    picture = _title(picture, "How to ride", 84, 0.09)
    ink = np.zeros((SIZE, SIZE), np.float32)
    heads = np.zeros((SIZE, SIZE), np.float32)
    y = 0.2
    for key, meaning in HELP_LINES:
        if meaning:
            ink = np.maximum(ink, _text(key, "DejaVuSans-Bold.ttf", 23, 0.09, y, "lm"))
            ink = np.maximum(ink, _text(meaning, "DejaVuSans.ttf", 23, 0.35, y, "lm"))
            y += 0.042
        else:
            y += 0.012
            heads = np.maximum(heads, _text(key, "DejaVuSans-Bold.ttf", 28, 0.08, y, "lm"))
            y += 0.046
    picture = paint.blend(picture, paint.fill(SIZE, SIZE, (255, 255, 255)), ink)
    picture = paint.blend(picture, paint.fill(SIZE, SIZE, BUTTON_RIM), heads)
    for label, rect in HELP_BUTTONS.items():
        picture = _button(picture, label, rect)
    return paint.to_bytes(picture)


PICTURES = {"menu.bmp": lambda: imagefile.bmp_bytes(menu()), "help.bmp": lambda: imagefile.bmp_bytes(help_screen())}
