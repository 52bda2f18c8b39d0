#include "model/Model.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Corners = std::array<Vec3, 3>;

// One mesh per group of triangles, each triangle with its own three vertices.
std::string modelOf(const std::vector<std::vector<Corners>>& meshes) {
    std::ostringstream text;
    text << "Meshes: " << meshes.size() << "\n";
    for (const auto& triangles : meshes) {
        text << "\"g\" 0 -1\n" << triangles.size() * 3 << "\n";
        for (const Corners& t : triangles) {
            for (const Vec3& v : t) text << "0 " << v.x << " " << v.y << " " << v.z << " 0 0 -1\n";
        }
        text << "1\n0 1 0\n" << triangles.size() << "\n";
        for (size_t i = 0; i < triangles.size(); ++i) {
            text << "0 " << 3 * i << " " << 3 * i + 1 << " " << 3 * i + 2 << " 0 0 0 1\n";
        }
    }
    return text.str();
}

// Probes the points over a model holding the given meshes; each result starts
// with the given normal so that untouched entries show.
std::vector<ProbeResult> probe(const std::vector<std::vector<Corners>>& meshes, const std::vector<Vec3>& points,
                               float startNormal = 0.5f) {
    TempDir dir;
    Model model;
    EXPECT_TRUE(model.load(dir.write("ground.txt", modelOf(meshes)).c_str()));
    std::vector<ProbeResult> results(points.size());
    for (ProbeResult& r : results) r.normalX = r.normalZ = startNormal;
    model.setProbe(true, points.data(), static_cast<int>(points.size()));
    model.setProbeResults(results.data());
    model.measureGround();
    return results;
}

Vec3 at(float x, float z) { return {x, 0.0f, z}; }

// The plane y = a x + b z + c.
struct Plane {
    float a, b, c;
    Vec3 corner(float x, float z) const { return {x, a * x + b * z + c, z}; }
    float height(float x, float z) const { return a * x + b * z + c; }
    float normalX() const { return -a / std::sqrt(a * a + b * b + 1); }
    float normalZ() const { return -b / std::sqrt(a * a + b * b + 1); }
};

// Which side of the line through p1 and p2 a point lies on.
double side(double x1, double z1, double x2, double z2, double px, double pz) {
    return (x2 - x1) * (pz - z1) - (z2 - z1) * (px - x1);
}

}  // namespace

TEST(Probe, SlopedTriangleHeightsAndNormals) {
    const Plane plane{0.5f, 0.25f, 1.0f};
    // Counter-clockwise seen from above, so its normal points up.
    const Corners slope = {plane.corner(0, 0), plane.corner(0, 4), plane.corner(4, 0)};
    const std::vector<Vec3> inside = {at(1, 1), at(2, 0.5f), at(0.3f, 2.9f), at(2, 0), at(0, 2), at(2, 2)};
    auto results = probe({{slope}}, inside);
    for (size_t j = 0; j < inside.size(); ++j) {
        EXPECT_NEAR(results[j].height, plane.height(inside[j].x, inside[j].z), 1e-3) << "point " << j;
        EXPECT_NEAR(results[j].normalX, plane.normalX(), 1e-6);
        EXPECT_NEAR(results[j].normalZ, plane.normalZ(), 1e-6);
    }
    EXPECT_LT(results[0].normalX, 0.0f) << "x of the normal points down the slope";

    auto corners = probe({{slope}}, {at(0, 0), at(0, 4), at(4, 0)});
    EXPECT_EQ(corners[0].height, slope[0].y);
    EXPECT_EQ(corners[1].height, slope[1].y);
    EXPECT_EQ(corners[2].height, slope[2].y);

    auto outside = probe({{slope}}, {at(3, 3), at(-1, 1), at(1, -0.5f), at(5, 0), at(2.01f, 2.01f)}, 0.25f);
    for (const ProbeResult& r : outside) {
        EXPECT_EQ(r.height, noGroundHeight);
        EXPECT_EQ(r.normalX, 0.25f);
        EXPECT_EQ(r.normalZ, 0.25f);
    }
}

TEST(Probe, FlatGroundHasNoSideways) {
    const Plane flat{0, 0, 2.5f};
    auto results = probe({{{flat.corner(-3, -3), flat.corner(-3, 3), flat.corner(3, -3)}}}, {at(-1, -1)});
    EXPECT_FLOAT_EQ(results[0].height, 2.5f);
    EXPECT_FLOAT_EQ(results[0].normalX, 0.0f);
    EXPECT_FLOAT_EQ(results[0].normalZ, 0.0f);
}

