"""The ground of the whole place as one height function on one grid, so the
course and the surround share every vertex along their border.

The course runs down a long spur from the start (115) to the finish (0.3);
to both sides the ground falls away into valleys with a few hills. The +z
side stays low near the course, since the camera looks at the rider from
there. The seven floodlight feet sit exactly on grid vertices at their
heights.
"""
import math

import numpy as np

from .layout import COURSE
from .profile import Profile, FINISH_HEIGHT, COURSE_END

LAMP_FEET = COURSE["lampFeet"]

SKY_X = (-250.0, 350.0)
SKY_Z = (-300.0, 300.0)
COURSE_START = -14.0
CORRIDOR = 16.0  # half width of the course along the slope
KICKER_TOP = 4.5  # half width of the kicker's flat top
KICKER_FOOT = 7.5  # half width where its sides meet the run-in
FINISH_X = (200.0, COURSE_END)
FINISH_HALF = 70.0

# Hills of the valley floor: (x, z, height, radius). None near the +z side
# of the course, where they would hide the rider from the camera.
HILLS = [
    (180.0, -64.0, 12.0, 22.0),
    (120.0, -150.0, 48.0, 60.0),
    (-20.0, -170.0, 70.0, 80.0),
    (-150.0, 120.0, 85.0, 90.0),
    (300.0, -180.0, 28.0, 55.0),
    (60.0, 210.0, 55.0, 70.0),
    (230.0, 190.0, 35.0, 60.0),
    (-160.0, -120.0, 75.0, 80.0),
    (320.0, 110.0, 22.0, 40.0),
]


def _smooth(t):
    t = min(max(t, 0.0), 1.0)
    return t * t * (3 - 2 * t)


class Terrain:
    def __init__(self):
        self.profile = Profile()
        self.xs = self._x_lines()
        self.zs = self._z_lines()
        self._corrections = []
        for _ in range(4):
            self._correct_lamp_feet()

    # --- where things are ---------------------------------------------------
    def in_course(self, x, z):
        """Closed footprint of the course: the corridor and the finish area."""
        if COURSE_START <= x <= FINISH_X[0] and abs(z) <= CORRIDOR:
            return True
        return FINISH_X[0] <= x <= FINISH_X[1] and abs(z) <= FINISH_HALF

    def course_distance(self, x, z):
        def to_rect(x0, x1, half):
            dx = max(x0 - x, 0.0, x - x1)
            dz = max(abs(z) - half, 0.0)
            return math.hypot(dx, dz)

        return min(to_rect(COURSE_START, FINISH_X[0], CORRIDOR), to_rect(FINISH_X[0], FINISH_X[1], FINISH_HALF))

    # --- heights ---------------------------------------------------------------
    def course_height(self, x, z):
        if x >= FINISH_X[0]:
            return FINISH_HEIGHT
        centre = self.profile.height(x, True)
        base = self.profile.height(x, False)
        t = _smooth((abs(z) - KICKER_TOP) / (KICKER_FOOT - KICKER_TOP)) if abs(z) > KICKER_TOP else 0.0
        if abs(z) >= KICKER_FOOT:
            t = 1.0
        return centre + (base - centre) * t

    def _crest(self, x):
        """Height of the spur's crest line, the course's base line extended."""
        if x < COURSE_START:
            top = self.profile.height(COURSE_START, False)
            summit = top + 16.0
            if x > -70.0:
                return top + (summit - top) * _smooth((COURSE_START - x) / 56.0)
            return summit - (summit - 70.0) * _smooth((-70.0 - x) / 180.0)
        if x > COURSE_END:
            return FINISH_HEIGHT
        return self.profile.height(x, False)

    def _valley(self, x, z):
        hills = sum(h * math.exp(-((x - hx) ** 2 + (z - hz) ** 2) / (r * r)) for hx, hz, h, r in HILLS)
        # Never negative, so the valley floor stays above the skybox floor.
        ripple = 1.0 + math.sin(x * 0.071 + 1.3) * math.sin(z * 0.053 + 0.4) + 0.6 * (1 + math.sin(x * 0.19 + z * 0.11))
        near = _smooth(self.course_distance(x, z) / 25.0)
        return FINISH_HEIGHT + (hills + ripple) * near

    def _spur(self, x, z):
        side = max(abs(z) - CORRIDOR, 0.0)
        shoulder = 0.32 if z > 0 else 0.08
        return self._crest(x) - shoulder * side - 0.55 * max(side - 16.0, 0.0)

    def surround_height(self, x, z):
        h = max(self._valley(x, z), self._spur(x, z))
        for fx, fz, amount in self._corrections:
            h += amount * math.exp(-((x - fx) ** 2 + (z - fz) ** 2) / 60.0) * _smooth(self.course_distance(x, z) / 4.0)
        return h

    def height(self, x, z):
        return self.course_height(x, z) if self.in_course(x, z) else self.surround_height(x, z)

    def _correct_lamp_feet(self):
        for i, (fx, fy, fz) in enumerate(LAMP_FEET):
            if self.in_course(fx, fz):
                continue
            miss = fy - self.height(fx, fz)
            if len(self._corrections) <= i:
                self._corrections.extend([(0, 0, 0.0)] * (i + 1 - len(self._corrections)))
            self._corrections[i] = (fx, fz, self._corrections[i][2] + miss)

    # --- the grid ----------------------------------------------------------------
    def _x_lines(self):
        inner = [x for x in self.profile.knots() if COURSE_START <= x <= COURSE_END]
        inner += [f[0] for f in LAMP_FEET]
        inner += list(np.arange(-70.0, COURSE_START, 14.0)) + [-250.0, -215.0, -180.0, -145.0, -110.0]
        inner += [FINISH_X[0], 290.0, 310.0, 330.0, 350.0]
        return sorted(set(round(x, 4) for x in inner))

    def _z_lines(self):
        near = [
            0.0,
            KICKER_TOP,
            KICKER_FOOT,
            11.0,
            CORRIDOR,
            24.0,
            31.0,
            38.0,
            46.0,
            54.0,
            62.0,
            FINISH_HALF,
            85.0,
            105.0,
            130.0,
            160.0,
            195.0,
            235.0,
            300.0,
        ]
        lines = [z for z in near if z > 0] + [-z for z in near if z > 0]
        # The rider runs along z = 0, so no grid line lies there: its samples
        # then always fall inside triangles.
        lines += [-1.5, 1.5] + [f[2] for f in LAMP_FEET]
        return sorted(set(round(z, 4) for z in lines))

    def height_grid(self):
        return np.array([[self.height(x, z) for z in self.zs] for x in self.xs])
