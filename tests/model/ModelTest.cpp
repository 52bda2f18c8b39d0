// Model files read by the format's rules, bones posed, the ground probe, and the material state in a real context.
#include "model/Model.h"
#include "support/GlContext.h"
#include "support/TempDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <sstream>
#include <tuple>
#include <vector>

namespace {

bool load(Model& model, const std::string& text) { return model.load(TempDir().write("m.txt", text).c_str()); }

const std::string material =
    "\"plain\"\n0.1 0.2 0.3 1\n0.4 0.5 0.6 0.9\n0.7 0.8 0.9 1\n0 0.02 0 1\n32\n0.5\n\"\"\n\"\"\n";
const std::string rootBone = "\"root\"\n\"\"\n0 0 0 0 0 0 0\n0\n0\n";

// A mesh header and its lists, given as the lines after the header.
std::string mesh(int material, const std::string& lists) {
    return "\"m\" 0 " + std::to_string(material) + "\n" + lists;
}

// Triangles naming missing vertices or normals, a missing material and missing bones.
const std::string badIndices =
    "Meshes: 2\n" +
    mesh(1,
         "3\n0 1 1 1 0 0 0\n0 2 2 2 0 0 1\n0 3 3 3 0 0 -2\n2\n0 1 0\n0 1 0\n6\n0 0 1 2 0 1 0 1\n0 0 1 3 0 1 0 1\n"
         "0 -1 1 2 0 1 0 1\n0 0 1 2 0 2 0 1\n0 0 1 2 0 -1 0 1\n0 2 1 0 1 0 1 1\n") +
    mesh(-7, "0\n0\n0\n") + "Materials: 1\n" + material + "Bones: 1\n\"b\"\n\"\"\n0 10 0 0 0 0 1.5707964\n0\n0\n";

// What a model holds: frames and the current one; each mesh's vertices, normals, triangles and material; the
// materials' names; each bone's name, parent and number of keys.
std::string summary(const Model& model) {
    std::ostringstream out;
    out << model.frameCount() << "@" << model.frame();
    for (int i = 0; i < model.meshCount(); ++i) {
        const Mesh& m = model.mesh(i);
        out << " " << m.vertices.size() << "v" << m.normals.size() << "n" << m.triangles.size() << "t@"
            << model.meshMaterial(i);
    }
    for (int i = 0; i < model.materialCount(); ++i) out << " " << model.material(i).name;
    for (int i = 0; i < model.boneCount(); ++i) {
        const Bone& b = model.bone(i);
        out << " " << b.name << (b.parent ? std::string("<") + b.parent->name : "") << ":" << b.positionKeys.size()
            << "/" << b.rotationKeys.size();
    }
    return out.str();
}

using Corners = std::array<Vec3, 3>;

// The plane y = a x + b z + c, with its upward unit normal.
struct Plane {
    float a, b, c;
    Vec3 at(float x, float z) const { return {x, a * x + b * z + c, z}; }
    Corners triangle() const { return {at(0, 0), at(0, 4), at(4, 0)}; }  // counter-clockwise from above
    float normalX() const { return -a / std::sqrt(a * a + b * b + 1); }
    float normalZ() const { return -b / std::sqrt(a * a + b * b + 1); }
};

// Probes a point over the triangles, each a mesh of its own, drawn in order; the result starts as height 0
// with normal components 0.5, so an untouched one shows.
ProbeResult probe(const std::vector<Corners>& triangles, const Vec3& point) {
    std::ostringstream text;
    text << "Meshes: " << triangles.size() << "\n";
    for (const Corners& t : triangles) {
        text << "\"g\" 0 -1\n3\n";
        for (const Vec3& v : t) text << "0 " << v.x << " " << v.y << " " << v.z << " 0 0 -1\n";
        text << "1\n0 1 0\n1\n0 0 1 2 0 0 0 1\n";
    }
    Model model;
    EXPECT_TRUE(load(model, text.str()));
    ProbeResult result{0, 0.5f, 0.5f};
    model.setProbe(true, &point, 1);
    model.setProbeResults(&result);
    model.measureGround();
    return result;
}

Vec3 xz(float x, float z) { return {x, 0, z}; }

}  // namespace

