"""The bitmap font "textures/font.tga": a 16 x 16 grid of 32-pixel cells,
white glyphs cut out by the alpha channel.

Glyph g sits in column g mod 16, row g div 16 counted from the top. Set 0
holds characters 32..127 as glyphs 0..95 (plain bold), set 1 the same
characters as glyphs 128..223 (bold oblique). The game advances the pen by
10/16 of a cell, so every glyph keeps to the left 70% of its cell.
"""
import numpy as np
from PIL import Image, ImageDraw

from . import imagefile, paint

# The glyphs show at about 30 pixels; bigger cells only cost memory.
CELL = 32
GRID = 16
INK_WIDTH = int(CELL * 0.7)
SETS = {0: "DejaVuSansMono-Bold.ttf", 1: "DejaVuSansMono-BoldOblique.ttf"}
FIRST, LAST = 32, 127
BASELINE = 25


def glyph_index(code, glyph_set):
    return code - FIRST + 128 * glyph_set


def _glyph(code, font):
    cell = Image.new("L", (CELL, CELL), 0)
    if code == 127:
        return np.zeros((CELL, CELL), np.float32)
    ImageDraw.Draw(cell).text((INK_WIDTH // 2, BASELINE), chr(code), fill=255, font=font, anchor="ms")
    ink = np.asarray(cell, np.float32) / 255.0
    ink[:, INK_WIDTH:] = 0.0
    return ink


def atlas():
    alpha = np.zeros((CELL * GRID, CELL * GRID), np.float32)
    for glyph_set, font_name in SETS.items():
        font = paint.font(font_name, 27)
        for code in range(FIRST, LAST + 1):
            g = glyph_index(code, glyph_set)
            row, column = divmod(g, GRID)
            alpha[row * CELL:(row + 1) * CELL, column * CELL:(column + 1) * CELL] = _glyph(code, font)
    picture = np.ones((CELL * GRID, CELL * GRID, 4), np.float32)
    picture[:, :, 3] = alpha
    return paint.to_bytes(picture)


PICTURES = {"font.tga": lambda: imagefile.tga_bytes(atlas())}
