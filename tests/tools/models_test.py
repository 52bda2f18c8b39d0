"""The generated models: well-formed files, a course the rider can use, a
surround that fits the place, a posed rider, and material textures the game
can read."""
import glob
import math
import os
import unittest

import numpy as np

import datafiles as df

LAMP_FEET = [(5.22, 114.55, -21.2), (26.22, 100.42, 21.8), (65.22, 92.22, -22.2),
             (114.22, 61.22, 38.2), (175.22, 11.55, -48.2), (212.22, 0.0, 61.2),
             (255.22, 0.0, -61.2)]


def setUpModule():
    global DATA, MODELS
    DATA = df.generated()
    MODELS = {name: df.read_model(os.path.join(DATA, "models", name))
              for name in ("kicka.txt", "arrows.txt", "boada.txt", "surround.txt")}


def corners(model, names=None):
    return np.concatenate([df.triangle_corners(m) for m in model.meshes if names is None or m["name"] in names])


def slope_angle(heights, x, dx=0.05):
    return math.degrees(math.atan2(heights(x - dx) - heights(x + dx), 2 * dx))


class ModelFileTest(unittest.TestCase):
    def test_counts_and_indices_agree_with_the_headers(self):
        for name, model in MODELS.items():
            with self.subTest(name):
                self.assertGreater(len(model.meshes), 0)
                for mesh in model.meshes:
                    tris = mesh["triangles"]
                    self.assertTrue((tris[:, :3] >= 0).all() and (tris[:, :3] < len(mesh["positions"])).all())
                    self.assertTrue((tris[:, 3:] >= 0).all() and (tris[:, 3:] < len(mesh["normals"])).all())
                    self.assertTrue(0 <= mesh["material"] < len(model.materials), "every mesh has a material")
                    self.assertTrue(((mesh["bones"] >= -1) & (mesh["bones"] < len(model.bones))).all())
                names = [b["name"].lower() for b in model.bones]
                for b in model.bones:
                    self.assertTrue(b["parent"] == "" or b["parent"].lower() in names, b["name"])

    def test_triangle_budgets(self):
        budgets = {"kicka.txt": 3000, "surround.txt": 10000, "boada.txt": 2000, "arrows.txt": 200}
        for name, limit in budgets.items():
            count = sum(len(m["triangles"]) for m in MODELS[name].meshes)
            self.assertLessEqual(count, limit, name)

    def test_scenery_stays_inside_the_skybox(self):
        for name in ("kicka.txt", "arrows.txt", "surround.txt"):
            points = np.concatenate([m["positions"] for m in MODELS[name].meshes])
            self.assertTrue((points[:, 0] >= -250).all() and (points[:, 0] <= 350).all(), name)
            self.assertTrue((points[:, 2] >= -300).all() and (points[:, 2] <= 300).all(), name)
            self.assertLess(points[:, 1].max(), 180.0, name)
        ground = np.concatenate([corners(MODELS["kicka.txt"]), corners(MODELS["surround.txt"], {"Valley"})])
        # Ground clear of the skybox floor, which would flicker against it.
        self.assertGreater(ground[:, :, 1].min(), 0.1)


class CourseTest(unittest.TestCase):
    def setUp(self):
        self.course = corners(MODELS["kicka.txt"])
        self.along = lambda x: df.heights_under(self.course, [x], [0.0])[0]

    def test_triangles_face_up(self):
        n = np.cross(self.course[:, 0] - self.course[:, 1], self.course[:, 0] - self.course[:, 2])
        self.assertTrue((n[:, 1] > 0).all(), "counter-clockwise seen from above")

    def test_ground_under_the_start_and_everywhere_above_minus_ten(self):
        start = df.heights_under(self.course, [-0.92, -0.2, 0.0, 0.92, 3.0], [0.0] * 5)
        self.assertFalse(np.isnan(start).any())
        self.assertTrue((np.abs(start - 115.0) < 1.0).all(), start)
        self.assertGreater(self.course[:, :, 1].min(), -10.0)

    def test_the_lip_is_the_only_crest_and_throws_the_rider(self):
        xs = np.arange(-0.93, 200.0, 0.25)  # off the grid lines
        angles = np.array([slope_angle(self.along, x) for x in xs])
        jumps = [x for x, a, b in zip(xs, angles, angles[1:]) if b - a > 30.0]
        self.assertEqual(len(jumps), 1, "one sharp crest")
        lip = jumps[0]
        # Nose past the crest, centre still on the face: over 45 degrees, so
        # the rider takes off at any speed.
        self.assertGreater(slope_angle(self.along, lip + 0.6) - slope_angle(self.along, lip - 0.5), 45.0)
        before = xs < lip - 1.0
        bends = [slope_angle(self.along, x + 0.92) - slope_angle(self.along, x - 0.2) for x in xs[before]]
        self.assertLess(max(bends), 20.0, "no early take-off on the run-in")
        self.assertTrue((angles[xs < lip - 12] > 0).all(), "the run-in only goes down")
        # The lip spans the rider's line.
        across = df.heights_under(self.course, [lip - 0.3] * 3, [-1.0, 0.0, 1.0])
        self.assertLess(np.ptp(across), 0.01)
        landing = angles[(xs > lip + 2) & (xs < lip + 80)]
        self.assertTrue(((landing > 15) & (landing < 40)).all(), "steady landing slope behind the lip")

    def test_flat_finish_area_under_the_banners(self):
        xs, zs = np.meshgrid(np.arange(220.0, 265.1, 5.0), np.arange(-65.0, 65.1, 5.0))
        h = df.heights_under(self.course, xs.ravel(), zs.ravel())
        self.assertFalse(np.isnan(h).any())
        self.assertTrue(((h > 0.1) & (h < 0.8)).all())
        self.assertLess(np.ptp(h), 0.01)


