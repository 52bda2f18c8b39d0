"""The desktop icon: written beside the data by the generator, a square RGBA
PNG with see-through rounded corners, a picture rather than a flat fill,
and the same bytes every time."""
import os
import sys
import unittest

import numpy as np
from PIL import Image

import datafiles as df

sys.path.insert(0, df.TOOLS)
from assetgen import icon  # noqa: E402


class IconTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.path = os.path.join(df.generated(), "quorvel.png")

    def test_the_generator_writes_a_square_rgba_png_beside_the_data(self):
        self.assertTrue(os.path.isfile(self.path))
        with Image.open(self.path) as image:
            self.assertEqual(image.format, "PNG")
            self.assertEqual(image.mode, "RGBA")
            self.assertEqual(image.size, (icon.SIZE, icon.SIZE))
        self.assertNotIn("quorvel.png", os.listdir(os.path.join(df.generated(), "textures")))

    def test_corners_are_clear_and_the_body_opaque(self):
        pixels = np.asarray(Image.open(self.path))
        n = icon.SIZE
        for y, x in ((0, 0), (0, n - 1), (n - 1, 0), (n - 1, n - 1)):
            self.assertEqual(pixels[y, x, 3], 0, (y, x))
        for y, x in ((n // 2, 0), (0, n // 2), (n // 2, n // 2), (n - 1, n // 2)):
            self.assertEqual(pixels[y, x, 3], 255, (y, x))

    def test_it_shows_a_dark_sky_over_bright_snow(self):
        pixels = np.asarray(Image.open(self.path)).astype(float)
        n = icon.SIZE
        sky = pixels[n // 10, n // 2, :3]
        snow = pixels[n - n // 10, n // 2, :3]
        self.assertGreater(sky[2], sky[0] + 40, "the sky is blue")
        self.assertGreater(snow.min(), 200, "the snow is bright")
        self.assertGreater(len(np.unique(pixels[:, :, :3].reshape(-1, 3), axis=0)), 50, "not a flat fill")

    def test_same_bytes_every_time(self):
        with open(self.path, "rb") as f:
            self.assertEqual(f.read(), icon.png_bytes())


if __name__ == "__main__":
    unittest.main()
