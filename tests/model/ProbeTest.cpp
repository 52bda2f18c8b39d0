#include "model/Model.h"

#include "ModelFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <sstream>
#include <vector>

namespace {

using Corners = std::array<Vec3, 3>;

// The plane y = a x + b z + c, with its upward unit normal.
struct Plane {
    float a, b, c;
    Vec3 at(float x, float z) const { return {x, a * x + b * z + c, z}; }
    Corners triangle() const { return {at(0, 0), at(0, 4), at(4, 0)}; }  // counter-clockwise from above
    float normalX() const { return -a / std::sqrt(a * a + b * b + 1); }
    float normalZ() const { return -b / std::sqrt(a * a + b * b + 1); }
};

// Probes the points over one mesh per group of triangles, each result
// starting with normal components 0.5 so that untouched ones show.
std::vector<ProbeResult> probe(const std::vector<std::vector<Corners>>& meshes, const std::vector<Vec3>& points) {
    std::ostringstream text;
    text << "Meshes: " << meshes.size() << "\n";
    for (const auto& triangles : meshes) {
        text << "\"g\" 0 -1\n" << triangles.size() * 3 << "\n";
        for (const Corners& t : triangles)
            for (const Vec3& v : t) text << "0 " << v.x << " " << v.y << " " << v.z << " 0 0 -1\n";
        text << "1\n0 1 0\n" << triangles.size() << "\n";
        for (size_t i = 0; i < triangles.size(); ++i) {
            text << "0 " << 3 * i << " " << 3 * i + 1 << " " << 3 * i + 2 << " 0 0 0 1\n";
        }
    }
    Model model;
    EXPECT_TRUE(ModelFiles::load(model, text.str()));
    std::vector<ProbeResult> results(points.size(), ProbeResult{0, 0.5f, 0.5f});
    model.setProbe(true, points.data(), static_cast<int>(points.size()));
    model.setProbeResults(results.data());
    model.measureGround();
    return results;
}

Vec3 xz(float x, float z) { return {x, 0, z}; }

double side(double x1, double z1, double x2, double z2, double px, double pz) {
    return (x2 - x1) * (pz - z1) - (z2 - z1) * (px - x1);
}

}  // namespace

TEST(Probe, HeightsAndNormalsInsideOnEdgesAndOutside) {
    const Plane slope{0.5f, 0.25f, 1};
    const std::vector<Vec3> points = {xz(1, 1), xz(0.3f, 2.9f), xz(2, 0), xz(0, 2), xz(2, 2), xz(0, 4), xz(4, 0)};
    auto results = probe({{slope.triangle()}}, points);
    for (size_t j = 0; j < points.size(); ++j) {
        // Within what nudging the upright edge from (0, 0) to (0, 4) costs.
        EXPECT_NEAR(results[j].height, slope.at(points[j].x, points[j].z).y, 1e-4) << j;
        EXPECT_NEAR(results[j].normalX, slope.normalX(), 1e-6);
        EXPECT_NEAR(results[j].normalZ, slope.normalZ(), 1e-6);
    }
    EXPECT_LT(results[0].normalX, 0) << "x points down the slope";
    for (const ProbeResult& r : probe({{slope.triangle()}}, {xz(3, 3), xz(-1, 1), xz(1, -0.5f), xz(2.01f, 2.01f)})) {
        EXPECT_EQ(r.height, noGroundHeight);
        EXPECT_EQ(r.normalX + r.normalZ, 1.0f);
    }
    auto flat = probe({{Plane{0, 0, 2.5f}.triangle()}}, {xz(1, 1)});
    EXPECT_EQ(flat[0].height, 2.5f);
    EXPECT_EQ(flat[0].normalX + flat[0].normalZ, 0.0f);
}

TEST(Probe, FirstTriangleDrawnDecidesUnlessItsGroundIsBelowMinus10) {
    const Plane low{0, 0, 1}, high{0.5f, 0, 3}, deep{0, 0, -12};
    EXPECT_EQ(probe({{low.triangle()}, {high.triangle()}}, {xz(1, 1)})[0].height, 1.0f);
    EXPECT_NEAR(probe({{high.triangle()}, {low.triangle()}}, {xz(1, 1)})[0].height, 3.5f, 1e-4);
    EXPECT_EQ(probe({{deep.triangle(), low.triangle()}}, {xz(1, 1)})[0].height, 1.0f);
    EXPECT_EQ(probe({{deep.triangle()}}, {xz(1, 1)})[0].height, -12.0f);
    // On a shared edge the first triangle's slope is taken.
    const Plane left{-1, 0, 0}, right{1, 0, -4};
    const Corners rightTriangle = {right.at(4, 0), right.at(0, 4), right.at(4, 4)};
    auto shared = probe({{rightTriangle, left.triangle()}}, {xz(2, 2)});
    EXPECT_NEAR(shared[0].height, -2, 1e-5);
    EXPECT_NEAR(shared[0].normalX, right.normalX(), 1e-6);
}

