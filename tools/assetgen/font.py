"""The bitmap font "textures/font.tga": a grid of 32-pixel cells, white
glyphs cut out by the alpha channel, laid out as ui/ScreenLayout.h says.

Set 0 holds the printable ASCII characters in plain bold, set 1 the same in
bold oblique. The game advances the pen by 10/16 of a cell, so every glyph
keeps to the left 70% of its cell.
"""
import numpy as np
from PIL import Image, ImageDraw

from . import imagefile, paint
from .layout import SCREENS

# The glyphs show at about 30 pixels; bigger cells only cost memory.
CELL = 32
GRID = SCREENS["fontGrid"]
INK_WIDTH = int(CELL * 0.7)
SETS = {0: "DejaVuSansMono-Bold.ttf", 1: "DejaVuSansMono-BoldOblique.ttf"}
FIRST, LAST = SCREENS["fontFirstCharacter"], 127
BASELINE = 25


def glyph_index(code, glyph_set):
    return code - FIRST + SCREENS["fontGlyphsPerSet"] * glyph_set


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
            alpha[row * CELL : (row + 1) * CELL, column * CELL : (column + 1) * CELL] = _glyph(code, font)
    picture = np.ones((CELL * GRID, CELL * GRID, 4), np.float32)
    picture[:, :, 3] = alpha
    return paint.to_bytes(picture)


PICTURES = {"font.tga": lambda: imagefile.tga_bytes(atlas())}
