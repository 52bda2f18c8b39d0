"""Picture writers: 24-bit BMP and 24/32-bit TGA (raw or run-length encoded).

Pictures come in as numpy arrays of shape (height, width, channels), uint8,
row 0 at the top, channels red-green-blue(-alpha). Both formats are written
bottom row first, which is the row order the game uploads to OpenGL.
"""
import struct

import numpy as np


def is_power_of_two(n):
    return n > 0 and n & (n - 1) == 0


def bmp_bytes(rgb):
    height, width, channels = rgb.shape
    if channels != 3 or rgb.dtype != np.uint8:
        raise ValueError("BMP pictures are 8-bit RGB")
    if (width * 3) % 4:
        raise ValueError("BMP rows must need no padding: width*3 a multiple of 4")
    data = np.ascontiguousarray(rgb[::-1, :, ::-1]).tobytes()
    offset = 14 + 40
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + data


def _rle_rows(pixels, bytes_per_pixel):
    """Run-length packets over the pixel stream, each packet within one row."""
    height, width = pixels.shape[:2]
    out = bytearray()
    for row in pixels:
        flat = row.reshape(width, bytes_per_pixel)
        keys = [bytes(p) for p in flat]
        i = 0
        while i < width:
            run = 1
            while i + run < width and run < 128 and keys[i + run] == keys[i]:
                run += 1
            if run > 1:
                out.append(0x80 | (run - 1))
                out += keys[i]
                i += run
                continue
            start = i
            i += 1
            while i < width and i - start < 128 and (i + 1 >= width or keys[i] != keys[i + 1]):
                i += 1
            out.append(i - start - 1)
            for k in keys[start:i]:
                out += k
    return bytes(out)


def tga_bytes(pixels, rle=False):
    height, width, channels = pixels.shape
    if channels not in (3, 4) or pixels.dtype != np.uint8:
        raise ValueError("TGA pictures are 8-bit RGB or RGBA")
    if not (0 < width < 32768 and 0 < height < 32768):
        raise ValueError("TGA sizes must fit a signed 16-bit number")
    stored = np.ascontiguousarray(pixels[::-1])
    stored[:, :, :3] = stored[:, :, 2::-1]
    bits = channels * 8
    alpha_bits = 8 if channels == 4 else 0
    header = struct.pack("<BBBHHBHHHHBB", 0, 0, 10 if rle else 2, 0, 0, 0, 0, 0, width, height, bits, alpha_bits)
    body = _rle_rows(stored, channels) if rle else stored.tobytes()
    return header + body


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)
