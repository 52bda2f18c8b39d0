"""The kicker's surface: the course grid's own triangles over the ramp, in
three materials so the ramp reads against the snow around it: its top, its
two side walls shaded by how steep they stand, and a dyed line across the
face just below the crest.

The day light saturates every lit surface, so the walls' shade is painted:
each side-wall vertex's v picks a row of the wall texture, from the
piste's tone (flat) to a deep blue (the steepest wall, at the lip). Cutting
out the dyed line only splits triangles in their own planes, so the ground
the rider probes keeps its heights; its vertex normals are smoothed within
each face and creased at the lip and along the walls' top edges, so the
shape also shows under the floodlights.
"""
import math
from collections import defaultdict

from .mesh import Mesh, cross, dot, unit
from .profile import LIP_X
from .terrain import KICKER_FOOT, KICKER_TOP

UP = (0.0, 1.0, 0.0)
LIP_LINE = 0.6  # width of the dyed line, up to the crest
CREASE = math.radians(35.0)
WALL_SHADE_ROWS = 64  # height of the side-wall texture: one row per shade


def _lerp(p, q, t):
    return tuple(a + (b - a) * t for a, b in zip(p, q))


def _clip(polygon, x, keep_above):
    """The part of a convex polygon on one side of the plane at x."""
    out = []
    for k, p in enumerate(polygon):
        q = polygon[(k + 1) % len(polygon)]
        p_in = p[0] >= x if keep_above else p[0] <= x
        q_in = q[0] >= x if keep_above else q[0] <= x
        if p_in:
            out.append(p)
        if p_in != q_in:
            out.append(_lerp(p, q, (x - p[0]) / (q[0] - p[0])))
    return out if len(out) >= 3 else []


def _face_normal(points):
    n = cross(tuple(b - a for a, b in zip(points[0], points[1])), tuple(b - a for a, b in zip(points[0], points[2])))
    return n if n[1] >= 0 else tuple(-c for c in n)


def _key(p):
    return tuple(round(c, 5) for c in p)


def _creased_normals(triangles):
    """Per corner, the area-weighted normal of the triangles at that point
    that face within CREASE of this one."""
    faces = [_face_normal(t) for t in triangles]
    units = [unit(n) for n in faces]
    around = defaultdict(list)
    for t, points in enumerate(triangles):
        for p in points:
            around[_key(p)].append(t)
    limit = math.cos(CREASE)
    normals = []
    for t, points in enumerate(triangles):
        corner_normals = []
        for p in points:
            near = [s for s in around[_key(p)] if dot(units[s], units[t]) >= limit]
            corner_normals.append(unit(tuple(sum(faces[s][c] for s in near) for c in range(3))))
        normals.append(corner_normals)
    return normals


def kicker_surface(mesher, cells, wall_shade):
    """Meshes "Kicker" (top), "KickerWalls" and "KickerLip" from the grid
    cells of the ramp, and the points the cut left on the ramp's outline
    (where the piste beside it must split its triangles too).

    wall_shade(x) is how steep the side walls stand at x, 0..1."""
    lip_from = LIP_X - LIP_LINE
    pieces = []  # (part, points)
    for keys in mesher.triangles(cells):
        points = [mesher.point(k) for k in keys]
        part = "walls" if max(abs(p[2]) for p in points) > KICKER_TOP + 1e-6 else "top"
        if min(p[0] for p in points) < lip_from < max(p[0] for p in points) <= LIP_X:
            below, above = _clip(points, lip_from, False), _clip(points, lip_from, True)
            pieces += [(part, below[:1] + below[k : k + 2]) for k in range(1, len(below) - 1)]
            pieces += [("lip", above[:1] + above[k : k + 2]) for k in range(1, len(above) - 1)]
        else:
            pieces.append(
                (
                    "lip" if min(p[0] for p in points) >= lip_from and max(p[0] for p in points) <= LIP_X else part,
                    points,
                )
            )
    normals = _creased_normals([points for _, points in pieces])
    meshes = {
        "top": Mesh("Kicker", "kicker"),
        "walls": Mesh("KickerWalls", "kickerwall"),
        "lip": Mesh("KickerLip", "lip"),
    }
    size = mesher.texture_size
    for (part, points), corner_normals in zip(pieces, normals):
        mesh = meshes[part]
        uvs = [(p[0] / size, p[2] / size) for p in points]
        if part == "walls":
            uvs = [(p[0] / size, _shade_row(wall_shade(p[0]) * _up_the_wall(p[2]))) for p in points]
        corners = [mesh.vertex(p, uv) for p, uv in zip(points, uvs)]
        mesh.triangle(tuple(corners), tuple(mesh.normal(n) for n in corner_normals), UP)
    outline = _outline(pieces, lip_from)
    return [meshes["top"], meshes["walls"], meshes["lip"]], outline


def _up_the_wall(z):
    """0 at the wall's foot, 1 along its top edge."""
    return min(max((KICKER_FOOT - abs(z)) / (KICKER_FOOT - KICKER_TOP), 0.0), 1.0)


def _shade_row(shade):
    """v of the texture row for a shade 0..1, inside the picture so that
    sampling never wraps to the other end."""
    return (0.5 + shade * (WALL_SHADE_ROWS - 1)) / WALL_SHADE_ROWS


def _outline(pieces, lip_from):
    """Cut points on the ramp's outer edge (its feet), where the piste meets it."""
    return sorted(
        {
            p
            for _, points in pieces
            for p in points
            if abs(p[0] - lip_from) < 1e-9 and abs(abs(p[2]) - KICKER_FOOT) < 1e-9
        }
    )
