# The generated pictures: BMPs the game's reader takes at sizes it can mipmap,
# buttons where the game looks for them, a complete font, a sky and ground
# that stand being magnified or minified.
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


# Sky walls round the box, each meeting the next with its right edge; the
# game draws each picture from 0.01 to 0.99 of its width and height.
SKY_WALLS = ["left", "front", "right", "back"]


def at(pixels, s, axis=1):
    """The picture's rows (axis 1) or columns (axis 0) at texture coordinate
    s, blended from the two nearest texels as GL_LINEAR does."""
    x = s * pixels.shape[axis] - 0.5
    i = int(x)
    return np.take(pixels, i, axis) * (i + 1 - x) + np.take(pixels, i + 1, axis) * (x - i)


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


class MagnifiedTest(unittest.TestCase):
    def test_sky_walls_meet_each_other_and_the_ceiling_without_a_seam(self):
        walls = [bmp(name)[1].astype(float) for name in SKY_WALLS]
        for k, name in enumerate(SKY_WALLS):
            gap = np.abs(at(walls[k], 0.99) - at(walls[(k + 1) % 4], 0.01)).max(axis=1)
            self.assertLess(gap.mean(), 1.5, name)
        tops = np.concatenate([at(w[::-1], 0.99, axis=0) for w in walls])
        ceiling = bmp("top")[1].astype(float)
        rim = np.concatenate([at(ceiling, s, axis) for s in (0.01, 0.99) for axis in (0, 1)])
        self.assertLess(np.abs(rim - tops.mean(axis=0)).max(), 3.0, "the ceiling's rim is the walls' top colour")
        self.assertLess(np.ptp(tops, axis=0).max(), 3.0)

    def test_sky_walls_have_smooth_skylines_and_no_texel_sized_detail(self):
        # Magnified several times on screen, texel-sized detail shows as
        # blocks and a hard skyline as steps.
        for name in SKY_WALLS:
            light = bmp(name)[1].astype(float).mean(axis=2)
            bend = np.maximum(np.abs(np.diff(light, 2, axis=1))[1:-1], np.abs(np.diff(light, 2, axis=0))[:, 1:-1])
            self.assertLess((bend > 4).mean(), 0.05, name)
            # Down each column to the first edge: a hard one is all crossed
            # between two rows, an anti-aliased one in parts.
            step, columns = np.abs(np.diff(light, axis=0)), np.arange(light.shape[1])
            edge = np.argmax(step > 3, axis=0)
            whole = np.abs(light[np.minimum(edge + 3, len(light) - 1), columns] - light[edge, columns])
            self.assertLess(np.median(step[edge, columns][whole > 20] / whole[whole > 20]), 0.7, name)

    def test_ground_textures_hold_nothing_finer_than_sixteen_texels(self):
        # Minified without mipmaps, finer detail bands or shimmers on the far slopes.
        for name in ("snow", "piste", "kicker"):
            light = df.read_tga(df.data("textures\\%s.tga" % name))[1][:, :, :3].astype(float).mean(axis=2)
            fy, fx = np.meshgrid(*(np.abs(np.fft.fftfreq(n)) for n in light.shape), indexing="ij")
            fine = np.abs(np.fft.fft2(light))[np.maximum(fx, fy) > 1 / 16] / light.size
            self.assertLess(np.sqrt((fine ** 2).sum()), 0.5, name)
