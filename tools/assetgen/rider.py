"""The rider on the board ("models\\boada.txt"), in the rider's own frame:
origin at the rider's position, board along x with the nose at +x, y up.

A skinned figure: every body part is bound to one bone of a skeleton (hips,
spine, head, arms, legs, feet). The parts are written upright at the rest
pose; the key frames bend the skeleton into a riding crouch, and the start
frame picks that crouch, so the game shows the figure posed by its loader.
The rider stands sideways on the board and faces +z.
"""
import math

from .materials import material
from .mesh import Mesh
from .milkshape import Bone, Model

FRAMES = 30
REST, CROUCH, TUCK = 1.0, 10.0, 20.0
START_FRAME = int(CROUCH)

BOARD_HALF_LENGTH = 0.92
BOARD_HALF_WIDTH = 0.14
BOARD_TOP = 0.06
STANCE = 0.27  # feet at x = +-STANCE
HIP_HEIGHT = 1.10
THIGH = (0.07, -0.47)  # (x spread, drop) from hip joint to knee, per leg
SHIN = (0.07, -0.47)
KNEE_BEND = {CROUCH: 38.0, TUCK: 55.0}  # degrees


def _radians(*degrees):
    return tuple(math.radians(d) for d in degrees)


def _hip_drop(bend):
    # Thigh and shin turn by -bend and +bend about x: the feet stay put and
    # the hips sink by the legs' lost height.
    return -2 * abs(THIGH[1]) * (1 - math.cos(math.radians(bend)))


def skeleton():
    """Bones in parent-first order, with rest offsets and pose keys."""

    def keys(crouch, tuck):
        return [(REST, (0.0, 0.0, 0.0)), (CROUCH, _radians(*crouch)), (TUCK, _radians(*tuck))]

    still = [(REST, (0.0, 0.0, 0.0))]
    bend_c, bend_t = KNEE_BEND[CROUCH], KNEE_BEND[TUCK]
    hip = STANCE - THIGH[0] - SHIN[0]
    bones = [
        Bone(
            "Hips",
            "",
            (0.0, HIP_HEIGHT, 0.0),
            [(REST, (0.0, 0.0, 0.0)), (CROUCH, (0.0, _hip_drop(bend_c), 0.0)), (TUCK, (0.0, _hip_drop(bend_t), 0.0))],
            keys((0, 0, 0), (0, 0, 0)),
        ),
        Bone("Spine", "Hips", (0.0, 0.12, 0.0), still, keys((16, 0, 0), (30, 0, 0))),
        Bone("Head", "Spine", (0.0, 0.55, 0.0), still, keys((-12, 0, 0), (-25, 0, 0))),
        Bone("ArmL", "Spine", (0.22, 0.46, 0.0), still, keys((-10, 0, 58), (-30, 0, 40))),
        Bone("ForearmL", "ArmL", (0.0, -0.30, 0.0), still, keys((-15, 0, 18), (-40, 0, 10))),
        Bone("ArmR", "Spine", (-0.22, 0.46, 0.0), still, keys((-10, 0, -58), (-30, 0, -40))),
        Bone("ForearmR", "ArmR", (0.0, -0.30, 0.0), still, keys((-15, 0, -18), (-40, 0, -10))),
    ]
    for side, sign in (("L", 1.0), ("R", -1.0)):
        bones += [
            Bone("Thigh" + side, "Hips", (sign * hip, 0.0, 0.0), still, keys((-bend_c, 0, 0), (-bend_t, 0, 0))),
            Bone(
                "Shin" + side,
                "Thigh" + side,
                (sign * THIGH[0], THIGH[1], 0.0),
                still,
                keys((2 * bend_c, 0, 0), (2 * bend_t, 0, 0)),
            ),
            Bone(
                "Foot" + side,
                "Shin" + side,
                (sign * SHIN[0], SHIN[1], 0.0),
                still,
                keys((-bend_c, 0, 0), (-bend_t, 0, 0)),
            ),
        ]
    return bones


def rest_positions(bones):
    """Model-space joint positions at the rest pose (no rest rotations)."""
    where = {}
    for b in bones:
        px, py, pz = where[b.parent] if b.parent else (0.0, 0.0, 0.0)
        where[b.name] = (px + b.position[0], py + b.position[1], pz + b.position[2])
    return where