TEST(ModelLoad, FormatCornersTheSameWithLfOrCrLf) {
    const std::string q(45, 'q'), q31(31, 'q'), oneVertex = "0@0 1v0n0t@-1";
    const struct {
        std::string text;
        bool loads;
        std::string holds;
    } cases[] = {
        // Comments, leading blanks, other case and unknown sections are passed over; keywords need no blank.
        {"// Frames: 99\n Frames: 50\nFrames:12\nframes: 77\nGroupComments: 0\nFrame:\t3\n// Meshes: 1\n\n", true,
         "12@3"},
        {"Frames: 3\nFrame: 4\n", true, "3@1"},
        // Cut off in the triangles, by a comment, in a mesh header or in a material: what was read stays, a record
        // not begun or a material or bone cut short is not there, and nothing after it is read.
        {"Meshes: 3\n" + mesh(-1, "1\n0 0 0 0 0 0 -1\n1\n0 1 0\n2\n0 0 0 0 0 0 0 1\n"), true, "0@0 1v1n1t@-1"},
        {"Meshes: 1\n" + mesh(-1, "2\n0 1 1 1 0 0 -1\n// note\n") + "Frames: 5\n", true, oneVertex},
        {"Meshes: 2\n\"a\" 0\n0\n0\n0\n", true, "0@0"},
        {"Materials: 3\n" + material + "\"m\"\n1 1 1 1\n0.5 0.5\n", true, "0@0 plain"},
        {"Bones: 2\n" + rootBone + "\"b\"\n\"\"\n0 0 0 0 0 0 0\n2\n1 2 3 4\n", true, "0@0 root:0/0"},
        // Numbers that are not finite, or integers outside int, don't match.
        {"Meshes: 1\n" + mesh(-1, "2\n0 1 1 1 0 0 -1\n0 1 nan 1 0 0 -1\n"), true, oneVertex},
        {"Meshes: 1\n" + mesh(-1, "2\n0 1 1 1 0 0 -1\n0 1 1 1e39 0 0 -1\n"), true, oneVertex},
        // Huge counts reserve nothing the file doesn't hold; negative ones read nothing.
        {"Materials: 99999999999\nMeshes: -5\nMeshes: 2147483647\n" + mesh(-1, "-2\n-1\n2147483647\n"), true,
         "0@0 0v0n0t@-1"},
        {"Bones: 2000000000\n\"b\"\n\"\"\n0 0 0 0 0 0 0\n2000000000\n1 2 3 4\n", true, "0@0"},
        {badIndices, true, "0@0 3v2n2t@-1 0v0n0t@-1 plain b:0/0"},
        // Parents by name in any case; names cut to 31 characters; a parent no bone has fails the load.
        {"Bones: 3\n\"Kid\"\n\"" + q + "\"\n0 0 1 0 0 0 0\n0\n0\n\"" + q31 +
             "tail\"\n\"\"\n0 5 0 0 0 0 0\n0\n0\n"
             "\"foot\"\n\"KID\"\n0 0 0 1 0 0 0\n0\n0\n",
         true, "0@0 Kid<" + q31 + ":0/0 " + q31 + ":0/0 foot<Kid:0/0"},
        {"Bones: 1\n\"b\"\n\"nobody\"\n0 1 1 1 0 0 0\n0\n0\n", false, "0@0 b:0/0"},
        // Later sections replace earlier ones.
        {"Meshes: 2\n" + mesh(-1, "0\n0\n0\n") + mesh(-1, "0\n0\n0\n") + "Bones: 1\n" + rootBone + "Meshes: 1\n" +
             mesh(-1, "1\n0 3 3 3 0 0 -1\n0\n0\n") + "Bones: 0\n",
         true, oneVertex},
    };
    for (const auto& c : cases) {
        for (const char* end : {"\n", "\r\n"}) {
            std::string text;
            for (char ch : c.text) text += ch == '\n' ? end : std::string(1, ch);
            Model model;
            EXPECT_EQ(load(model, text), c.loads) << c.holds;
            EXPECT_EQ(summary(model), c.holds) << (end[1] ? "CR LF" : "LF");
        }
    }
}

// A vertex naming a missing bone stays unbound; one bound to the bone at x 10, turned a quarter about z, is moved
// into its space; texture v is flipped (1 minus the file's). A missing file leaves the model as it was.
TEST(ModelLoad, BoundVerticesMoveIntoTheirBonesSpaceAndAMissingFileChangesNothing) {
    Model model;
    ASSERT_TRUE(load(model, badIndices));
    const Mesh& bad = model.mesh(0);
    EXPECT_NEAR(bad.vertices[0].position.x, 1.0f, 1e-5f);  // (1, 1, 1) lies 1 along the bone's x and 9 along its y
    EXPECT_NEAR(bad.vertices[0].position.y, 9.0f, 1e-5f);
    EXPECT_EQ(std::make_tuple(bad.vertices[1].position.x, bad.vertices[1].boneIndex, bad.vertices[2].boneIndex,
                              bad.vertices[0].v),
              std::make_tuple(2.0f, -1, -1, 1.0f));
    EXPECT_FALSE(model.load((TempDir().path() + "/missing.txt").c_str()));
    EXPECT_EQ(std::make_tuple(model.meshCount(), model.boneCount()), std::make_tuple(2, 1));
}

