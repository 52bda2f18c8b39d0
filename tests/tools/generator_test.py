# The generator: the same bytes on every run, run-length TGA packets that
# decode to the picture, and the desktop icon it writes beside the data.
import pathlib
import tempfile
import unittest

import numpy as np
from PIL import Image

import datafiles as df
from assetgen import icon, imagefile


def files(root):
    return {str(p.relative_to(root)): p.read_bytes() for p in pathlib.Path(root).rglob("*") if p.is_file()}


class GeneratorTest(unittest.TestCase):
    def test_two_runs_write_the_same_bytes(self):
        with tempfile.TemporaryDirectory() as again:
            df.generate(again)
            first, second = files(df.generated()), files(again)
        self.assertEqual(sorted(first), sorted(second))
        self.assertEqual([name for name in first if first[name] != second[name]], [])

    def test_tga_packets_decode_to_the_picture(self):
        pixels = np.zeros((4, 300, 4), np.uint8)
        pixels[:, 100:250] = (10, 20, 30, 40)   # a run longer than one packet
        pixels[1, ::2] = (200, 100, 50, 255)    # alternating: raw packets longer than one packet
        pixels[3, 299] = (1, 2, 3, 4)           # a lone pixel at a row's end
        for rle in (False, True):
            header, back = df.read_tga(imagefile.tga_bytes(pixels, rle=rle))
            self.assertEqual((header["type"], header["trailing"]), (10 if rle else 2, 0))
            self.assertTrue((back == pixels).all(), rle)


class IconTest(unittest.TestCase):
    def test_square_png_with_clear_corners_showing_sky_over_snow(self):
        with Image.open(pathlib.Path(df.generated(), "quorvel.png")) as image:
            self.assertEqual((image.format, image.mode, image.size), ("PNG", "RGBA", (icon.SIZE, icon.SIZE)))
            pixels = np.asarray(image).astype(int)
        n, m = icon.SIZE - 1, icon.SIZE // 2
        alpha = [pixels[y, x, 3] for y, x in ((0, 0), (0, n), (n, 0), (n, n), (m, 0), (0, m), (m, m), (n, m))]
        self.assertEqual(alpha, [0] * 4 + [255] * 4, "see-through rounded corners, an opaque body")
        sky, snow = pixels[icon.SIZE // 10, m, :3], pixels[n + 1 - icon.SIZE // 10, m, :3]
        self.assertTrue(sky[2] > sky[0] + 40 and snow.min() > 200, "a blue sky over bright snow")
        self.assertGreater(len(np.unique(pixels[:, :, :3].reshape(-1, 3), axis=0)), 50, "not a flat fill")
