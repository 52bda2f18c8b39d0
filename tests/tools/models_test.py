# The generated models: files the loader reads, a course the rider can use,
# scenery that fits the place, and material textures the game can read.
import unittest

import numpy as np

import datafiles as df
from assetgen.course import course_cells
from assetgen.grid import GridMesher
from assetgen.terrain import Terrain

BUDGETS = {"kicka.txt": 3000, "arrows.txt": 200, "boada.txt": 2000, "surround.txt": 10000}
LAMP_FEET = [(5.22, 114.55, -21.2), (26.22, 100.42, 21.8), (65.22, 92.22, -22.2), (114.22, 61.22, 38.2),
             (175.22, 11.55, -48.2), (212.22, 0.0, 61.2), (255.22, 0.0, -61.2)]


def setUpModule():
    global MODELS
    MODELS = {name: df.read_model(df.data("models\\" + name).decode()) for name in BUDGETS}


def corners(name, meshes=None):
    return np.concatenate([m["positions"][m["triangles"][:, :3]] for m in MODELS[name]["Meshes"]
                           if meshes is None or m["name"] in meshes])


class ModelFileTest(unittest.TestCase):
    def test_indices_within_the_stated_counts_and_triangle_budgets(self):
        for name, model in MODELS.items():
            with self.subTest(name):
                self.assertTrue(model["Meshes"] and model["Frame"] <= model["Frames"])
                for m in model["Meshes"]:
                    t = m["triangles"]
                    self.assertTrue(t.min() >= 0 and t[:, :3].max() < len(m["positions"]))
                    self.assertTrue(t[:, 3:].max() < len(m["normals"]) and 0 <= m["material"] < len(model["Materials"]))
                    self.assertTrue(-1 <= min(m["bones"]) and max(m["bones"]) < len(model["Bones"]))
                self.assertLessEqual(sum(len(m["triangles"]) for m in model["Meshes"]), BUDGETS[name])

    def test_scenery_inside_the_skybox_and_ground_off_its_floor(self):
        for name in ("kicka.txt", "arrows.txt", "surround.txt"):
            p = np.concatenate([m["positions"] for m in MODELS[name]["Meshes"]])
            self.assertTrue((p.min(0) >= (-250, 0, -300)).all() and (p.max(0) <= (350, 179.9, 300)).all(), name)
        ground = np.concatenate([corners("kicka.txt"), corners("surround.txt", {"Valley"})])
        self.assertGreater(ground[:, :, 1].min(), 0.1)

    def test_every_material_texture_is_a_tga_the_loader_reads_one_run_length(self):
        textures = {m["texture"] for model in MODELS.values() for m in model["Materials"]}
        headers = {name: df.read_tga(df.data(name))[0] for name in textures}
        for name, h in headers.items():
            with self.subTest(name):
                self.assertEqual((h["prefix"], h["bits"] in (24, 32)), (bytes([0, 0, h["type"]]) + bytes(9), True))
                self.assertEqual((h["descriptor"] & 0x20, h["trailing"]), (0, 0), "bottom-left, no more bytes")
                self.assertLessEqual({h["width"], h["height"]}, {64, 128, 256})
        self.assertEqual({h["type"] for h in headers.values()}, {2, 10}, "one or more run-length encoded")