TEST(Probe, DegenerateTrianglesArePassedOver) {
    const Corners upright = {{{0, 0, 0}, {2, 5, 2}, {4, 0, 4}}};  // all on the line x = z
    const Corners pinched = {{{0, 0, 0}, {0, 3, 0}, {4, 1, 0}}};
    const Corners needle = {{{1, 1, 1}, {1, 9, 1}, {1, 4, 1}}};
    const Plane ground{0.25f, 0, 0};
    std::vector<Vec3> points = {xz(1, 1), xz(2, 0), xz(0, 0)};
    auto results = probe({{upright, pinched, needle, ground.triangle()}}, points);
    for (size_t j = 0; j < points.size(); ++j) EXPECT_NEAR(results[j].height, points[j].x / 4, 1e-5) << j;
    for (const ProbeResult& r : probe({{upright, pinched, needle}}, points)) EXPECT_EQ(r.height, noGroundHeight);
    EXPECT_TRUE(std::isnan(Model::heightOnTriangle(upright[0], upright[1], upright[2], 1, 1)));
}

TEST(Probe, EdgeTestsTogetherFindThePointsInsideTheTriangle) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> grid(-6, 6);  // shared x or z come up often
    std::uniform_real_distribution<float> anywhere(-8, 8);
    int inside = 0, outside = 0;
    for (int i = 0; i < 20000; ++i) {
        float x[3], z[3];
        for (int k = 0; k < 3; ++k) x[k] = grid(random), z[k] = grid(random);
        float px = i % 3 == 0 ? x[i % 2] : anywhere(random), pz = anywhere(random);  // often in line with a corner
        double area = side(x[0], z[0], x[1], z[1], x[2], z[2]);
        double s[3] = {side(x[0], z[0], x[1], z[1], px, pz) * area, side(x[1], z[1], x[2], z[2], px, pz) * area,
                       side(x[2], z[2], x[0], z[0], px, pz) * area};
        bool nearAnEdge = std::fabs(s[0]) < 1e-2 || std::fabs(s[1]) < 1e-2 || std::fabs(s[2]) < 1e-2;
        if (std::fabs(area) < 0.5 || nearAnEdge) continue;
        bool expected = s[0] > 0 && s[1] > 0 && s[2] > 0;
        bool found = !Model::isOutsideEdge(x[0], z[0], x[1], z[1], x[2], z[2], px, pz) &&
                     !Model::isOutsideEdge(x[0], z[0], x[2], z[2], x[1], z[1], px, pz) &&
                     !Model::isOutsideEdge(x[1], z[1], x[2], z[2], x[0], z[0], px, pz);
        ASSERT_EQ(found, expected) << x[0] << "," << z[0] << " " << x[1] << "," << z[1] << " " << x[2] << "," << z[2]
                                   << " p " << px << "," << pz;
        ++(expected ? inside : outside);
    }
    EXPECT_GT(inside, 500);
    EXPECT_GT(outside, 5000);
    // Beyond the edge from (0, 0) to (2, 1), straight below the opposite corner (1, 3).
    EXPECT_EQ(probe({{{{{0, 0, 0}, {2, 0, 1}, {1, 0, 3}}}}}, {xz(1, -10)})[0].height, noGroundHeight);
}

TEST(Probe, HeightMatchesThePlaneThroughTheCorners) {
    std::mt19937 random(11);
    std::uniform_real_distribution<float> coordinate(-10, 10), weight(0.05f, 1);
    int checked = 0;
    for (int i = 0; i < 5000; ++i) {
        Plane plane{coordinate(random) / 5, coordinate(random) / 5, coordinate(random)};
        Corners c;
        for (Vec3& corner : c) corner = plane.at(coordinate(random), coordinate(random));
        if (std::fabs(side(c[0].x, c[0].z, c[1].x, c[1].z, c[2].x, c[2].z)) < 20) continue;
        float w[3] = {weight(random), weight(random), weight(random)}, sum = w[0] + w[1] + w[2];
        float px = (w[0] * c[0].x + w[1] * c[1].x + w[2] * c[2].x) / sum;
        float pz = (w[0] * c[0].z + w[1] * c[1].z + w[2] * c[2].z) / sum;
        ASSERT_NEAR(Model::heightOnTriangle(c[0], c[1], c[2], px, pz), plane.at(px, pz).y, 1e-4) << i;
        ++checked;
    }
    EXPECT_GT(checked, 3000);
    // An edge upright in x is nudged, not divided by zero.
    EXPECT_NEAR(Model::heightOnTriangle({2, 0, 0}, {2, 4, 4}, {6, 0, 0}, 3, 1), 1.0f, 1e-3);
}

TEST(Probe, DoesNothingWithoutPointsOrResults) {
    Model model;
    ASSERT_TRUE(ModelFiles::load(model, "Meshes: 1\n\"g\" 0 -1\n3\n0 0 0 0 0 0 -1\n0 0 0 4 0 0 -1\n"
                                        "0 4 0 0 0 0 -1\n1\n0 1 0\n1\n0 0 1 2 0 0 0 1\n"));
    Vec3 point = xz(1, 1);
    ProbeResult result{7, 0, 0};
    model.setProbeResults(&result);
    for (int count : {0, -3}) {
        model.setProbe(true, &point, count);
        model.measureGround();
    }
    model.setProbe(false, &point, 1);
    model.measureGround();
    EXPECT_EQ(result.height, 7.0f);
    model.setProbe(true, &point, 1);
    model.setProbeResults(nullptr);
    model.measureGround();
    model.setProbeResults(&result);
    model.measureGround();
    EXPECT_EQ(result.height, 0.0f);
}
