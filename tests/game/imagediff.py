"""Compares a picture of the game with its reference within a tolerance. When
they differ it writes the picture and a difference image (the reference in
grey, the changed pixels red) into a folder, for the developer to open.

    imagediff.py PICTURE REFERENCE FOLDER      exit status 1 when they differ
"""
import os
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


def load(path):
    return np.asarray(Image.open(path).convert("RGB"), dtype=np.int16)


def changed(got, want):
    """Per pixel, whether it has changed; None when the sizes differ."""
    return np.abs(got - want).max(axis=2) > LEVEL if got.shape == want.shape else None


def compare(picture, reference, folder):
    """What is wrong with PICTURE against REFERENCE (the files written), or None."""
    got, want = load(picture), load(reference)
    mask = changed(got, want)
    if mask is not None and mask.mean() <= SHARE:
        return None
    name = os.path.splitext(os.path.basename(reference))[0]
    os.makedirs(folder, exist_ok=True)
    Image.fromarray(got.astype(np.uint8)).save(os.path.join(folder, name + ".png"))
    if mask is None:
        return "%s is %dx%d, its reference %dx%d" % ((name,) + got.shape[1::-1] + want.shape[1::-1])
    diff = np.where(mask[..., None], [255, 0, 0], want.mean(axis=2, keepdims=True) // 2)
    Image.fromarray(diff.astype(np.uint8)).save(os.path.join(folder, name + "-diff.png"))
    return "%s: %.2f %% of the pixels changed, at most %.2f %% may (%s/%s-diff.png)" % (
        name,
        100 * mask.mean(),
        100 * SHARE,
        folder,
        name,
    )


if __name__ == "__main__":
    verdict = compare(*sys.argv[1:4])
    sys.exit(verdict and "FAIL: " + verdict)