TEST(Probe, FirstTriangleDrawnDecides) {
    const Plane low{0, 0, 1}, high{0.5f, 0, 3}, steep{-1, 0.5f, 0}, deep{0, 0, -12};
    const Corners lowTriangle = {low.corner(0, 0), low.corner(0, 4), low.corner(4, 0)};
    const Corners highTriangle = {high.corner(0, 0), high.corner(0, 4), high.corner(4, 0)};
    // Overlapping triangles in two meshes: the earlier mesh wins, whichever is higher.
    auto results = probe({{lowTriangle}, {highTriangle}}, {at(1, 1)});
    EXPECT_FLOAT_EQ(results[0].height, 1.0f);
    results = probe({{highTriangle}, {lowTriangle}}, {at(1, 1)});
    EXPECT_NEAR(results[0].height, 3.5f, 1e-4);

    // On the edge two triangles share, the first one's normal is taken.
    const Corners left = {steep.corner(0, 0), steep.corner(0, 4), steep.corner(4, 0)};
    const Corners right = {{steep.corner(4, 0), steep.corner(0, 4), {4, 7, 4}}};
    results = probe({{right, left}}, {at(2, 2)});
    EXPECT_NEAR(results[0].height, steep.height(2, 2), 1e-3);
    Vec3 n = {0, 0, 0};
    {
        // The right triangle's own normal, from its edges.
        Vec3 e1 = {right[1].x - right[0].x, right[1].y - right[0].y, right[1].z - right[0].z};
        Vec3 e2 = {right[2].x - right[0].x, right[2].y - right[0].y, right[2].z - right[0].z};
        n = {e1.y * e2.z - e1.z * e2.y, e1.z * e2.x - e1.x * e2.z, e1.x * e2.y - e1.y * e2.x};
        float length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
        if (n.y < 0) length = -length;
        n = {n.x / length, n.y / length, n.z / length};
    }
    EXPECT_NEAR(results[0].normalX, n.x, 1e-5);
    EXPECT_NEAR(results[0].normalZ, n.z, 1e-5);
    EXPECT_GT(std::fabs(n.x - steep.normalX()), 0.1f) << "the two triangles must slope differently";

    // Ground found below -10 counts as none, so a later triangle may still give it.
    const Corners deepTriangle = {deep.corner(0, 0), deep.corner(0, 4), deep.corner(4, 0)};
    results = probe({{deepTriangle, lowTriangle}}, {at(1, 1)});
    EXPECT_FLOAT_EQ(results[0].height, 1.0f);
    results = probe({{deepTriangle}}, {at(1, 1)});
    EXPECT_FLOAT_EQ(results[0].height, -12.0f);
}

TEST(Probe, DegenerateTrianglesArePassedOver) {
    const Plane ground{0.25f, 0, 0};
    const Corners good = {ground.corner(0, 0), ground.corner(0, 4), ground.corner(4, 0)};
    // Upright: all corners on the line x = z, which passes through the probe point.
    const Corners wall = {{{0, 0, 0}, {2, 5, 2}, {4, 0, 4}}};
    // Two corners at the same x and z.
    const Corners pinched = {{{0, 0, 0}, {0, 3, 0}, {4, 1, 0}}};
    const Corners needle = {{{1, 1, 1}, {1, 9, 1}, {1, 4, 1}}};
    std::vector<Vec3> points = {at(1, 1), at(2, 0), at(0, 0)};
    auto results = probe({{wall, pinched, needle, good}}, points);
    for (size_t j = 0; j < points.size(); ++j) {
        EXPECT_NEAR(results[j].height, ground.height(points[j].x, points[j].z), 1e-4) << "point " << j;
        EXPECT_TRUE(std::isfinite(results[j].normalX) && std::isfinite(results[j].normalZ));
    }
    results = probe({{wall, pinched, needle}}, points);
    for (const ProbeResult& r : results) EXPECT_EQ(r.height, noGroundHeight);

    EXPECT_TRUE(std::isnan(Model::heightOnTriangle({0, 0, 0}, {2, 5, 2}, {4, 0, 4}, 1, 1)));
}

TEST(Probe, APointInLineWithTheOppositeCornerIsStillTested) {
    // (1, -10) shares x with the corner facing the edge it lies beyond.
    const Corners t = {{{0, 0, 0}, {2, 0, 1}, {1, 0, 3}}};
    auto results = probe({{t}}, {at(1, -10), at(1, 1), at(1, 3.5f)});
    EXPECT_EQ(results[0].height, noGroundHeight);
    EXPECT_NEAR(results[1].height, 0.0f, 1e-5);
    EXPECT_EQ(results[2].height, noGroundHeight);
    EXPECT_TRUE(Model::isOutsideEdge(0, 0, 2, 1, 1, 3, 1, -10));
    EXPECT_FALSE(Model::isOutsideEdge(0, 0, 2, 1, 1, 3, 1, 0.6f));
}