// A bone resting at x 5 turned a quarter about z, keyed to move 2 along x from frame 1 to 3 and to turn half round
// x from frame 0 to 4, on a parent resting at (1, 2, 0) turned a quarter about y. Worked by hand: its point (0, 1, 0)
// holds before the keys, is halfway at frame 2 and carries on past them.
TEST(BonePose, KeysInterpolateHoldBeforeTheFirstAndCarryOnPastTheLastOnTheParentsPose) {
    Bone parent, bone;
    parent.position[0] = 1, parent.position[1] = 2, parent.rotation[1] = static_cast<float>(M_PI / 2);
    bone.parent = &parent;
    bone.position[0] = 5, bone.rotation[2] = static_cast<float>(M_PI / 2);
    bone.positionKeys = {{1, {0, 0, 0}}, {3, {2, 0, 0}}};
    bone.rotationKeys = {{0, {0, 0, 0}}, {4, {static_cast<float>(M_PI), 0, 0}}};
    for (auto [frame, x, y, z] : {std::array{0.0f, 1.0f, 2.0f, -4.0f}, {2, 2, 3, -5}, {6, 0, 7, -5}}) {
        parent.animate(frame);
        bone.animate(frame);
        const Vec3 p = bone.finalMatrix.transform({0, 1, 0});
        EXPECT_NEAR(std::hypot(p.x - x, p.y - y, p.z - z), 0, 1e-5) << frame << ": " << p.x << " " << p.y << " " << p.z;
    }
    Bone coincident;  // two keys at one time: at it the first holds, past it the later, never a division by zero
    coincident.positionKeys = {{5, {1, 0, 0}}, {5, {3, 0, 0}}};
    for (auto [frame, x] : {std::pair{5.0f, 1.0f}, {6.0f, 3.0f}}) {
        coincident.animate(frame);
        EXPECT_EQ(coincident.finalMatrix[12], x) << frame;
    }
}

TEST(Probe, TheFirstTriangleDrawnUnderAPointGivesItsHeightAndNormal) {
    const Plane slope{0.5f, 0.25f, 1}, low{0, 0, 1}, high{0.5f, 0, 3}, deep{0, 0, -12}, tilted{0.25f, 0, 0};
    const Plane none{0, 0, noGroundHeight};                       // and the normal left as it was
    const Corners upright = {{{0, 0, 0}, {2, 5, 2}, {4, 0, 4}}};  // all on the line x = z
    const Corners pinched = {{{0, 0, 0}, {0, 3, 0}, {4, 1, 0}}}, needle = {{{1, 1, 1}, {1, 9, 1}, {1, 4, 1}}};
    struct Case {
        std::vector<Corners> triangles;
        Vec3 point;
        Plane ground;
    };
    std::vector<Case> cases = {
        // The first drawn decides unless its ground is below -10; on an edge straight below the opposite corner.
        {{low.triangle(), high.triangle()}, xz(1, 1), low},
        {{high.triangle(), low.triangle()}, xz(1, 1), high},
        {{deep.triangle(), low.triangle()}, xz(1, 1), low},
        {{deep.triangle()}, xz(1, 1), deep},
        {{{{{0, 0, 0}, {2, 0, 1}, {1, 0, 3}}}}, xz(1, -10), none}};
    // Inside, on the edges and at the corners of a sloped triangle, and outside it.
    for (Vec3 p : {xz(1, 1), xz(0.3f, 2.9f), xz(2, 0), xz(0, 2), xz(2, 2), xz(0, 4), xz(4, 0)})
        cases.push_back({{slope.triangle()}, p, slope});
    for (Vec3 p : {xz(3, 3), xz(-1, 1), xz(1, -0.5f), xz(2.01f, 2.01f)}) cases.push_back({{slope.triangle()}, p, none});
    // Triangles upright or collapsed in x and z are passed over.
    for (Vec3 p : {xz(1, 1), xz(2, 0), xz(0, 0)}) {
        cases.push_back({{upright, pinched, needle, tilted.triangle()}, p, tilted});
        cases.push_back({{upright, pinched, needle}, p, none});
    }
    for (const Case& c : cases) {
        ProbeResult r = probe(c.triangles, c.point);
        bool ground = c.ground.c != noGroundHeight;
        EXPECT_NEAR(r.height, c.ground.at(c.point.x, c.point.z).y, 1e-4) << c.point.x << ", " << c.point.z;
        EXPECT_NEAR(r.normalX, ground ? c.ground.normalX() : 0.5f, 1e-6) << c.point.x << ", " << c.point.z;
        EXPECT_NEAR(r.normalZ, ground ? c.ground.normalZ() : 0.5f, 1e-6) << c.point.x << ", " << c.point.z;
    }
    // A point in line with the opposite corner is not taken as inside an edge it lies beyond.
    EXPECT_TRUE(Model::isOutsideEdge(0, 0, 2, 1, 1, 3, 1, -10));
}

// A material's exponent is clamped to what GL takes (else the previous material's stays); a mesh without a
// material draws untextured.
TEST(ModelDraw, TheExponentClampedAndNoTextureWithoutAMaterial) {
    REQUIRE_GL_CONTEXT();
    Model model;
    ASSERT_TRUE(load(model, "Meshes: 1\n" + mesh(-1, "0\n0\n0\n") + "Materials: 1\n" +
                                std::string(material).replace(material.find("\n32\n"), 4, "\n500\n")));
    model.material(0).apply();
    GLfloat shininess = 0;
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
    EXPECT_EQ(shininess, 128.0f);
    glEnable(GL_TEXTURE_2D);
    model.draw();
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
}
