# Readers for the generated data, written from the game's loading rules, and
# one generator run shared by the tests.
import functools
import io
import pathlib
import re
import subprocess
import sys
import tempfile

import numpy as np
from PIL import Image

TOOLS = pathlib.Path(__file__).resolve().parents[2] / "tools"


def generate(out):
    subprocess.run([sys.executable, "-m", "assetgen", "--out", out], cwd=TOOLS, check=True)


@functools.cache
def generated():
    out = tempfile.TemporaryDirectory(prefix="assetgen-")  # removed at exit, kept till then by the cache
    generate(out.name)
    return out


def data(name):
    # The bytes of a generated file, named as the game names it ("textures\snow.tga").
    return pathlib.Path(generated().name, *name.split("\\")).read_bytes()


def pixels(data):
    # Decoded by PIL, which reads the stored row order from the header: top row first, RGB(A).
    return np.asarray(Image.open(io.BytesIO(data)))


def read_model(text):
    # Every line a section needs must hold exactly what it needs.
    lines, model = iter(text.split("\n")), {}

    def name(required=True):
        m = re.match(r'"([^"]{0,31})"(.*)', next(lines))
        assert m and (m.group(1) or not required), m
        return m.group(1), m.group(2).split()

    def rows(width, count=None):  # `count` lines (or as many as the next line says) of `width` numbers
        rows = [next(lines).split() for _ in range(int(next(lines)) if count is None else count)]
        assert all(len(row) == width for row in rows), rows
        return np.array(rows, float).reshape(-1, width)

    def mesh():
        (n, (_, mat)), v, normals, t = name(), rows(7), rows(3), rows(8).astype(int)
        return dict(name=n, material=int(mat), positions=v[:, 1:4], normals=normals, bones=v[:, 6], triangles=t[:, 1:7])

    sections = {
        "Meshes": mesh,
        "Materials": lambda: (name(), rows(4, 4), rows(1, 2), name(False)[0], name(False)),
        "Bones": lambda: (name(), name(False), rows(7, 1), rows(4), rows(4)),
    }
    header = re.compile(r"(Frames|Frame|Meshes|Materials|Bones): (\d+)$")
    for key, count in (m.groups() for m in map(header.match, lines) if m):  # sections read from the same lines
        model[key] = [sections[key]() for _ in range(int(count))] if key in sections else int(count)
    return model


# Highest surface of the triangles (T, 3, 3) over each point (x, z); nan where none.
def heights_under(corners, xs, zs):
    a, e1, e2 = corners[:, 0], corners[:, 1] - corners[:, 0], corners[:, 2] - corners[:, 0]
    det = e1[:, 0] * e2[:, 2] - e2[:, 0] * e1[:, 2]
    a, e1, e2, det = (v[np.abs(det) > 1e-9] for v in (a, e1, e2, det))  # no vertical triangles
    dx, dz = np.subtract.outer(xs, a[:, 0]), np.subtract.outer(zs, a[:, 2])  # (points, triangles)
    l1, l2 = (dx * e2[:, 2] - e2[:, 0] * dz) / det, (e1[:, 0] * dz - dx * e1[:, 2]) / det
    inside = (l1 >= -1e-7) & (l2 >= -1e-7) & (l1 + l2 <= 1 + 1e-7)
    y = np.where(inside, a[:, 1] + l1 * e1[:, 1] + l2 * e2[:, 1], -np.inf).max(1)
    return np.where(y > -np.inf, y, np.nan)