TEST(Probe, EdgeTestsTogetherFindThePointsInsideTheTriangle) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> grid(-6, 6);
    std::uniform_real_distribution<float> anywhere(-8, 8);
    int inside = 0, outside = 0;
    for (int i = 0; i < 20000; ++i) {
        // Corners on a grid so that shared x or z (upright lines) come up often,
        // and every third point shares x with a corner.
        float x[3], z[3];
        for (int k = 0; k < 3; ++k) x[k] = grid(random), z[k] = grid(random);
        float px = i % 3 == 0 ? x[i % 2] : anywhere(random), pz = anywhere(random);
        double area = side(x[0], z[0], x[1], z[1], x[2], z[2]);
        double s01 = side(x[0], z[0], x[1], z[1], px, pz) * area;
        double s12 = side(x[1], z[1], x[2], z[2], px, pz) * area;
        double s20 = side(x[2], z[2], x[0], z[0], px, pz) * area;
        if (std::fabs(area) < 0.5 || std::fabs(s01) < 1e-2 || std::fabs(s12) < 1e-2 || std::fabs(s20) < 1e-2) {
            continue;
        }
        bool expected = s01 > 0 && s12 > 0 && s20 > 0;
        bool found = !Model::isOutsideEdge(x[0], z[0], x[1], z[1], x[2], z[2], px, pz) &&
                     !Model::isOutsideEdge(x[0], z[0], x[2], z[2], x[1], z[1], px, pz) &&
                     !Model::isOutsideEdge(x[1], z[1], x[2], z[2], x[0], z[0], px, pz);
        ASSERT_EQ(found, expected) << x[0] << "," << z[0] << " " << x[1] << "," << z[1] << " " << x[2] << ","
                                   << z[2] << " p " << px << "," << pz;
        ++(expected ? inside : outside);
    }
    EXPECT_GT(inside, 500);
    EXPECT_GT(outside, 5000);
}

TEST(Probe, HeightMatchesThePlaneThroughTheCorners) {
    std::mt19937 random(11);
    std::uniform_real_distribution<float> coordinate(-10, 10), weight(0.05f, 1);
    int checked = 0;
    for (int i = 0; i < 5000; ++i) {
        Plane plane{coordinate(random) / 5, coordinate(random) / 5, coordinate(random)};
        Corners c = {plane.corner(coordinate(random), coordinate(random)),
                     plane.corner(coordinate(random), coordinate(random)),
                     plane.corner(coordinate(random), coordinate(random))};
        double area = side(c[0].x, c[0].z, c[1].x, c[1].z, c[2].x, c[2].z);
        if (std::fabs(area) < 20) continue;
        float w0 = weight(random), w1 = weight(random), w2 = weight(random), sum = w0 + w1 + w2;
        float px = (w0 * c[0].x + w1 * c[1].x + w2 * c[2].x) / sum;
        float pz = (w0 * c[0].z + w1 * c[1].z + w2 * c[2].z) / sum;
        ASSERT_NEAR(Model::heightOnTriangle(c[0], c[1], c[2], px, pz), plane.height(px, pz), 2e-3)
            << c[0].x << "," << c[0].z << " " << c[1].x << "," << c[1].z << " " << c[2].x << "," << c[2].z << " p " << px << "," << pz;
        ++checked;
    }
    EXPECT_GT(checked, 3000);
    // An edge upright in x is nudged, not divided by zero.
    EXPECT_NEAR(Model::heightOnTriangle({2, 0, 0}, {2, 4, 4}, {6, 0, 0}, 3, 1), 1.0f, 1e-3);
}

TEST(Probe, DoesNothingWithoutPointsOrResults) {
    TempDir dir;
    Model model;
    ASSERT_TRUE(model.load(dir.write("g.txt", modelOf({{{at(0, 0), at(0, 4), at(4, 0)}}})).c_str()));
    Vec3 point = at(1, 1);
    ProbeResult result{7.0f, 0.0f, 0.0f};
    model.setProbe(false, &point, 1);
    model.setProbeResults(&result);
    model.measureGround();
    EXPECT_EQ(result.height, 7.0f);
    model.setProbe(true, &point, 0);
    model.measureGround();
    model.setProbe(true, &point, -3);
    model.measureGround();
    EXPECT_EQ(result.height, 7.0f);
    model.setProbe(true, &point, 1);
    model.setProbeResults(nullptr);
    model.measureGround();
    model.setProbeResults(&result);
    model.measureGround();
    EXPECT_EQ(result.height, 0.0f);
}
