"""The course ("models\\kicka.txt"), the only ground the rider has, and the
guide arrows on its run-in ("models\\arrows.txt")."""
from .grid import GridMesher
from .kicker import kicker_surface
from .materials import material
from .mesh import Mesh
from .milkshape import Model
from .terrain import KICKER_FOOT
from .profile import KICKER_START

ARROW_XS = (5.0, 11.0, 17.0, 23.0)
ARROW_LIFT = 0.1
COURSE_TEXTURE = 16.0  # units of ground per repeat of the piste's texture
# The dye's own glow: the lip still reads where the floodlights fall off.
LIP_GLOW = (0.22, 0.08, 0.02, 1.0)


def course_cells(terrain, inside):
    """Grid cells inside (or outside) the course footprint."""
    xs, zs = terrain.xs, terrain.zs
    cells = []
    for i in range(len(xs) - 1):
        for j in range(len(zs) - 1):
            cx, cz = (xs[i] + xs[i + 1]) / 2, (zs[j] + zs[j + 1]) / 2
            if terrain.in_course(cx, cz) == inside:
                cells.append((i, j))
    return cells


def kicker_model(terrain, heights):
    mesher = GridMesher(terrain.xs, terrain.zs, heights, texture_size=COURSE_TEXTURE)
    start, end = terrain.profile.kicker_span()
    kicker, piste = [], []
    for i, j in course_cells(terrain, True):
        cx = (terrain.xs[i] + terrain.xs[i + 1]) / 2
        cz = (terrain.zs[j] + terrain.zs[j + 1]) / 2
        on_kicker = start <= cx <= end and abs(cz) < KICKER_FOOT
        (kicker if on_kicker else piste).append((i, j))

    def rise(x):
        return terrain.profile.height(x, True) - terrain.profile.height(x, False)

    tallest = max(rise(x) for x in terrain.xs if start <= x <= end)
    ramp, outline = kicker_surface(mesher, kicker, lambda x: rise(x) / tallest)
    meshes = ramp + [mesher.build("Piste", "piste", piste, inserts=outline)]
    materials = [
        material("kicker", "kicker.tga"),
        material("kickerwall", "kickerwall.tga"),
        material("lip", "lip.tga", emissive=LIP_GLOW),
        material("piste", "piste.tga"),
    ]
    return Model(meshes=meshes, materials=materials)


def _arrow(mesh, terrain, x):
    """A flat chevron lying on the slope at x, pointing down the course."""
    shape = [(1.4, 0.0), (-0.2, 1.2), (-0.8, 1.2), (0.5, 0.0), (-0.8, -1.2), (-0.2, -1.2)]

    def lift(px, pz):
        return (x + px, terrain.height(x + px, pz) + ARROW_LIFT, pz)

    halves = ([0, 1, 2, 3], [0, 3, 4, 5])
    for half in halves:
        points = [lift(*shape[k]) for k in half]
        uvs = [((shape[k][0] + 0.8) / 2.2, (shape[k][1] + 1.2) / 2.4) for k in half]
        mesh.polygon(points, uvs, (0.0, 1.0, 0.0))


def arrows_model(terrain):
    mesh = Mesh("Arrows", "arrow")
    for x in ARROW_XS:
        if x + 1.4 >= KICKER_START:
            raise ValueError("arrows belong on the run-in")
        _arrow(mesh, terrain, x)
    return Model(meshes=[mesh], materials=[material("arrow", "arrow.tga")])
