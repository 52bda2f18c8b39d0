"""The place around the course ("models\\surround.txt"): the valley and the
spur's flanks, pine trees, and the start hut behind the start."""
import math

import numpy as np

from .course import course_cells
from .grid import GridMesher
from .materials import material
from .mesh import Mesh, cone
from .milkshape import Model
from .terrain import LAMP_FEET

TREE_COUNT = 80
TREE_SEED = 2024
HUT = (-24.0, -16.0, -4.0, 4.0)  # x from, x to, z from, z to
VALLEY_TEXTURE = 32.0  # units of ground per repeat of the snow texture


def _tree_spot_free(terrain, x, z, placed):
    if terrain.course_distance(x, z) < 9.0:
        return False
    # The camera watches the rider from the +z side: nothing tall there.
    if -25.0 <= x <= 290.0 and -4.0 <= z <= 80.0:
        return False
    if HUT[0] - 6 <= x <= HUT[1] + 6 and HUT[2] - 6 <= z <= HUT[3] + 6:
        return False
    if any(math.hypot(x - fx, z - fz) < 6.0 for fx, _, fz in LAMP_FEET):
        return False
    return all(math.hypot(x - px, z - pz) > 7.0 for px, pz in placed)


def tree_spots(terrain):
    rng = np.random.RandomState(TREE_SEED)
    placed = []
    while len(placed) < TREE_COUNT:
        x = rng.uniform(-235.0, 335.0)
        # Most trees stand along the course, a few far out.
        z = rng.normal(0.0, 90.0)
        if abs(z) < 285.0 and _tree_spot_free(terrain, x, z, placed):
            placed.append((x, z))
    return placed


def _tree(trunks, crowns, terrain, x, z, scale):
    ground = min(terrain.height(x + dx, z + dz) for dx, dz in ((0, 0), (1, 0), (-1, 0), (0, 1), (0, -1)))
    trunks.tube(
        [
            ((x, ground - 0.5, z), 0.35 * scale, 0.35 * scale),
            ((x, ground + 2.2 * scale, z), 0.25 * scale, 0.25 * scale),
        ],
        6,
        caps=False,
    )
    cone(crowns, (x, ground + 1.6 * scale, z), 2.6 * scale, 4.4 * scale, 8)
    cone(crowns, (x, ground + 4.0 * scale, z), 1.8 * scale, 3.6 * scale, 8)


def _hut(walls, roof, terrain):
    x0, x1, z0, z1 = HUT
    floor = min(terrain.height(x, z) for x in (x0, x1) for z in (z0, z1)) - 1.0
    top = max(terrain.height(x, z) for x in (x0, x1) for z in (z0, z1)) + 3.2
    walls.box(((x0 + x1) / 2, (floor + top) / 2, (z0 + z1) / 2), (x1 - x0, top - floor, z1 - z0), uv_scale=0.25)
    ridge = top + 2.2
    eave = 0.6
    zm = (z0 + z1) / 2
    for side in (-1.0, 1.0):
        edge = z0 - eave if side < 0 else z1 + eave
        points = [
            (x0 - eave, top - 0.4, edge),
            (x1 + eave, top - 0.4, edge),
            (x1 + eave, ridge, zm),
            (x0 - eave, ridge, zm),
        ]
        uvs = [(0, 1), (2, 1), (2, 0), (0, 0)]
        slope = (0.0, abs(edge - zm), side * (ridge - top + 0.4))
        roof.polygon(points, uvs, slope)
        roof.polygon(points[::-1], uvs[::-1], (0.0, -slope[1], -slope[2]))
    for end in (x0, x1):
        gable = [(end, top, z0), (end, top, z1), (end, ridge, zm)]
        walls.polygon(gable, [(0, 1), (2, 1), (1, 0)], (end - (x0 + x1) / 2, 0.0, 0.0))


def surround_model(terrain, heights):
    mesher = GridMesher(terrain.xs, terrain.zs, heights, texture_size=VALLEY_TEXTURE)
    # Nearest rows to the camera's usual side (+z) first: hills then hide the
    # ground behind them from the depth test instead of being drawn over it.
    cells = sorted(course_cells(terrain, False), key=lambda cell: -terrain.zs[cell[1]])
    ground = mesher.build("Valley", "snow", cells)
    trunks, crowns = Mesh("Trunks", "bark"), Mesh("Pines", "pine")
    rng = np.random.RandomState(TREE_SEED + 1)
    for x, z in tree_spots(terrain):
        _tree(trunks, crowns, terrain, x, z, rng.uniform(0.8, 1.5))
    walls, roof = Mesh("Hut", "wood"), Mesh("Roof", "roof")
    _hut(walls, roof, terrain)
    materials = [
        material("snow", "snow.tga"),
        material("bark", "bark.tga"),
        material("pine", "pine.tga"),
        material("wood", "wood.tga"),
        material("roof", "roof.tga"),
    ]
    return Model(meshes=[ground, trunks, crowns, walls, roof], materials=materials)
