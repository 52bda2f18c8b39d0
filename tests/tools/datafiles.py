"""Readers for the generated data, written from the game's loading rules, and
a shared run of the generator for the tests."""
import os
import re
import struct
import subprocess
import sys
import tempfile

import numpy as np

TOOLS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools")
_generated = None


def generate(out):
    subprocess.run([sys.executable, "-m", "assetgen", "--out", out], cwd=TOOLS, check=True)


def generated():
    """One generated data folder shared by the tests of a run."""
    global _generated
    if _generated is None:
        _generated = tempfile.TemporaryDirectory(prefix="assetgen-")
        generate(_generated.name)
    return _generated.name


def data_path(root, name):
    return os.path.join(root, *name.replace("\\", "/").split("/"))


# --- models -----------------------------------------------------------------
QUOTED = re.compile(r'^"([^"]+)"')


class Model:
    def __init__(self):
        self.frames = self.start_frame = None
        self.meshes, self.materials, self.bones = [], [], []


def _ints(line, count):
    fields = line.split()
    assert len(fields) >= count, line
    return [int(f) for f in fields[:count]]


def _floats(line, count):
    fields = line.split()
    assert len(fields) >= count, line
    return [float(f) for f in fields[:count]]


def _quoted(line, required=True):
    m = QUOTED.match(line)
    assert m or not required, line
    name = m.group(1) if m else ""
    assert len(name) <= 31, name
    return name


def read_model(path):
    """Reads the whole file strictly: any line a section needs that does not
    match fails the read (the game would silently stop there)."""
    with open(path) as f:
        lines = f.read().split("\n")
    it = iter(lines)
    model = Model()
    for line in it:
        if line.startswith("//"):
            continue
        m = re.match(r"^(Frames|Frame|Meshes|Materials|Bones):\s*(-?\d+)", line)
        if not m:
            continue
        key, count = m.group(1), int(m.group(2))
        if key == "Frames":
            model.frames = count
        elif key == "Frame":
            model.start_frame = count
        elif key == "Meshes":
            model.meshes = [_read_mesh(it) for _ in range(count)]
        elif key == "Materials":
            model.materials = [_read_material(it) for _ in range(count)]
        else:
            model.bones = [_read_bone(it) for _ in range(count)]
    return model


def _read_mesh(it):
    header = next(it)
    name = _quoted(header)
    material = int(header[len(name) + 2:].split()[1])
    vertices = [_floats(next(it), 7) for _ in range(_ints(next(it), 1)[0])]
    normals = [_floats(next(it), 3) for _ in range(_ints(next(it), 1)[0])]
    triangles = [_ints(next(it), 8) for _ in range(_ints(next(it), 1)[0])]
    return {"name": name, "material": material, "positions": np.array([v[1:4] for v in vertices]),
            "uv": np.array([v[4:6] for v in vertices]), "bones": np.array([int(v[6]) for v in vertices]),
            "normals": np.array(normals), "triangles": np.array([t[1:7] for t in triangles], dtype=int)}


def _read_material(it):
    name = _quoted(next(it))
    colours = [_floats(next(it), 4) for _ in range(4)]
    _floats(next(it), 1), _floats(next(it), 1)
    texture = _quoted(next(it), required=False)
    _quoted(next(it), required=False)
    return {"name": name, "colours": colours, "texture": texture}


def _read_bone(it):
    name = _quoted(next(it))
    parent = _quoted(next(it), required=False)
    rest = _floats(" ".join(next(it).split()[1:]), 6)
    pkeys = [_floats(next(it), 4) for _ in range(_ints(next(it), 1)[0])]
    rkeys = [_floats(next(it), 4) for _ in range(_ints(next(it), 1)[0])]
    return {"name": name, "parent": parent, "position": rest[:3], "rotation": rest[3:],
            "position_keys": pkeys, "rotation_keys": rkeys}


def triangle_corners(mesh):
    """(T, 3, 3) corner positions as stored."""
    return mesh["positions"][mesh["triangles"][:, :3]]


# --- posing, as the loader does it -------------------------------------------
def _euler(a):
    cr, sr, cp, sp, cy, sy = np.cos(a[0]), np.sin(a[0]), np.cos(a[1]), np.sin(a[1]), np.cos(a[2]), np.sin(a[2])
    return np.array([[cp * cy, sr * sp * cy - cr * sy, cr * sp * cy + sr * sy],
                     [cp * sy, sr * sp * sy + cr * cy, cr * sp * sy - sr * cy],
                     [-sp, sr * cp, cr * cp]])


def _affine(rotation, translation):
    m = np.eye(4)
    m[:3, :3] = _euler(rotation)
    m[:3, 3] = translation
    return m


