# The generated models: files the loader reads, within their budgets, and a
# course the rider can use: ground under the start, one lip on the line z = 0,
# flat ground inside the fences, the lamps' feet on the ground.
import unittest

import numpy as np

import datafiles as df
from assetgen.layout import COURSE

BUDGETS = {"kicka.txt": 3000, "arrows.txt": 200, "boada.txt": 2000, "surround.txt": 10000}


def setUpModule():
    global MODELS, COURSE_CORNERS
    MODELS = {name: df.read_model(df.data("models\\" + name).decode()) for name in BUDGETS}
    COURSE_CORNERS = corners(MODELS["kicka.txt"]["Meshes"])


def corners(meshes):
    return np.concatenate([m["positions"][m["triangles"][:, :3]] for m in meshes])


def heights(xs, zs=None):
    return df.heights_under(COURSE_CORNERS, np.array(xs), np.zeros(len(xs)) if zs is None else np.array(zs))


def slopes(xs, dx=0.05):  # downhill toward +x, in degrees, along z = 0
    return np.degrees(np.arctan2(heights(np.subtract(xs, dx)) - heights(np.add(xs, dx)), 2 * dx))


class ModelFileTest(unittest.TestCase):
    def test_indices_within_the_stated_counts_budgets_and_textures_generated(self):
        for name, model in MODELS.items():
            self.assertTrue(model["Meshes"] and model["Frame"] <= model["Frames"], name)
            for m in model["Meshes"]:
                t, counts = m["triangles"], (len(m["positions"]), len(m["normals"]), len(model["Materials"]))
                self.assertTrue(t.min() >= 0 <= m["material"], name)
                self.assertTrue(np.less((t[:, :3].max(), t[:, 3:].max(), m["material"]), counts).all(), name)
                self.assertTrue(-1 <= min(m["bones"]) and max(m["bones"]) < len(model["Bones"]), name)
            self.assertLessEqual(sum(len(m["triangles"]) for m in model["Meshes"]), BUDGETS[name])
            self.assertTrue(all(df.data(texture) for _, _, _, texture, _ in model["Materials"]), name)


class CourseTest(unittest.TestCase):
    def test_faces_up_above_minus_ten_with_ground_under_the_start(self):
        n = np.cross(COURSE_CORNERS[:, 0] - COURSE_CORNERS[:, 1], COURSE_CORNERS[:, 0] - COURSE_CORNERS[:, 2])
        self.assertTrue((n[:, 1] > 0).all() and COURSE_CORNERS[:, :, 1].min() > -10.0, "counter-clockwise from above")
        self.assertLess(np.abs(heights([-0.92, 0.0, 0.92, 3.0]) - 115.0).max(), 1.0)

    def test_one_sharp_lip_across_the_line_z0(self):
        xs = np.arange(-0.93, 200.0, 0.25)  # off the grid lines
        crests = xs[:-1][np.diff(slopes(xs)) > 30.0]
        self.assertEqual(len(crests), 1, "one sharp crest")
        self.assertGreater(np.diff(slopes(crests[0] + np.array([-0.5, 0.6])))[0], 45.0, "take-off at any speed")
        self.assertLess(np.ptp(heights([crests[0] - 0.3] * 3, [-1.0, 0.0, 1.0])), 0.01)

    def test_flat_ground_inside_the_fences_below_the_banners_and_lamp_feet_on_the_ground(self):
        side = COURSE["fenceSideZ"]
        xs, zs = np.meshgrid(np.linspace(COURSE["fenceStartX"], COURSE["fenceEndX"], 10), np.linspace(-side, side, 27))
        h = heights(xs.ravel(), zs.ravel())
        self.assertTrue(((h > 0.1) & (h < 0.8)).all() and np.ptp(h) < 0.01, h)
        valley = corners([m for m in MODELS["surround.txt"]["Meshes"] if m["name"] == "Valley"])
        for x, y, z in COURSE["lampFeet"]:
            self.assertLess(abs(np.fmax(heights([x], [z]), df.heights_under(valley, [x], [z]))[0] - y), 0.5, (x, z))