def _board(mesh):
    outline = []
    body = BOARD_HALF_LENGTH - BOARD_HALF_WIDTH
    for end, sign in ((body, 1.0), (-body, -1.0)):
        for k in range(7):
            a = math.radians(-90 + 30 * k) if sign > 0 else math.radians(90 + 30 * k)
            outline.append((end + BOARD_HALF_WIDTH * math.cos(a), BOARD_HALF_WIDTH * math.sin(a)))

    def lift(x):
        # The tips turn up a little.
        return 0.05 * max(0.0, (abs(x) - 0.62) / 0.3) ** 2

    def uv(x, z):
        return ((x + BOARD_HALF_LENGTH) / (2 * BOARD_HALF_LENGTH), (z + BOARD_HALF_WIDTH) / (2 * BOARD_HALF_WIDTH))

    top = [(x, BOARD_TOP + lift(x), z) for x, z in outline]
    bottom = [(x, BOARD_TOP - 0.035 + lift(x), z) for x, z in outline]
    mesh.polygon(top, [uv(x, z) for x, z in outline], (0.0, 1.0, 0.0))
    mesh.polygon(bottom, [uv(x, z) for x, z in outline], (0.0, -1.0, 0.0))
    n = len(outline)
    for k in range(n):
        a, b = outline[k], outline[(k + 1) % n]
        out = ((a[0] + b[0]) / 2, 0.0, (a[1] + b[1]) / 2)
        out = (out[0] - math.copysign(min(abs(out[0]), body), out[0]), 0.0, out[2])
        mesh.polygon(
            [bottom[k], bottom[(k + 1) % n], top[(k + 1) % n], top[k]],
            [(0, 0.0), (0.05, 0.0), (0.05, 0.06), (0, 0.06)],
            out,
        )


def _limb(mesh, bone, start, end, r0, r1, sides=8, v_range=(0.0, 1.0)):
    """A tapered tube from joint `start` down or up to `end`."""
    rings = []
    for t, r in ((0.0, r0), (0.5, (r0 + r1) / 2 * 1.05), (1.0, r1)):
        centre = tuple(start[k] + (end[k] - start[k]) * t for k in range(3))
        rings.append((centre, r, r))
    if end[1] < start[1]:
        rings = rings[::-1]  # tubes run upwards
    mesh.tube(rings, sides, bone, v_range=v_range)


def figure(bones):
    """The body parts, each bound to its bone, upright at the rest pose."""
    index = {b.name: i for i, b in enumerate(bones)}
    at = rest_positions(bones)
    jacket, pants, helmet, board = (
        Mesh("Jacket", "jacket"),
        Mesh("Pants", "pants"),
        Mesh("Head", "helmet"),
        Mesh("Board", "board"),
    )
    _board(board)
    hips = at["Hips"]
    pants.tube(
        [
            ((0, hips[1] - 0.12, 0), 0.17, 0.12),
            ((0, hips[1] + 0.05, 0), 0.18, 0.13),
            ((0, hips[1] + 0.14, 0), 0.17, 0.12),
        ],
        10,
        index["Hips"],
    )
    spine = at["Spine"]
    jacket.tube(
        [
            ((0, spine[1], 0), 0.18, 0.13),
            ((0, spine[1] + 0.25, 0), 0.21, 0.14),
            ((0, spine[1] + 0.48, 0), 0.22, 0.12),
            ((0, spine[1] + 0.56, 0), 0.08, 0.07),
        ],
        10,
        index["Spine"],
    )
    head = at["Head"]
    rings = []
    for k in range(6):
        a = math.radians(-80 + 160 * k / 5)
        rings.append(
            ((0, head[1] + 0.14 + 0.15 * math.sin(a), 0), 0.12 * math.cos(a) + 0.01, 0.13 * math.cos(a) + 0.01)
        )
    helmet.tube(rings, 10, index["Head"], u_range=(0.0, 1.0), v_range=(1.0, 0.0))
    for side in ("L", "R"):
        arm, fore = at["Arm" + side], at["Forearm" + side]
        _limb(jacket, index["Arm" + side], arm, fore, 0.065, 0.055)
        hand = (fore[0], fore[1] - 0.28, fore[2])
        _limb(jacket, index["Forearm" + side], fore, hand, 0.055, 0.045)
        pants.box((hand[0], hand[1] - 0.05, hand[2]), (0.08, 0.1, 0.1), index["Forearm" + side])
        thigh, shin, foot = at["Thigh" + side], at["Shin" + side], at["Foot" + side]
        _limb(pants, index["Thigh" + side], thigh, shin, 0.09, 0.07)
        _limb(pants, index["Shin" + side], shin, foot, 0.07, 0.06)
        pants.box(
            (foot[0], (BOARD_TOP + foot[1]) / 2 + 0.01, foot[2] + 0.03),
            (0.14, foot[1] - BOARD_TOP + 0.04, 0.3),
            index["Foot" + side],
        )
    return [board, pants, jacket, helmet]


def rider_model():
    bones = skeleton()
    materials = [
        material("board", "board.tga", 40.0),
        material("pants", "pants.tga"),
        material("jacket", "jacket.tga"),
        material("helmet", "helmet.tga", 30.0),
    ]
    return Model(meshes=figure(bones), materials=materials, bones=bones, frames=FRAMES, start_frame=START_FRAME)
