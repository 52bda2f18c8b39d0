# The generated pictures: the same bytes on every run, at sizes the game
# mipmaps, buttons where the game looks for them, a complete font, and the
# desktop icon written beside the data.
import functools
import math
import pathlib
import subprocess
import sys
import tempfile
import unittest

import numpy as np
from PIL import Image

from assetgen import icon
from assetgen.layout import SCREENS

TOOLS = pathlib.Path(__file__).resolve().parents[2] / "tools"


def generate(out):
    subprocess.run([sys.executable, "-m", "assetgen", "--out", out], cwd=TOOLS, check=True)
    return pathlib.Path(out)


GENERATED = tempfile.TemporaryDirectory(prefix="assetgen-")  # removed at exit
generated = functools.cache(lambda: generate(GENERATED.name))


def pixels(name):
    # A generated file named as the game names it ("textures\snow.tga"), decoded by PIL: top row first, RGB(A).
    return np.asarray(Image.open(generated().joinpath(*name.split("\\"))))


class PictureTest(unittest.TestCase):
    def test_two_runs_write_the_same_bytes_at_power_of_two_sides(self):
        with tempfile.TemporaryDirectory() as again:
            generate(again)
            self.assertEqual(subprocess.run(["diff", "-r", generated(), again]).returncode, 0)
        for path in sorted(generated().joinpath("textures").iterdir()):
            h, w, channels = pixels("textures\\" + path.name).shape
            self.assertTrue(w & (w - 1) == h & (h - 1) == 0 and channels == (4 if path.name == "font.tga" else 3))

    def test_buttons_fill_their_rectangles_exactly(self):
        for name in ("menu", "help"):
            image = pixels("textures\\%s.bmp" % name).astype(int)
            size = len(image)  # square, stretched over the window
            for x0, x1, y0, y1 in SCREENS[name + "Buttons"]:
                top, bottom = math.floor(y0 * size) + 1, math.ceil(y1 * size) - 1
                left, right = math.floor(x0 * size) + 1, math.ceil(x1 * size) - 1
                for grow, fill in ((0, True), (4, False)):  # the rim inside the rectangle, its surroundings beyond it
                    block = image[top - grow : bottom + grow, left - grow : right + grow]
                    edge = np.concatenate([block[0], block[-1], block[:, 0], block[:, -1]])
                    self.assertEqual((edge == image[top, left]).all(axis=1).all(), fill, (name, y0, grow))
                self.assertGreater(image[(top + bottom) // 2, left + 10 : right - 10].std(axis=0).max(), 30, "a label")

    def test_font_cells_of_printable_characters_hold_ink_the_others_none(self):
        alpha, grid = pixels("textures\\font.tga")[:, :, 3], SCREENS["fontGrid"]
        cell = len(alpha) // grid  # cells row by row from the top, each (cell, cell)
        for glyph, block in enumerate(alpha.reshape(grid, cell, grid, cell).swapaxes(1, 2).reshape(-1, cell, cell)):
            printable = 33 <= glyph % SCREENS["fontGlyphsPerSet"] + SCREENS["fontFirstCharacter"] <= 126
            ink_beyond_the_advance = block[:, int(cell * 0.7) if printable else 0 :].max()
            self.assertEqual((block.max() > 200, ink_beyond_the_advance), (printable, 0), glyph)

    def test_icon_is_a_square_png_with_clear_corners(self):
        alpha, m = pixels(icon.NAME)[:, :, 3], icon.SIZE // 2
        corners_then_body = list(alpha[[0, 0, -1, -1, m, 0, m, -1], [0, -1, 0, -1, 0, m, m, m]])
        self.assertEqual((alpha.shape, corners_then_body), ((icon.SIZE,) * 2, [0] * 4 + [255] * 4))