class SurroundTest(unittest.TestCase):
    def test_floodlight_feet_stand_on_the_ground(self):
        course = corners(MODELS["kicka.txt"])
        valley = corners(MODELS["surround.txt"], {"Valley"})
        for x, y, z in LAMP_FEET:
            h = df.heights_under(course, [x], [z])[0]
            if np.isnan(h):
                h = df.heights_under(valley, [x], [z])[0]
            self.assertLess(abs(h - y), 0.5, (x, z, h))

    def test_nothing_hides_the_rider_from_the_camera(self):
        course = corners(MODELS["kicka.txt"])
        everything = np.concatenate([course, corners(MODELS["surround.txt"])])
        for x in np.arange(0.0, 266.0, 3.0):
            rider = df.heights_under(course, [x], [0.0])[0]
            zs = np.arange(1.0, 50.1, 2.0)
            h = df.heights_under(everything, [x] * len(zs), zs)
            sight = rider + zs / 6.0
            self.assertTrue((np.nan_to_num(h, nan=-1e9) < sight).all(), x)


class RiderTest(unittest.TestCase):
    def setUp(self):
        self.model = MODELS["boada.txt"]

    def test_skeleton_and_binding(self):
        names = " ".join(b["name"].lower() for b in self.model.bones)
        for part in ("hips", "spine", "head", "arm", "thigh", "shin"):
            self.assertIn(part, names)
        bound = np.concatenate([m["bones"] for m in self.model.meshes])
        self.assertGreater((bound >= 0).mean(), 0.5, "most of the figure is skinned")
        self.assertLessEqual(self.model.start_frame, self.model.frames)

    def test_start_frame_poses_a_riding_crouch_on_the_board(self):
        rest = [m["positions"] for m in self.model.meshes]
        posed = df.posed_vertices(self.model)
        meshes = {m["name"]: p for m, p in zip(self.model.meshes, posed)}
        board = meshes["Board"]
        self.assertAlmostEqual(board[:, 0].max(), 0.92, delta=0.02)
        self.assertAlmostEqual(board[:, 0].min(), -0.92, delta=0.02)
        body = np.concatenate([p for m, p in zip(self.model.meshes, posed) if m["name"] != "Board"])
        self.assertTrue(1.6 < body[:, 1].max() < 2.0, body[:, 1].max())
        # Boots stay on the board's top, inside its length.
        self.assertAlmostEqual(body[:, 1].min(), board[:, 1].max() - 0.05, delta=0.06)
        self.assertTrue((np.abs(body[:, 0]) < 0.92).all())
        moved = max(np.abs(p - r).max() for p, r in zip(posed, rest))
        self.assertGreater(moved, 0.1, "the crouch differs from the rest pose")
        self.assertLess(body[:, 1].max(), np.concatenate(rest)[:, 1].max() - 0.1)


class MaterialTextureTest(unittest.TestCase):
    def test_every_material_names_a_readable_tga(self):
        run_length = 0
        for name, model in MODELS.items():
            for material in model.materials:
                with self.subTest(name=name, material=material["name"]):
                    self.assertTrue(material["texture"], "every material has a texture")
                    self.assertLessEqual(len(material["texture"]), 31)
                    header, pixels = df.read_tga(df.data_path(DATA, material["texture"]))
                    self.assertEqual(header["prefix"][3:], bytes(9))
                    self.assertIn(header["type"], (2, 10))
                    self.assertIn(header["bits"], (24, 32))
                    self.assertEqual(header["descriptor"] & 0x20, 0, "origin bottom-left")
                    self.assertEqual(header["trailing"], 0)
                    for side in (header["width"], header["height"]):
                        self.assertIn(side, (64, 128, 256))
                    run_length += header["type"] == 10
        self.assertGreater(run_length, 0)


if __name__ == "__main__":
    unittest.main()
