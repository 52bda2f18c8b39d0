#include "model/Bone.h"
#include "model/Model.h"

#include "ModelFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

namespace {

// An independent row-major reference: rotations built one axis at a time.
using Ref = std::array<std::array<double, 4>, 4>;

Ref identity() {
    Ref m{};
    for (int i = 0; i < 4; ++i) m[i][i] = 1;
    return m;
}

Ref operator*(const Ref& a, const Ref& b) {
    Ref m{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 4; ++k) m[r][c] += a[r][k] * b[k][c];
    return m;
}

Ref move(double x, double y, double z) {
    Ref m = identity();
    m[0][3] = x, m[1][3] = y, m[2][3] = z;
    return m;
}

// About axis 0 (x), 1 (y) or 2 (z), counter-clockwise looking down the axis.
Ref turn(int axis, double angle) {
    Ref m = identity();
    int i = (axis + 1) % 3, j = (axis + 2) % 3;
    m[i][i] = m[j][j] = std::cos(angle);
    m[j][i] = std::sin(angle), m[i][j] = -std::sin(angle);
    return m;
}

Ref euler(double x, double y, double z) { return turn(2, z) * turn(1, y) * turn(0, x); }

void expectSame(const Matrix& actual, const Ref& expected) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_NEAR(actual[4 * c + r], expected[r][c], 1e-5) << r << "," << c;
}

void expectNear(const Vec3& a, double x, double y, double z) {
    EXPECT_NEAR(a.x, x, 1e-5);
    EXPECT_NEAR(a.y, y, 1e-5);
    EXPECT_NEAR(a.z, z, 1e-5);
}

KeyFrame key(float time, float x, float y, float z) { return {time, {x, y, z}}; }

const double quarter = M_PI / 2;

// A root turned a quarter about z at (1, 0, 0), keyed to move 2 along its y
// from frame 1 to 3; an arm 2 along the root's x, keyed to turn a quarter
// about z over the same frames. Vertex 0 at (1, 3, 0) is on the arm, vertex 1
// at (1, 0, 0) on the root.
std::string chain(bool armFirst) {
    std::string root = "\"root\"\n\"\"\n0 1 0 0 0 0 1.5707963\n2\n1 0 0 0\n3 0 2 0\n1\n1 0 0 0\n";
    std::string arm = "\"arm\"\n\"ROOT\"\n0 2 0 0 0 0 0\n0\n2\n1 0 0 0\n3 0 0 1.5707963\n";
    return "Frames: 10\nFrame: 2\nMeshes: 1\n\"m\" 0 -1\n2\n0 1 3 0 0 0 " + std::to_string(armFirst ? 0 : 1) +
           "\n0 1 0 0 0 0 " + std::to_string(armFirst ? 1 : 0) + "\n0\n0\nBones: 2\n" +
           (armFirst ? arm + root : root + arm);
}

const Ref rootRest = move(1, 0, 0) * turn(2, quarter);
const Ref armRest = move(2, 0, 0);

}  // namespace

TEST(BonePose, KeysInterpolateExtendAndDegradeGracefully) {
    Bone bone;
    bone.positionKeys = {key(1, 0, 0, 0), key(30, 29, 58, -29)};
    const float frames[] = {0, 1, 15.5f, 30, 40};
    const float along[] = {0, 0, 14.5f, 29, 39};  // past frame 30 the last segment carries on
    for (int i = 0; i < 5; ++i) {
        bone.animate(frames[i]);
        expectSame(bone.finalMatrix, move(along[i], 2 * along[i], -along[i]));
    }
    bone.position[0] = 5;
    bone.rotation[2] = static_cast<float>(quarter);
    bone.rotationKeys = {key(0, 0, 0, 0), key(10, 1, -2, 0.5f)};
    bone.animate(5);
    expectSame(bone.finalMatrix, move(5, 0, 0) * turn(2, quarter) * move(4, 8, -4) * euler(0.5, -1, 0.25));

    Bone bare;  // no keys: the rest pose
    bare.rotation[0] = 0.3f;
    bare.animate(12);
    expectSame(bare.finalMatrix, turn(0, 0.3));
    // Two keys at one time: past them the later one holds, never a division by zero.
    Bone coincident;
    coincident.positionKeys = {key(5, 1, 0, 0), key(5, 3, 0, 0)};
    coincident.animate(6);
    expectSame(coincident.finalMatrix, move(3, 0, 0));
    coincident.animate(5);
    expectSame(coincident.finalMatrix, move(1, 0, 0));
}

TEST(ModelPose, TwoBoneChainRestAndKeyedPoses) {
    Model model;
    ASSERT_TRUE(ModelFiles::load(model, chain(false)));
    const Bone& root = model.bone(0);
    const Bone& arm = model.bone(1);
    const Mesh& mesh = model.mesh(0);
    ASSERT_EQ(arm.parent, &root);
    // Bound to rest space: one unit along the arm, and the root's origin.
    expectNear(mesh.vertices[0].position, 1, 0, 0);
    expectNear(mesh.vertices[1].position, 0, 0, 0);

    // Frame 2 is halfway through both motions: the arm's vertex ends at
    // (0, 2, 0) + (-sqrt 1/2, sqrt 1/2, 0).
    expectSame(root.finalMatrix, rootRest * move(0, 1, 0));
    expectSame(arm.finalMatrix, rootRest * move(0, 1, 0) * armRest * turn(2, quarter / 2));
    expectNear(arm.finalMatrix.transform(mesh.vertices[0].position), -std::sqrt(0.5), 2 + std::sqrt(0.5), 0);
    // Frame 5 lies past the last keys.
    model.advanceFrame(3);
    expectSame(arm.finalMatrix, rootRest * move(0, 4, 0) * armRest * turn(2, 2 * quarter));
    // Back at rest, the bound vertices land on their file positions.
    model.setupBones();
    expectNear(arm.finalMatrix.transform(mesh.vertices[0].position), 1, 3, 0);
    expectNear(root.finalMatrix.transform(mesh.vertices[1].position), 1, 0, 0);

    // The frame is kept when it lands on the last one, and wraps to 1 past it.
    model.advanceFrame(5);
    EXPECT_FLOAT_EQ(model.getCurrentFrame(), 10.0f);
    model.advanceFrame(0.25f);
    EXPECT_FLOAT_EQ(model.getCurrentFrame(), 1.0f);
    expectSame(root.finalMatrix, rootRest);
}

TEST(ModelPose, ChildListedBeforeItsParentLagsOnePass) {
    Model model;
    ASSERT_TRUE(ModelFiles::load(model, chain(true)));
    const Bone& arm = model.bone(0);
    ASSERT_EQ(arm.parent, &model.bone(1));
    // Set up against the parent's identity, then posed against its rest pose.
    expectNear(model.mesh(0).vertices[0].position, -1, 3, 0);
    expectSame(arm.finalMatrix, rootRest * armRest * turn(2, quarter / 2));
    expectSame(model.bone(1).finalMatrix, rootRest * move(0, 1, 0));
}
