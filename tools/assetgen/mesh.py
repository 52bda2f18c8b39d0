"""A small mesh builder: vertices with texture coordinates and a bone,
shared normals, triangles, and the shapes the models are made of.

Every face is given with the direction it should face; the builder winds its
triangles counter-clockwise as seen from that side, which is the side the
game draws.
"""
import math

import numpy as np


def _sub(a, b):
    return (a[0] - b[0], a[1] - b[1], a[2] - b[2])


def cross(a, b):
    return (a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0])


def dot(a, b):
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]


def unit(v):
    length = math.sqrt(dot(v, v))
    return (v[0] / length, v[1] / length, v[2] / length) if length else (0.0, 1.0, 0.0)


def facing(p0, p1, p2):
    """The direction a triangle faces when wound p0, p1, p2."""
    return cross(_sub(p1, p0), _sub(p2, p0))


class Mesh:
    def __init__(self, name, material):
        self.name = name
        self.material = material
        self.vertices = []  # (x, y, z, u, v, bone)
        self.normals = []
        self.triangles = []  # (v0, v1, v2, n0, n1, n2)
        self._normal_index = {}

    def vertex(self, position, uv, bone=-1):
        self.vertices.append(
            (float(position[0]), float(position[1]), float(position[2]), float(uv[0]), float(uv[1]), bone)
        )
        return len(self.vertices) - 1

    def normal(self, n):
        key = tuple(round(c, 6) for c in unit(n))
        if key not in self._normal_index:
            self._normal_index[key] = len(self.normals)
            self.normals.append(key)
        return self._normal_index[key]

    def position(self, index):
        return self.vertices[index][:3]

    def triangle(self, corners, normals, towards):
        """Adds the triangle of three vertex indices, wound to face `towards`."""
        p = [self.position(i) for i in corners]
        if dot(facing(*p), towards) < 0:
            corners = (corners[0], corners[2], corners[1])
            normals = (normals[0], normals[2], normals[1])
        self.triangles.append(tuple(corners) + tuple(normals))

    def polygon(self, points, uvs, towards, bone=-1, normals=None):
        """A convex polygon as a fan; flat-shaded unless normals are given."""
        indices = [self.vertex(p, uv, bone) for p, uv in zip(points, uvs)]
        ns = [self.normal(n) for n in normals] if normals else [self.normal(towards)] * len(points)
        for k in range(1, len(points) - 1):
            self.triangle((indices[0], indices[k], indices[k + 1]), (ns[0], ns[k], ns[k + 1]), towards)

    def box(self, centre, size, bone=-1, uv_scale=1.0):
        """An axis-aligned box; each face's texture spans its own size times uv_scale."""
        cx, cy, cz = centre
        hx, hy, hz = size[0] / 2, size[1] / 2, size[2] / 2
        for axis in range(3):
            for sign in (-1.0, 1.0):
                out = [0.0, 0.0, 0.0]
                out[axis] = sign
                a, b = [i for i in range(3) if i != axis]
                corners, uvs = [], []
                for da, db in ((-1, -1), (1, -1), (1, 1), (-1, 1)):
                    p = [cx, cy, cz]
                    p[axis] += sign * (hx, hy, hz)[axis]
                    p[a] += da * (hx, hy, hz)[a]
                    p[b] += db * (hx, hy, hz)[b]
                    corners.append(tuple(p))
                    uvs.append(((da + 1) / 2 * size[a] * uv_scale, (1 - db) / 2 * size[b] * uv_scale))
                self.polygon(corners, uvs, tuple(out), bone)

    def tube(self, rings, sides, bone=-1, u_range=(0.0, 1.0), v_range=(0.0, 1.0), caps=True):
        """A smooth tube through rings of (centre, radius_x, radius_z) stacked
        along y, with an optional flat cap at each end."""
        count = len(rings)
        grid = []
        for r, (centre, rx, rz) in enumerate(rings):
            row = []
            for s in range(sides + 1):
                a = 2 * math.pi * s / sides
                p = (centre[0] + rx * math.cos(a), centre[1], centre[2] + rz * math.sin(a))
                n = (math.cos(a) / max(rx, 1e-6), 0.0, math.sin(a) / max(rz, 1e-6))
                uv = (
                    u_range[0] + (u_range[1] - u_range[0]) * s / sides,
                    v_range[0] + (v_range[1] - v_range[0]) * r / (count - 1),
                )
                row.append((self.vertex(p, uv, bone), self.normal(n), p))
            grid.append(row)
        for r in range(count - 1):
            for s in range(sides):
                a, b = grid[r][s], grid[r][s + 1]
                c, d = grid[r + 1][s + 1], grid[r + 1][s]
                mid = ((a[2][0] + c[2][0]) / 2, 0.0, (a[2][2] + c[2][2]) / 2)
                centre = rings[r][0]
                out = (mid[0] - centre[0], 0.0, mid[2] - centre[2])
                self.triangle((a[0], b[0], c[0]), (a[1], b[1], c[1]), out)
                self.triangle((a[0], c[0], d[0]), (a[1], c[1], d[1]), out)
        if caps:
            for r, direction in ((0, -1.0), (count - 1, 1.0)):
                centre, rx, rz = rings[r]
                if rx <= 0 and rz <= 0:
                    continue
                points = [grid[r][s][2] for s in range(sides)]
                uvs = [
                    (
                        0.5 + 0.5 * math.cos(2 * math.pi * s / sides) * (u_range[1] - u_range[0]),
                        v_range[0] + 0.5 * math.sin(2 * math.pi * s / sides) * 0.1,
                    )
                    for s in range(sides)
                ]
                self.polygon(points, uvs, (0.0, direction, 0.0), bone)


def grid_normals(heights, xs, zs):
    """Smooth vertex normals of a height grid heights[i][j] at (xs[i], zs[j])."""
    h = np.asarray(heights, dtype=float)
    dx = np.gradient(h, np.asarray(xs, dtype=float), axis=0)
    dz = np.gradient(h, np.asarray(zs, dtype=float), axis=1)
    return -dx, np.ones_like(h), -dz


def cone(mesh, base, radius, height, sides, bone=-1, cap=True):
    """An upright cone standing on `base`, smooth-shaded, with a flat bottom."""
    apex = (base[0], base[1] + height, base[2])
    slant = radius / height
    ring = []
    for s in range(sides + 1):
        a = 2 * math.pi * s / sides
        ring.append(((base[0] + radius * math.cos(a), base[1], base[2] + radius * math.sin(a)), a))
    for s in range(sides):
        (p0, a0), (p1, a1) = ring[s], ring[s + 1]
        mid = (a0 + a1) / 2
        v0 = mesh.vertex(p0, (s / sides, 1.0), bone)
        v1 = mesh.vertex(p1, ((s + 1) / sides, 1.0), bone)
        top = mesh.vertex(apex, ((s + 0.5) / sides, 0.0), bone)
        n0 = mesh.normal((math.cos(a0), slant, math.sin(a0)))
        n1 = mesh.normal((math.cos(a1), slant, math.sin(a1)))
        nt = mesh.normal((math.cos(mid), slant, math.sin(mid)))
        mesh.triangle((v0, v1, top), (n0, n1, nt), (math.cos(mid), slant, math.sin(mid)))
    if cap:
        points = [p for p, _ in ring[:sides]]
        uvs = [(0.5 + 0.5 * math.cos(a), 0.5 + 0.5 * math.sin(a)) for _, a in ring[:sides]]
        mesh.polygon(points, uvs, (0.0, -1.0, 0.0), bone)
