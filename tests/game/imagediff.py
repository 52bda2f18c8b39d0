"""Compares a picture of the game with its reference within a tolerance. When
they differ it writes the picture and a difference image (the reference in
grey, the changed pixels red) into a folder, for the developer to open.

    imagediff.py PICTURE REFERENCE FOLDER      exit status 1 when they differ
"""
import os
import shutil
import sys

import numpy as np
from PIL import Image

# A pixel has changed when one of its channels moves by more than LEVEL (of
# 255); a picture passes with at most SHARE of its pixels changed (16 of a
# 320x256 frame). llvmpipe draws the golden frames to the bit from run to run,
# on one thread or many; even Mesa's other software renderer, softpipe, stays
# within this on the menu, help, start and lip frames.
LEVEL = 32
SHARE = 0.0002

if __name__ == "__main__":
    picture, reference, folder = sys.argv[1:4]
    got, want = (np.asarray(Image.open(path).convert("RGB"), dtype=np.int16) for path in (picture, reference))
    name = os.path.splitext(os.path.basename(reference))[0]
    changed = np.abs(got - want).max(axis=2) > LEVEL
    if changed.mean() > SHARE:
        os.makedirs(folder, exist_ok=True)
        shutil.copy(picture, os.path.join(folder, name + ".png"))
        diff = np.where(changed[..., None], [255, 0, 0], want.mean(axis=2, keepdims=True) // 2)
        Image.fromarray(diff.astype(np.uint8)).save(os.path.join(folder, name + "-diff.png"))
        sys.exit("FAIL: %s: %.2f %% of the pixels changed (%s)" % (name, 100 * changed.mean(), folder))
