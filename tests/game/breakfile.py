"""Breaks a picture file in place, the ways a damaged data folder does.

    breakfile.py KIND FILE    KIND: short, magic, huge or empty
"""
import struct
import sys


def broken(kind, data, name):
    if kind == "short":
        return data[:max(len(data) // 3, 1)]
    if kind == "empty":
        return b""
    out = bytearray(data)
    bmp = name.lower().endswith(".bmp")
    if kind == "magic":
        if bmp:
            out[0:2] = b"XZ"
        else:
            out[2] = 77   # no TGA image type
        return bytes(out)
    if kind == "huge":
        if bmp:
            struct.pack_into("<ii", out, 18, 0x7FFFFFFF, 0x7FFFFFFF)
        else:
            struct.pack_into("<HH", out, 12, 0xFFFF, 0xFFFF)
        return bytes(out)
    raise SystemExit("breakfile: unknown kind " + kind)


def main(argv):
    kind, path = argv
    with open(path, "rb") as f:
        data = f.read()
    with open(path, "wb") as f:
        f.write(broken(kind, data, path))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
