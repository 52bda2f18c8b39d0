"""Turns cells of the terrain grid into triangles, facing up."""
from .mesh import Mesh, grid_normals

UP = (0.0, 1.0, 0.0)


class GridMesher:
    """Builds meshes from chosen cells of a height grid; vertices are shared
    inside one mesh, and each cell is split along the diagonal that follows
    the ground best. texture_size is the ground's extent, in units, of one
    repeat of the material's texture."""

    def __init__(self, xs, zs, heights, texture_size=8.0):
        self.xs, self.zs, self.h = xs, zs, heights
        nx, ny, nz = grid_normals(heights, xs, zs)
        self.n = (nx, ny, nz)
        self.texture_size = texture_size

    def point(self, corner):
        i, j = corner
        return (self.xs[i], self.h[i][j], self.zs[j])

    def normal(self, corner):
        i, j = corner
        return (self.n[0][i][j], self.n[1][i][j], self.n[2][i][j])

    def triangles(self, cells):
        """The two triangles of each cell, as grid corners (i, j)."""
        for i, j in cells:
            a, b, c, d = (i, j), (i + 1, j), (i + 1, j + 1), (i, j + 1)
            # Split along the diagonal whose ends differ least in height.
            if abs(self.h[i][j] - self.h[i + 1][j + 1]) <= abs(self.h[i + 1][j] - self.h[i][j + 1]):
                yield from ((a, b, c), (a, c, d))
            else:
                yield from ((a, b, d), (b, c, d))

    def build(self, name, material, cells, inserts=()):
        """cells: (i, j) pairs, each the cell between lines i, i+1 and j, j+1.
        inserts: points on cell edges where a neighbouring mesh has a vertex;
        a triangle with one on an edge is split there, in its own plane, so
        the meshes meet without T-junctions."""
        mesh = Mesh(name, material)
        cache = {}

        def corner(key):
            if key not in cache:
                p = self.point(key) if isinstance(key[0], int) else key
                n = self.normal(key) if isinstance(key[0], int) else self._edge_normal(key)
                v = mesh.vertex(p, (p[0] / self.texture_size, p[2] / self.texture_size))
                cache[key] = (v, mesh.normal(n))
            return cache[key]

        for tri in self.triangles(cells):
            for part in _split(tri, [self.point(k) for k in tri], inserts):
                ends = [corner(k) for k in part]
                mesh.triangle(tuple(e[0] for e in ends), tuple(e[1] for e in ends), UP)
        return mesh

    def _edge_normal(self, p):
        """The grid normal at a point on a cell edge, between its ends."""
        i = max(k for k, x in enumerate(self.xs) if x <= p[0])
        j = max(k for k, z in enumerate(self.zs) if z <= p[2])
        i1, j1 = min(i + 1, len(self.xs) - 1), min(j + 1, len(self.zs) - 1)
        f = (p[0] - self.xs[i]) / (self.xs[i1] - self.xs[i]) if i1 != i else 0.0
        g = (p[2] - self.zs[j]) / (self.zs[j1] - self.zs[j]) if j1 != j else 0.0
        corners = [((i, j), (1 - f) * (1 - g)), ((i1, j), f * (1 - g)), ((i, j1), (1 - f) * g), ((i1, j1), f * g)]
        return tuple(sum(self.normal(k)[c] * w for k, w in corners) for c in range(3))


def on_segment(p, a, b, tolerance=1e-7):
    """Whether p lies on the segment a-b strictly between its ends (x, z)."""
    ex, ez = b[0] - a[0], b[2] - a[2]
    px, pz = p[0] - a[0], p[2] - a[2]
    length2 = ex * ex + ez * ez
    t = (px * ex + pz * ez) / length2
    return abs(px * ez - pz * ex) <= tolerance * length2 and tolerance < t < 1 - tolerance


def _split(keys, points, inserts):
    """The triangle of corner keys, split at each insert on one of its edges
    by joining it to the opposite corner."""
    for point in inserts:
        for k in range(3):
            a, b = points[k], points[(k + 1) % 3]
            if on_segment(point, a, b):
                o = (k + 2) % 3
                first = ((keys[k], point, keys[o]), (points[k], point, points[o]))
                second = ((point, keys[(k + 1) % 3], keys[o]), (point, points[(k + 1) % 3], points[o]))
                return [part for half in (first, second) for part in _split(half[0], list(half[1]), inserts)]
    return [keys]