def _key(keys, t):
    i = 0
    while i < len(keys) - 1 and keys[i][0] < t:
        i += 1
    if i == 0:
        return np.array(keys[0][1:])
    s = (t - keys[i - 1][0]) / (keys[i][0] - keys[i - 1][0])
    return np.array(keys[i - 1][1:]) + (np.array(keys[i][1:]) - np.array(keys[i - 1][1:])) * s


def posed_vertices(model):
    """Every mesh's vertices after binding at rest and posing at the start frame."""
    names = [b["name"].lower() for b in model.bones]
    parents = [names.index(b["parent"].lower()) if b["parent"] else -1 for b in model.bones]
    rest = []
    for b, p in zip(model.bones, parents):
        local = _affine(b["rotation"], b["position"])
        rest.append(rest[p] @ local if p >= 0 else local)
    frame = float(model.start_frame)
    if frame > model.frames:
        frame = 1.0
    posed = []
    for b, p in zip(model.bones, parents):
        keyed = _affine(_key(b["rotation_keys"], frame), _key(b["position_keys"], frame))
        m = _affine(b["rotation"], b["position"]) @ keyed
        posed.append(posed[p] @ m if p >= 0 else m)
    result = []
    for mesh in model.meshes:
        out = mesh["positions"].copy()
        for k, bone in enumerate(mesh["bones"]):
            if bone >= 0:
                local = np.linalg.inv(rest[bone]) @ np.append(out[k], 1.0)
                out[k] = (posed[bone] @ local)[:3]
        result.append(out)
    return result


# --- ground --------------------------------------------------------------------
def heights_under(corners, xs, zs):
    """Highest surface of the triangles over each point (x, z); nan where none."""
    a, b, c = corners[:, 0], corners[:, 1], corners[:, 2]
    det = (b[:, 0] - a[:, 0]) * (c[:, 2] - a[:, 2]) - (c[:, 0] - a[:, 0]) * (b[:, 2] - a[:, 2])
    ok = np.abs(det) > 1e-9
    a, b, c, det = a[ok], b[ok], c[ok], det[ok]
    out = np.full(len(xs), np.nan)
    for k, (x, z) in enumerate(zip(xs, zs)):
        l1 = ((x - a[:, 0]) * (c[:, 2] - a[:, 2]) - (c[:, 0] - a[:, 0]) * (z - a[:, 2])) / det
        l2 = ((b[:, 0] - a[:, 0]) * (z - a[:, 2]) - (x - a[:, 0]) * (b[:, 2] - a[:, 2])) / det
        inside = (l1 >= -1e-7) & (l2 >= -1e-7) & (l1 + l2 <= 1 + 1e-7)
        if inside.any():
            y = a[inside, 1] + l1[inside] * (b[inside, 1] - a[inside, 1]) + l2[inside] * (c[inside, 1] - a[inside, 1])
            out[k] = y.max()
    return out


# --- pictures ------------------------------------------------------------------
def _bytes(path):
    with open(path, "rb") as f:
        return f.read()


def read_bmp(path):
    data = _bytes(path)
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    (hsize, width, height, planes, bits, compression, image_size) = struct.unpack_from("<IiiHHII", data, 14)
    info = {"magic": magic, "file_size": size, "length": len(data), "offset": offset, "width": width,
            "height": height, "bits": bits, "compression": compression, "image_size": image_size}
    rows = np.frombuffer(data[offset:offset + image_size], np.uint8)
    pixels = rows.reshape(abs(height), width, 3)[::-1, :, ::-1] if image_size == abs(height) * width * 3 else None
    return info, pixels


def read_tga(path):
    """Header and top-row-first pixels of a type 2 or 10 TGA, decoding
    run-length packets the way the material loader does."""
    data = _bytes(path)
    kind, width, height, bits, descriptor = data[2], *struct.unpack_from("<HH", data, 12), data[16], data[17]
    header = {"id_length": data[0], "colour_map": data[1], "type": kind, "width": width, "height": height,
              "bits": bits, "descriptor": descriptor, "prefix": data[:12]}
    bpp = bits // 8
    count = width * height
    if kind == 2:
        body = np.frombuffer(data[18:18 + count * bpp], np.uint8)
        assert len(body) == count * bpp, "short pixel data"
        header["trailing"] = len(data) - 18 - count * bpp
    else:
        out, pos = bytearray(), 18
        while len(out) < count * bpp:
            h = data[pos]
            pos += 1
            n = (h & 0x7F) + 1
            assert len(out) + n * bpp <= count * bpp, "packet runs past the last pixel"
            if h < 128:
                out += data[pos:pos + n * bpp]
                pos += n * bpp
            else:
                out += data[pos:pos + bpp] * n
                pos += bpp
        header["trailing"] = len(data) - pos
        body = np.frombuffer(bytes(out), np.uint8)
    pixels = body.reshape(height, width, bpp)[::-1].copy()
    pixels[:, :, :3] = pixels[:, :, 2::-1]
    return header, pixels
