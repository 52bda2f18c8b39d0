"""The generator itself: the writers' byte formats, and the same bytes on
every run."""
import filecmp
import os
import struct
import sys
import tempfile
import unittest

import numpy as np

import datafiles as df

sys.path.insert(0, df.TOOLS)
from assetgen import imagefile, milkshape  # noqa: E402


class WriterTest(unittest.TestCase):
    def round_trip(self, pixels, rle):
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "t.tga")
            imagefile.write(path, imagefile.tga_bytes(pixels, rle=rle))
            header, back = df.read_tga(path)
        self.assertEqual(header["trailing"], 0)
        self.assertEqual(header["type"], 10 if rle else 2)
        np.testing.assert_array_equal(back, pixels)

    def test_tga_round_trips_raw_and_run_length(self):
        rng = np.random.RandomState(3)
        noisy = rng.randint(0, 256, (5, 300, 4)).astype(np.uint8)
        runs = np.zeros((4, 300, 3), np.uint8)
        runs[:, 100:250] = (10, 20, 30)     # a run longer than one packet
        runs[1, ::2] = (200, 100, 50)       # alternating raw pixels
        runs[3, 299] = (1, 2, 3)            # a lone pixel at a row's end
        for pixels in (noisy, runs):
            for rle in (False, True):
                self.round_trip(pixels, rle)

    def test_run_length_packets_are_smaller_for_flat_pictures(self):
        flat = np.full((64, 64, 3), 77, np.uint8)
        self.assertLess(len(imagefile.tga_bytes(flat, rle=True)), len(imagefile.tga_bytes(flat)) // 20)

    def test_bmp_refuses_rows_that_need_padding(self):
        with self.assertRaises(ValueError):
            imagefile.bmp_bytes(np.zeros((4, 6, 3), np.uint8))
        data = imagefile.bmp_bytes(np.zeros((2, 4, 3), np.uint8))
        self.assertEqual(struct.unpack_from("<I", data, 34)[0], 2 * 4 * 3)

    def test_names_beyond_the_loaders_buffer_are_refused(self):
        mat = milkshape.Material(name="m", texture="textures\\" + "x" * 30 + ".tga")
        with self.assertRaises(ValueError):
            milkshape.text(milkshape.Model(meshes=[], materials=[mat]))
        self.assertEqual(milkshape.number(-0.0000001), "0.000000")


class RepeatabilityTest(unittest.TestCase):
    def test_two_runs_write_the_same_bytes(self):
        with tempfile.TemporaryDirectory() as a, tempfile.TemporaryDirectory() as b:
            df.generate(a)
            df.generate(b)
            for folder in ("models", "textures"):
                names = sorted(os.listdir(os.path.join(a, folder)))
                self.assertEqual(names, sorted(os.listdir(os.path.join(b, folder))))
                match, mismatch, errors = filecmp.cmpfiles(os.path.join(a, folder), os.path.join(b, folder),
                                                           names, shallow=False)
                self.assertEqual((mismatch, errors), ([], []))
            self.assertEqual(len(os.listdir(os.path.join(a, "models"))), 4)


if __name__ == "__main__":
    unittest.main()
