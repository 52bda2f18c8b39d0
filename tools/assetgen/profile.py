"""The course's height along its centre line, the kicker included.

The rider only ever meets the course through this line: the run-in speeds it
up, the kicker's face throws it, the landing slope catches it and the flat
finish lets it roll into the fence. Everything else (the course's width, the
surround) is shaped around these heights.
"""
import math

START_HEIGHT = 115.0  # ground under the start point (x 0)
FINISH_HEIGHT = 0.3  # above the skybox floor, below the banners
KICKER_START = 31.0  # where the kicker's transition leaves the run-in
LIP_X = 41.0  # crest of the kicker
FACE_ANGLE = 26.0  # climb of the kicker's face
LANDING_ANGLE = 26.0  # fall of the landing slope right behind the lip
LANDING_END = 122.0
FINISH_START = 200.0
COURSE_END = 272.0


# Pieces of the centre line: (x from, x to, slope from, slope to, parts),
# slopes in degrees, positive downhill. Convex bends on the way to the lip
# change by at most 6 degrees per part, far below the take-off threshold, so
# the only crest the rider leaves the ground at is the lip, where the slope
# jumps from -26 to +26 degrees.
def _pieces(steep):
    return [
        (-14.0, 2.0, 3.0, 3.0, 2),
        (2.0, 14.0, 3.0, 34.0, 6),
        (14.0, 22.0, 34.0, 34.0, 1),
        (22.0, 28.0, 34.0, 12.0, 3),
        (28.0, KICKER_START, 12.0, 12.0, 1),
        (KICKER_START, 36.0, 12.0, -FACE_ANGLE, 5),
        (36.0, LIP_X, -FACE_ANGLE, -FACE_ANGLE, 1),
        (LIP_X, LANDING_END, LANDING_ANGLE, LANDING_ANGLE, 8),
        (LANDING_END, 134.0, LANDING_ANGLE, steep, 4),
        (134.0, 164.0, steep, steep, 3),
        (164.0, FINISH_START, steep, 0.0, 9),
        (FINISH_START, COURSE_END, 0.0, 0.0, 6),
    ]


def _integrate(pieces):
    points = [(pieces[0][0], 0.0)]
    for x0, x1, a0, a1, parts in pieces:
        for i in range(parts):
            xa = x0 + (x1 - x0) * i / parts
            xb = x0 + (x1 - x0) * (i + 1) / parts
            angle = a0 + (a1 - a0) * (i + 0.5) / parts
            points.append((xb, points[-1][1] - (xb - xa) * math.tan(math.radians(angle))))
    return points


def _interpolate(points, x):
    if x <= points[0][0]:
        return points[0][1]
    for (xa, ya), (xb, yb) in zip(points, points[1:]):
        if x <= xb:
            return ya + (yb - ya) * (x - xa) / (xb - xa)
    return points[-1][1]


def _centre_line():
    # The steep section's angle is chosen so that the finish comes out at
    # FINISH_HEIGHT while the start stays at START_HEIGHT.
    low, high = 20.0, 60.0
    for _ in range(60):
        steep = (low + high) / 2
        points = _integrate(_pieces(steep))
        drop = _interpolate(points, 0.0) - points[-1][1]
        if drop > START_HEIGHT - FINISH_HEIGHT:
            high = steep
        else:
            low = steep
    lift = START_HEIGHT - _interpolate(points, 0.0)
    points = [(x, y + lift) for x, y in points]
    # Snap the flat finish exactly, so its triangles are level.
    return [(x, FINISH_HEIGHT if x >= FINISH_START else y) for x, y in points]


def _base_line(centre):
    """The centre line without the kicker: the run-in's last slope carried on
    until it meets the landing slope."""
    k = next(i for i, (x, _) in enumerate(centre) if x == KICKER_START)
    lip = next(i for i, (x, _) in enumerate(centre) if x == LIP_X)
    x0, y0 = centre[k]
    run_in = (centre[k - 1][1] - y0) / (x0 - centre[k - 1][0])
    landing = (centre[lip][1] - centre[lip + 1][1]) / (centre[lip + 1][0] - LIP_X)
    # y0 - run_in (x - x0) = y_lip - landing (x - LIP_X)
    meet = (centre[lip][1] - y0 + landing * LIP_X - run_in * x0) / (landing - run_in)
    line = centre[: k + 1]
    line.append((meet, y0 - run_in * (meet - x0)))
    line.extend(p for p in centre if p[0] > meet)
    return line


class Profile:
    """Heights of the course across x: `centre` holds the kicker, `base` is
    the ground beside it. Both are polylines; `knots` are their corners."""

    def __init__(self):
        self.centre = _centre_line()
        self.base = _base_line(self.centre)

    def height(self, x, kicker=True):
        return _interpolate(self.centre if kicker else self.base, x)

    def knots(self):
        return sorted(set(x for x, _ in self.centre) | set(x for x, _ in self.base))

    def kicker_span(self):
        """x range in which centre and base differ."""
        return KICKER_START, self.base[next(i for i, (x, _) in enumerate(self.base) if x > KICKER_START)][0]
