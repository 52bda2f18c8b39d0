#include "model/Model.h"

#include "ModelFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <sstream>
#include <tuple>
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

// Probes the points over the triangles, each a mesh of its own, drawn in order; every result
// starts as height 0 with normal components 0.5, so untouched ones show.
std::vector<ProbeResult> probe(const std::vector<Corners>& triangles, const std::vector<Vec3>& points) {
    std::ostringstream text;
    text << "Meshes: " << triangles.size() << "\n";
    for (const Corners& t : triangles) {
        text << "\"g\" 0 -1\n3\n";
        for (const Vec3& v : t) text << "0 " << v.x << " " << v.y << " " << v.z << " 0 0 -1\n";
        text << "1\n0 1 0\n1\n0 0 1 2 0 0 0 1\n";
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

// Twice the signed area of the triangle (a, b, p) seen from above.
double side(const Vec3& a, const Vec3& b, const Vec3& p) {
    return (double(b.x) - a.x) * (double(p.z) - a.z) - (double(b.z) - a.z) * (double(p.x) - a.x);
}

}  // namespace

TEST(Probe, HeightsAndNormalsOfTheFirstTriangleDrawnUnderAPoint) {
    const Plane slope{0.5f, 0.25f, 1}, low{0, 0, 1}, high{0.5f, 0, 3}, deep{0, 0, -12}, right{1, 0, -4};
    const Plane tilted{0.25f, 0, 0};
    const Corners upright = {{{0, 0, 0}, {2, 5, 2}, {4, 0, 4}}};  // all on the line x = z
    const Corners pinched = {{{0, 0, 0}, {0, 3, 0}, {4, 1, 0}}}, needle = {{{1, 1, 1}, {1, 9, 1}, {1, 4, 1}}};
    struct Case { std::vector<Corners> triangles; Vec3 point; Plane ground; };
    std::vector<Case> cases = {
        {{Plane{0, 0, 2.5f}.triangle()}, xz(1, 1), {0, 0, 2.5f}},
        // The first triangle drawn decides, unless its ground is below -10; on a shared edge, its slope.
        {{low.triangle(), high.triangle()}, xz(1, 1), low}, {{high.triangle(), low.triangle()}, xz(1, 1), high},
        {{deep.triangle(), low.triangle()}, xz(1, 1), low}, {{deep.triangle()}, xz(1, 1), deep},
        {{{right.at(4, 0), right.at(0, 4), right.at(4, 4)}, Plane{-1, 0, 0}.triangle()}, xz(2, 2), right}};
    // Inside, on the edges and at the corners of a sloped triangle; degenerate triangles passed over.
    for (Vec3 p : {xz(1, 1), xz(0.3f, 2.9f), xz(2, 0), xz(0, 2), xz(2, 2), xz(0, 4), xz(4, 0)}) {
        cases.push_back({{slope.triangle()}, p, slope});
    }
    for (Vec3 p : {xz(1, 1), xz(2, 0), xz(0, 0)}) {
        cases.push_back({{upright, pinched, needle, tilted.triangle()}, p, tilted});
    }
    for (const Case& c : cases) {
        ProbeResult r = probe(c.triangles, {c.point})[0];
        Vec3 expected = c.ground.at(c.point.x, c.point.z);  // within what nudging an upright edge costs
        EXPECT_NEAR(r.height, expected.y, 1e-4) << c.point.x << ", " << c.point.z;
        EXPECT_NEAR(r.normalX, c.ground.normalX(), 1e-6) << c.point.x << ", " << c.point.z;
        EXPECT_NEAR(r.normalZ, c.ground.normalZ(), 1e-6) << c.point.x << ", " << c.point.z;
    }
    // Outside, beyond an edge straight below the opposite corner, or over degenerate triangles only:
    // no ground, and the normal as it was.
    std::vector<std::pair<std::vector<Corners>, Vec3>> none = {{{{{{0, 0, 0}, {2, 0, 1}, {1, 0, 3}}}}, xz(1, -10)}};
    for (Vec3 p : {xz(3, 3), xz(-1, 1), xz(1, -0.5f), xz(2.01f, 2.01f)}) none.push_back({{slope.triangle()}, p});
    for (Vec3 p : {xz(1, 1), xz(2, 0), xz(0, 0)}) none.push_back({{upright, pinched, needle}, p});
    for (const auto& [triangles, point] : none) {
        ProbeResult r = probe(triangles, {point})[0];
        EXPECT_EQ(std::make_tuple(r.height, r.normalX, r.normalZ), std::make_tuple(noGroundHeight, 0.5f, 0.5f))
            << point.x << ", " << point.z;
    }
    EXPECT_TRUE(std::isnan(Model::heightOnTriangle(upright[0], upright[1], upright[2], 1, 1)));
}

TEST(Probe, EdgeTestsAndHeightsAgreeWithAnIndependentComputation) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> grid(-6, 6);  // corners sharing x or z come up often
    std::uniform_real_distribution<float> anywhere(-8, 8), slope(-2, 2);
    int inside = 0, outside = 0;
    for (int i = 0; i < 20000; ++i) {
        Plane plane{slope(random), slope(random), anywhere(random)};
        Corners c;
        for (Vec3& corner : c) corner = plane.at(grid(random), grid(random));
        // Often in line with a corner, in x or in z.
        Vec3 p = plane.at(i % 4 == 0 ? c[i % 3].x : anywhere(random), i % 4 == 1 ? c[i % 3].z : anywhere(random));
        double area = side(c[0], c[1], c[2]), s[3] = {side(c[0], c[1], p), side(c[1], c[2], p), side(c[2], c[0], p)};
        if (std::fabs(area) < 0.5 || std::min({std::fabs(s[0]), std::fabs(s[1]), std::fabs(s[2])}) < 1e-2) continue;
        bool expected = s[0] * area > 0 && s[1] * area > 0 && s[2] * area > 0;
        bool found = !Model::isOutsideEdge(c[0].x, c[0].z, c[1].x, c[1].z, c[2].x, c[2].z, p.x, p.z) &&
                     !Model::isOutsideEdge(c[0].x, c[0].z, c[2].x, c[2].z, c[1].x, c[1].z, p.x, p.z) &&
                     !Model::isOutsideEdge(c[1].x, c[1].z, c[2].x, c[2].z, c[0].x, c[0].z, p.x, p.z);
        ASSERT_EQ(found, expected) << "case " << i;
        if (!expected) {
            ++outside;
            continue;
        }
        // Within what nudging upright lines costs.
        ASSERT_NEAR(Model::heightOnTriangle(c[0], c[1], c[2], p.x, p.z), p.y, 1e-3) << "case " << i;
        ++inside;
    }
    EXPECT_GT(inside, 500);
    EXPECT_GT(outside, 5000);
}

TEST(Probe, DoesNothingWhenOffOrWithoutPointsOrResults) {
    Model model;
    ASSERT_TRUE(ModelFiles::load(model, "Meshes: 1\n\"g\" 0 -1\n3\n0 0 0 0 0 0 -1\n0 0 0 4 0 0 -1\n"
                                        "0 4 0 0 0 0 -1\n1\n0 1 0\n1\n0 0 1 2 0 0 0 1\n"));
    Vec3 point = xz(1, 1);
    ProbeResult result{7, 0, 0};
    const std::tuple<bool, const Vec3*, int, ProbeResult*> idle[] = {
        {false, &point, 1, &result}, {true, nullptr, 1, &result}, {true, &point, 0, &result},
        {true, &point, -3, &result}, {true, &point, 1, nullptr}, {true, &point, 1, &result}};
    for (auto [enabled, points, count, results] : idle) {
        EXPECT_EQ(result.height, 7.0f);  // until the last, which probes
        model.setProbe(enabled, points, count);
        model.setProbeResults(results);
        model.measureGround();
    }
    EXPECT_EQ(result.height, 0.0f);
}
