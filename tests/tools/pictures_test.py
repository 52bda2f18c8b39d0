# The generated pictures: BMPs the game's reader takes at sizes it can mipmap,
# buttons where the game looks for them, a complete font.
import math
import unittest

import numpy as np

import datafiles as df

MIPMAPPED = ["left", "front", "right", "back", "top", "bottom", "dapplecrux", "brolunt", "wornel", "krenn",
             "ulmar", "qvl_banner", "menu", "help"]
BUTTONS = {"menu": [(0.195, 0.446, 0.425, 0.549), (0.195, 0.446, 0.573, 0.695), (0.195, 0.446, 0.767, 0.89)],
           "help": [(0.195, 0.446, 0.767, 0.89)]}


def bmp(name):
    return df.read_bmp(df.data("textures\\%s.bmp" % name))


def border(block):
    return np.concatenate([block[0], block[-1], block[:, 0], block[:, -1]])


class PictureTest(unittest.TestCase):
    def test_every_bmp_is_plain_24_bit_without_row_padding(self):
        for name in MIPMAPPED + ["particle1"]:
            with self.subTest(name):
                info, _ = bmp(name)
                w, h = info["width"], info["height"]
                self.assertEqual((info["magic"], info["bits"], info["compression"]), (b"BM", 24, 0))
                self.assertTrue(h > 0 and w * 3 % 4 == 0, "bottom-up rows without padding")
                self.assertEqual((info["image_size"], info["file_size"], info["length"] - info["offset"]),
                                 (w * h * 3, info["length"], w * h * 3))
                self.assertTrue(name not in MIPMAPPED or w & (w - 1) == h & (h - 1) == 0, "power-of-two sides")

    def test_buttons_fill_their_rectangles_exactly(self):
        for name, rects in BUTTONS.items():
            pixels = bmp(name)[1].astype(int)
            h, w = pixels.shape[:2]
            for x0, x1, y0, y1 in rects:
                top, bottom = math.floor(y0 * h) + 1, math.ceil(y1 * h) - 1
                left, right = math.floor(x0 * w) + 1, math.ceil(x1 * w) - 1
                inside, beyond = pixels[top:bottom, left:right], pixels[top - 4:bottom + 4, left - 4:right + 4]
                self.assertTrue((border(inside) == inside[1, 1]).all(), ("the button fills its rectangle", name, y0))
                self.assertFalse((border(beyond) == inside[1, 1]).all(axis=1).any(), ("and nothing beyond", name, y0))
                self.assertGreater(inside[len(inside) // 2, 10:-10].std(axis=0).max(), 30, "a label")

    def test_font_cells_of_printable_characters_hold_ink_the_others_none(self):
        header, pixels = df.read_tga(df.data("textures\\font.tga"))
        size, alpha = header["width"], pixels[:, :, 3]
        self.assertEqual((header["type"], header["bits"], header["height"], header["trailing"]), (2, 32, size, 0))
        self.assertEqual((size & (size - 1), header["descriptor"] & 0x20), (0, 0), "rows stored bottom first")
        cell = size // 16
        for glyph in range(256):
            block = alpha[glyph // 16 * cell:(glyph // 16 + 1) * cell, glyph % 16 * cell:(glyph % 16 + 1) * cell]
            printable = 1 <= glyph % 128 <= 94   # codes 33 to 126 of either set
            self.assertEqual(block.max() > 200, printable, glyph)
            ink_beyond_the_advance = (block[:, int(cell * 0.7):] if printable else block).max()
            self.assertEqual(ink_beyond_the_advance, 0, glyph)
        self.assertTrue((pixels[alpha > 0][:, :3] == 255).all(), "white glyphs")
