"""The generated pictures: formats the game's readers take, sizes it can
mipmap, buttons where the game looks for them, a complete font."""
import math
import os
import unittest

import numpy as np

import datafiles as df

SKYBOX = ["left", "front", "right", "back", "top", "bottom"]
BANNERS = ["dapplecrux", "brolunt", "wornel", "krenn", "ulmar", "qvl_banner"]
MENU = [(0.195, 0.446, 0.425, 0.549), (0.195, 0.446, 0.573, 0.695), (0.195, 0.446, 0.767, 0.89)]
HELP = [(0.195, 0.446, 0.767, 0.89)]


def setUpModule():
    global DATA
    DATA = df.generated()


def bmp(name):
    return df.read_bmp(os.path.join(DATA, "textures", name + ".bmp"))


def power_of_two(n):
    return n > 0 and n & (n - 1) == 0


class BmpTest(unittest.TestCase):
    def test_every_bmp_is_plain_24_bit_without_row_padding(self):
        for name in SKYBOX + BANNERS + ["particle1", "menu", "help"]:
            with self.subTest(name):
                info, pixels = bmp(name)
                self.assertEqual(info["magic"], b"BM")
                self.assertEqual((info["bits"], info["compression"]), (24, 0))
                self.assertGreater(info["height"], 0, "bottom-up rows")
                self.assertEqual(info["width"] * 3 % 4, 0)
                self.assertEqual(info["image_size"], info["width"] * info["height"] * 3)
                self.assertEqual(info["length"], info["offset"] + info["image_size"])
                self.assertEqual(info["file_size"], info["length"])
                if name != "particle1":   # the others are mipmapped
                    self.assertTrue(power_of_two(info["width"]) and power_of_two(info["height"]))

    def test_skybox_walls_meet_without_a_jump(self):
        walls = [bmp(n)[1].astype(float) for n in ("left", "front", "right", "back")]
        for k, wall in enumerate(walls):
            after = walls[(k + 1) % 4]
            w = wall.shape[1]
            # The textures are drawn from s = 0.01 to 0.99.
            seam = np.abs(wall[:, int(0.99 * w) - 1] - after[:, int(0.01 * w) + 1]).mean()
            inside = np.abs(wall[:, w // 2] - wall[:, w // 2 + 4]).mean()
            self.assertLess(seam, max(12.0, 2 * inside), k)

    def test_particle_is_a_bright_puff_on_black(self):
        pixels = bmp("particle1")[1].astype(float)
        h, w = pixels.shape[:2]
        self.assertGreater(pixels[h // 2, w // 2].min(), 150)
        self.assertEqual(pixels[0].max(), 0)
        self.assertEqual(pixels[:, 0].max(), 0)


class ScreenTest(unittest.TestCase):
    def check_buttons(self, name, rects):
        pixels = bmp(name)[1].astype(int)
        h, w = pixels.shape[:2]
        for x0, x1, y0, y1 in rects:
            rim = pixels[int(y0 * h) + 2, int(x0 * w) + 2]
            inside_x = range(math.floor(x0 * w) + 1, math.ceil(x1 * w) - 1)
            inside_y = range(math.floor(y0 * h) + 1, math.ceil(y1 * h) - 1)
            edge = [pixels[y, x] for y in (inside_y[0], inside_y[-1]) for x in inside_x]
            edge += [pixels[y, x] for x in (inside_x[0], inside_x[-1]) for y in inside_y]
            self.assertTrue(all((p == rim).all() for p in edge), "the button fills its rectangle")
            outside = [pixels[int(y0 * h) - 3, x] for x in inside_x] + [pixels[int(y1 * h) + 3, x] for x in inside_x]
            outside += [pixels[y, int(x0 * w) - 3] for y in inside_y] + [pixels[y, int(x1 * w) + 3] for y in inside_y]
            self.assertFalse(any((p == rim).all() for p in outside), "and nothing beyond it")
            middle = pixels[int((y0 + y1) / 2 * h), inside_x[0] + 10:inside_x[-1] - 10]
            self.assertGreater(middle.std(axis=0).max(), 30, "a label on the button")

    def test_menu_buttons(self):
        self.check_buttons("menu", MENU)

    def test_help_back_button(self):
        self.check_buttons("help", HELP)
        pixels = bmp("help")[1].astype(float)
        self.assertGreater(pixels[200:700].std(), 40, "the help text")


class FontTest(unittest.TestCase):
    def test_glyph_grid(self):
        header, pixels = df.read_tga(os.path.join(DATA, "textures", "font.tga"))
        self.assertEqual((header["type"], header["bits"], header["width"], header["height"]), (2, 32, 512, 512))
        self.assertEqual(header["descriptor"] & 0x20, 0, "rows stored bottom first")
        alpha = pixels[:, :, 3]
        cell = 32
        for glyph in range(256):
            row, column = divmod(glyph, 16)
            block = alpha[row * cell:(row + 1) * cell, column * cell:(column + 1) * cell]
            code = glyph % 128 + 32
            with self.subTest(glyph=glyph):
                if glyph % 128 < 96 and 33 <= code <= 126:
                    self.assertGreater(block.max(), 200, chr(code))
                    self.assertEqual(block[:, int(cell * 0.7):].max(), 0, "ink within the pen's advance")
                else:
                    self.assertEqual(block.max(), 0)
        ink = alpha > 0
        self.assertTrue((pixels[ink][:, :3] == 255).all(), "white glyphs")
        # Row 2 of set 0 begins with "@A": "A" is glyph 33.
        a_cell = alpha[2 * cell:3 * cell, 1 * cell:2 * cell]
        at_cell = alpha[2 * cell:3 * cell, 0:cell]
        self.assertFalse((a_cell == at_cell).all())


if __name__ == "__main__":
    unittest.main()
