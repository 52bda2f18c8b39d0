# Readers for the generated data, written from the game's loading rules, and
# one generator run shared by the tests.
import pathlib
import re
import struct
import subprocess
import sys
import tempfile

import numpy as np

TOOLS = pathlib.Path(__file__).resolve().parents[2] / "tools"
_generated = None


def generate(out):
    subprocess.run([sys.executable, "-m", "assetgen", "--out", out], cwd=TOOLS, check=True)


def generated():
    global _generated
    if _generated is None:
        _generated = tempfile.TemporaryDirectory(prefix="assetgen-")
        generate(_generated.name)
    return _generated.name


def data(name):
    # The bytes of a generated file, named as the game names it ("textures\snow.tga").
    return pathlib.Path(generated(), *name.split("\\")).read_bytes()


# Models: every line a section needs must hold exactly what it needs.
def _quoted(line, required=True):
    m = re.match(r'"([^"]{0,31})"', line)
    assert m and (m.group(1) or not required), line
    return m.group(1), line[m.end():].split()


def _rows(lines, width, count=None):
    # `count` lines (or as many as the next line says) of `width` numbers each.
    rows = [next(lines).split() for _ in range(int(next(lines)) if count is None else count)]
    assert all(len(row) == width for row in rows), rows
    return np.array(rows, float).reshape(-1, width)


def _mesh(lines):
    (name, (_, material)), vertices = _quoted(next(lines)), _rows(lines, 7)
    normals, triangles = _rows(lines, 3), _rows(lines, 8).astype(int)
    return {"name": name, "material": int(material), "positions": vertices[:, 1:4], "normals": normals,
            "bones": vertices[:, 6].astype(int), "triangles": triangles[:, 1:7]}


def _material(lines):
    name, _, _ = _quoted(next(lines))[0], _rows(lines, 4, 4), _rows(lines, 1, 2)
    return {"name": name, "texture": _quoted(next(lines), False)[0], "alpha": _quoted(next(lines), False)[0]}


def _bone(lines):
    bone = {"name": _quoted(next(lines))[0], "parent": _quoted(next(lines), False)[0], "rest": _rows(lines, 7, 1)}
    return dict(bone, position_keys=_rows(lines, 4), rotation_keys=_rows(lines, 4))


HEADER = re.compile(r"(Frames|Frame|Meshes|Materials|Bones): (\d+)$")
SECTIONS = {"Meshes": _mesh, "Materials": _material, "Bones": _bone}


def read_model(text):
    lines, model = iter(text.split("\n")), {}
    for key, count in (m.groups() for m in map(HEADER.match, lines) if m):   # sections read from the same lines
        model[key] = [SECTIONS[key](lines) for _ in range(int(count))] if key in SECTIONS else int(count)
    return model


# Highest surface of the triangles (T, 3, 3) over each point (x, z); nan where none.
def heights_under(corners, xs, zs):
    a, e1, e2 = corners[:, 0], corners[:, 1] - corners[:, 0], corners[:, 2] - corners[:, 0]
    det = e1[:, 0] * e2[:, 2] - e2[:, 0] * e1[:, 2]
    keep = np.abs(det) > 1e-9
    a, e1, e2, det = a[keep], e1[keep], e2[keep], det[keep]
    dx, dz = np.subtract.outer(xs, a[:, 0]), np.subtract.outer(zs, a[:, 2])   # (points, triangles)
    l1, l2 = (dx * e2[:, 2] - e2[:, 0] * dz) / det, (e1[:, 0] * dz - dx * e1[:, 2]) / det
    inside = (l1 >= -1e-7) & (l2 >= -1e-7) & (l1 + l2 <= 1 + 1e-7)
    y = np.where(inside, a[:, 1] + l1 * e1[:, 1] + l2 * e2[:, 1], -np.inf).max(1)
    return np.where(y > -np.inf, y, np.nan)


# Pictures: header fields, and pixels top row first in RGB(A) order.
BMP_FIELDS = "magic file_size offset width height planes bits compression image_size".split()


def read_bmp(data):
    info = dict(zip(BMP_FIELDS, struct.unpack_from("<2sI4xI4xiiHHII", data)), length=len(data))
    rows = np.frombuffer(data, np.uint8, info["width"] * info["height"] * 3, info["offset"])
    return info, rows.reshape(info["height"], info["width"], 3)[::-1, :, ::-1]


def read_tga(data):
    # A type 2 or 10 TGA, run-length packets decoded as the material loader does.
    width, height = struct.unpack_from("<HH", data, 12)
    header = dict(prefix=data[:12], type=data[2], width=width, height=height, bits=data[16], descriptor=data[17])
    bpp, size = data[16] // 8, width * height * data[16] // 8
    body, pos = bytearray(data[18:18 + size] if data[2] == 2 else b""), 18 + (size if data[2] == 2 else 0)
    while data[2] == 10 and len(body) < size:
        n, raw = (data[pos] & 0x7F) + 1, data[pos] < 128
        assert len(body) + n * bpp <= size, "packet runs past the last pixel"
        body += data[pos + 1:pos + 1 + n * bpp] if raw else data[pos + 1:pos + 1 + bpp] * n
        pos += 1 + (n if raw else 1) * bpp
    header["trailing"] = len(data) - pos
    pixels = np.frombuffer(bytes(body), np.uint8).reshape(height, width, bpp)[::-1].copy()
    pixels[:, :, :3] = pixels[:, :, 2::-1]
    return header, pixels
