# The generated pictures: the same bytes on every run, in formats and at sizes
# the game reads and mipmaps, buttons where the game looks for them, a complete
# font, and the desktop icon written beside the data.
import math
import pathlib
import subprocess
import struct
import tempfile
import unittest

import numpy as np

import datafiles as df
from assetgen import icon, imagefile
from assetgen.layout import SCREENS


class GeneratorTest(unittest.TestCase):
    def test_two_runs_write_the_same_bytes(self):
        with tempfile.TemporaryDirectory() as again:
            df.generate(again)
            self.assertEqual(subprocess.run(["diff", "-r", df.generated().name, again]).returncode, 0)


class PictureTest(unittest.TestCase):
    def test_every_picture_is_plain_bottom_first_at_power_of_two_sides(self):
        for path in sorted(pathlib.Path(df.generated().name, "textures").iterdir()):
            data, pixels = path.read_bytes(), df.pixels(path.read_bytes())
            (h, w, channels), size = pixels.shape, pixels.size
            self.assertTrue(w & (w - 1) == h & (h - 1) == 0 and channels == (4 if path.name == "font.tga" else 3))
            if path.suffix == ".bmp":  # 24-bit, uncompressed, rows without padding
                fields = struct.unpack_from("<2sI4xI4xiiHHII", data)
                self.assertEqual(fields, (b"BM", len(data), len(data) - size, w, h, 1, 24, 0, size), path.name)
            else:  # type 2 or 10, no id or palette
                fields = struct.unpack_from("<3B9xHHBB", data)
                self.assertEqual(fields[:2] + fields[3:], (0, 0, w, h, channels * 8, (channels - 3) * 8), path.name)
                self.assertIn((fields[2], len(data) == 18 + size), {(2, True), (10, False)}, path.name)
            # Any of them run-length encoded (packets long and short, raw and repeated) decodes to the picture.
            self.assertTrue((df.pixels(imagefile.tga_bytes(pixels, rle=True)) == pixels).all(), path.name)

    def test_buttons_fill_their_rectangles_exactly(self):
        for name in ("menu", "help"):
            pixels = df.pixels(df.data("textures\\%s.bmp" % name)).astype(int)
            size = len(pixels)  # square, stretched over the window
            for x0, x1, y0, y1 in SCREENS[name + "Buttons"]:
                top, bottom = math.floor(y0 * size) + 1, math.ceil(y1 * size) - 1
                left, right = math.floor(x0 * size) + 1, math.ceil(x1 * size) - 1
                for grow, fill in ((0, True), (4, False)):  # the rim inside the rectangle, its surroundings beyond it
                    block = pixels[top - grow : bottom + grow, left - grow : right + grow]
                    edge = np.concatenate([block[0], block[-1], block[:, 0], block[:, -1]])
                    self.assertEqual((edge == pixels[top, left]).all(axis=1).all(), fill, (name, y0, grow))
                self.assertGreater(pixels[(top + bottom) // 2, left + 10 : right - 10].std(axis=0).max(), 30, "a label")

    def test_font_cells_of_printable_characters_hold_ink_the_others_none(self):
        alpha, grid = df.pixels(df.data("textures\\font.tga"))[:, :, 3], SCREENS["fontGrid"]
        cell = len(alpha) // grid  # cells row by row from the top, each (cell, cell)
        for glyph, block in enumerate(alpha.reshape(grid, cell, grid, cell).swapaxes(1, 2).reshape(-1, cell, cell)):
            printable = 33 <= glyph % SCREENS["fontGlyphsPerSet"] + SCREENS["fontFirstCharacter"] <= 126
            ink_beyond_the_advance = block[:, int(cell * 0.7) if printable else 0 :].max()
            self.assertEqual((block.max() > 200, ink_beyond_the_advance), (printable, 0), glyph)

    def test_icon_is_a_square_png_with_clear_corners(self):
        data, m = df.data(icon.NAME), icon.SIZE // 2
        alpha = df.pixels(data)[:, :, 3]
        corners_then_body = list(alpha[[0, 0, -1, -1, m, 0, m, -1], [0, -1, 0, -1, 0, m, m, m]])
        self.assertEqual((data[1:4], alpha.shape, corners_then_body), (b"PNG", (icon.SIZE,) * 2, [0] * 4 + [255] * 4))
