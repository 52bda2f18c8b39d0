"""Turns cells of the terrain grid into triangles, facing up."""
from .mesh import Mesh, grid_normals

UP = (0.0, 1.0, 0.0)


class GridMesher:
    """Builds meshes from chosen cells of a height grid; vertices are shared
    inside one mesh, and each cell is split along the diagonal that follows
    the ground best."""

    def __init__(self, xs, zs, heights, texture_size=8.0):
        self.xs, self.zs, self.h = xs, zs, heights
        nx, ny, nz = grid_normals(heights, xs, zs)
        self.n = (nx, ny, nz)
        self.texture_size = texture_size

    def _corner(self, mesh, cache, i, j):
        if (i, j) not in cache:
            x, z = self.xs[i], self.zs[j]
            v = mesh.vertex((x, self.h[i][j], z), (x / self.texture_size, z / self.texture_size))
            n = mesh.normal((self.n[0][i][j], self.n[1][i][j], self.n[2][i][j]))
            cache[(i, j)] = (v, n)
        return cache[(i, j)]

    def build(self, name, material, cells):
        """cells: (i, j) pairs, each the cell between lines i, i+1 and j, j+1."""
        mesh = Mesh(name, material)
        cache = {}
        for i, j in cells:
            a = self._corner(mesh, cache, i, j)
            b = self._corner(mesh, cache, i + 1, j)
            c = self._corner(mesh, cache, i + 1, j + 1)
            d = self._corner(mesh, cache, i, j + 1)
            # Split along the diagonal whose ends differ least in height.
            if abs(self.h[i][j] - self.h[i + 1][j + 1]) <= abs(self.h[i + 1][j] - self.h[i][j + 1]):
                tris = ((a, b, c), (a, c, d))
            else:
                tris = ((a, b, d), (b, c, d))
            for t in tris:
                mesh.triangle(tuple(k[0] for k in t), tuple(k[1] for k in t), UP)
        return mesh