class CourseTest(unittest.TestCase):
    def setUp(self):
        self.course = corners("kicka.txt")

    def heights(self, xs, zs=None):
        return df.heights_under(self.course, xs, np.zeros(len(xs)) if zs is None else zs)

    def slopes(self, xs, dx=0.05):
        # Downhill toward +x, in degrees, along z = 0.
        return np.degrees(np.arctan2(self.heights(np.subtract(xs, dx)) - self.heights(np.add(xs, dx)), 2 * dx))

    def test_faces_up_above_minus_ten_with_ground_under_the_start(self):
        n = np.cross(self.course[:, 0] - self.course[:, 1], self.course[:, 0] - self.course[:, 2])
        self.assertTrue((n[:, 1] > 0).all(), "counter-clockwise seen from above")
        self.assertGreater(self.course[:, :, 1].min(), -10.0)
        self.assertLess(np.abs(self.heights([-0.92, 0.0, 0.92, 3.0]) - 115.0).max(), 1.0)

    def crests(self):
        xs = np.arange(-0.93, 200.0, 0.25)  # off the grid lines
        return xs[:-1][np.diff(self.slopes(xs)) > 30.0]

    def test_one_sharp_lip_across_the_line_z0(self):
        crests = self.crests()
        self.assertEqual(len(crests), 1, "one sharp crest")
        nose_minus_centre = np.diff(self.slopes(crests[0] + np.array([-0.5, 0.6])))[0]
        self.assertGreater(nose_minus_centre, 45.0, "take-off at any speed")
        self.assertLess(np.ptp(self.heights([crests[0] - 0.3] * 3, [-1.0, 0.0, 1.0])), 0.01)

    def test_dyed_line_runs_up_to_the_crest_across_the_ramp_and_moves_no_ground(self):
        line, ramp = corners("kicka.txt", {"KickerLip"}), corners("kicka.txt", {"Kicker", "KickerWalls"})
        self.assertTrue(0.0 <= line[:, :, 0].max() - self.crests()[0] <= 0.3, "ends at the crest")
        self.assertLess(np.ptp(line[:, :, 0]), 1.0, "a line, not a patch")
        self.assertEqual((line[:, :, 2].min(), line[:, :, 2].max()), (ramp[:, :, 2].min(), ramp[:, :, 2].max()))
        # The ground round the line is the plain grid's, cut only in its planes.
        terrain = Terrain()
        mesher = GridMesher(terrain.xs, terrain.zs, terrain.height_grid())
        plain = np.array([[mesher.point(k) for k in t] for t in mesher.triangles(course_cells(terrain, True))])
        xs, zs = np.meshgrid(np.arange(35.03, 42.0, 0.1), np.arange(-15.97, 16.0, 0.3))
        found, expected = self.heights(xs.ravel(), zs.ravel()), df.heights_under(plain, xs.ravel(), zs.ravel())
        self.assertLess(np.abs(found - expected).max(), 1e-4)

    def test_ramp_and_piste_share_every_point_along_the_ramps_feet(self):
        # A point on one side of a shared edge only leaves a crack for the sky to show through.
        ramp = corners("kicka.txt", {"Kicker", "KickerWalls", "KickerLip"}).reshape(-1, 3).round(4)
        piste = {tuple(p) for p in corners("kicka.txt", {"Piste"}).reshape(-1, 3).round(4)}
        feet = {tuple(p) for p in ramp if abs(p[2]) == np.abs(ramp[:, 2]).max()}
        self.assertEqual(feet - piste, set())

    def test_flat_finish_area_below_the_banners(self):
        xs, zs = np.meshgrid(np.arange(220.0, 265.1, 5.0), np.arange(-65.0, 65.1, 5.0))
        h = self.heights(xs.ravel(), zs.ravel())
        self.assertTrue(((h > 0.1) & (h < 0.8)).all() and np.ptp(h) < 0.01, h)

    def test_lamp_feet_stand_on_the_ground(self):
        valley = corners("surround.txt", {"Valley"})
        for x, y, z in LAMP_FEET:
            h = self.heights([x], [z])[0]
            h = df.heights_under(valley, [x], [z])[0] if np.isnan(h) else h
            self.assertLess(abs(h - y), 0.5, (x, z, h))

    def test_nothing_on_the_camera_side_hides_the_rider(self):
        everything, zs = np.concatenate([self.course, corners("surround.txt")]), np.arange(1.0, 50.1, 2.0)
        for x in np.arange(0.0, 266.0, 3.0):
            seen = np.nan_to_num(df.heights_under(everything, [x] * len(zs), zs), nan=-1e9)
            self.assertTrue((seen < self.heights([x])[0] + zs / 6.0).all(), x)
