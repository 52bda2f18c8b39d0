"""Sponsor boards and the event banner at the finish.

Each picture is painted at its board's proportions (15 x 3.8 and 70 x 3.8
units) and then squeezed into a power-of-two picture; stretched back onto its
board by the texture, the artwork has its painted proportions again.
"""
import numpy as np

from . import imagefile, paint

SPONSOR_BOARD = (15.0, 3.8)
EVENT_BOARD = (70.0, 3.8)
SPONSOR_SIZE = (256, 64)
EVENT_SIZE = (1024, 64)
PAINT_HEIGHT = 128


def _canvas(board):
    return int(round(PAINT_HEIGHT * board[0] / board[1])), PAINT_HEIGHT


def _finish(picture, size):
    return paint.to_bytes(paint.resize(picture, size[0], size[1]))


def _sponsor(name, background, ink, accent, emblem, font_name):
    w, h = _canvas(SPONSOR_BOARD)
    picture = paint.vertical_gradient(h, w, [(0.0, background[0]), (1.0, background[1])])
    picture = paint.blend(picture, paint.fill(h, w, accent), paint.shape_mask(w, h, lambda d, s: emblem(d, s, h)))
    words = paint.text_mask(w, h, name, font_name + ".ttf", 62, (h + (w - h) // 2, h // 2))
    picture = paint.blend(picture, paint.fill(h, w, ink), words)
    picture[:5] = picture[-5:] = paint.colour(accent)
    return picture


def _sun(d, s, h):
    d.ellipse([18 * s, 18 * s, (h - 18) * s, (h - 18) * s], fill=255)


def _peak(d, s, h):
    d.polygon([(10 * s, (h - 20) * s), (h / 2 * s, 16 * s), ((h - 10) * s, (h - 20) * s)], fill=255)


def _diamond(d, s, h):
    c = h / 2
    d.polygon([(c * s, 14 * s), ((h - 14) * s, c * s), (c * s, (h - 14) * s), (14 * s, c * s)], fill=255)


def _bolt(d, s, h):
    pts = [(70, 12), (30, 70), (58, 70), (44, 116), (98, 50), (68, 50), (86, 12)]
    d.polygon([(x * s, y * s) for x, y in pts], fill=255)


def _rings(d, s, h):
    for k in range(3):
        r = 40 - 12 * k
        d.ellipse([(h / 2 - r) * s, (h / 2 - r) * s, (h / 2 + r) * s, (h / 2 + r) * s], fill=255 if k % 2 == 0 else 0)


# Each sponsor: name (its picture is the name in lower case, .bmp), background gradient top and bottom,
# lettering, emblem colour, emblem, DejaVu font.
_SPONSORS = (
    ("Dapplecrux", ((250, 200, 40), (230, 140, 20)), (60, 20, 10), (170, 40, 30), _sun, "DejaVuSerif-Bold"),
    ("BROLUNT", ((20, 40, 90), (10, 20, 50)), (255, 255, 255), (60, 170, 240), _peak, "DejaVuSans-Bold"),
    ("wornel", ((235, 240, 245), (200, 210, 220)), (30, 100, 60), (40, 150, 80), _diamond, "DejaVuSans-BoldOblique"),
    ("KRENN", ((30, 30, 34), (60, 60, 66)), (255, 220, 0), (255, 220, 0), _bolt, "DejaVuSansCondensed-Bold"),
    ("Ulmar", ((170, 20, 40), (110, 10, 30)), (255, 240, 220), (255, 255, 255), _rings, "DejaVuSerifCondensed-Bold"),
)
SPONSORS = {sponsor[0].lower() + ".bmp": sponsor for sponsor in _SPONSORS}


def sponsor(file_name):
    return _finish(_sponsor(*SPONSORS[file_name]), SPONSOR_SIZE)


def event():
    w, h = _canvas(EVENT_BOARD)
    picture = paint.vertical_gradient(h, w, [(0.0, (16, 40, 110)), (0.5, (30, 80, 170)), (1.0, (16, 40, 110))])
    flakes = paint.fbm(h, w, 307, base_cells=40, octaves=2)
    picture = paint.blend(picture, paint.fill(h, w, (90, 150, 230)), np.clip((flakes - 0.6) * 3, 0, 1) * 0.5)
    shadow = paint.text_mask(w, h, "Quorvel", "DejaVuSans-Bold.ttf", 96, (w // 2 + 4, h // 2 + 4))
    picture = paint.blend(picture, paint.fill(h, w, (8, 16, 40)), shadow * 0.8)
    title = paint.text_mask(w, h, "Quorvel", "DejaVuSans-Bold.ttf", 96, (w // 2, h // 2))
    picture = paint.blend(picture, paint.fill(h, w, (255, 255, 255)), title)
    for side in (w * 0.18, w * 0.82):
        tag = paint.text_mask(w, h, "BIG AIR FINALS", "DejaVuSansCondensed-Bold.ttf", 54, (int(side), h // 2))
        picture = paint.blend(picture, paint.fill(h, w, (255, 210, 40)), tag)
    picture[:6] = picture[-6:] = paint.colour((255, 210, 40))
    return _finish(picture, EVENT_SIZE)


PICTURES = {name: (lambda n=name: imagefile.bmp_bytes(sponsor(n))) for name in SPONSORS}
PICTURES["qvl_banner.bmp"] = lambda: imagefile.bmp_bytes(event())
