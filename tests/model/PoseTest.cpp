#include "model/Bone.h"
#include "model/Model.h"

#include "ModelFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace {

// An independent row-major reference: rotations built one axis at a time.
using Ref = std::array<std::array<double, 4>, 4>;

Ref operator*(const Ref& a, const Ref& b) {
    Ref m{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 4; ++k) m[r][c] += a[r][k] * b[k][c];
    return m;
}

Ref move(double x, double y, double z) { return {{{1, 0, 0, x}, {0, 1, 0, y}, {0, 0, 1, z}, {0, 0, 0, 1}}}; }

// About axis 0 (x), 1 (y) or 2 (z), counter-clockwise looking down the axis.
Ref turn(int axis, double angle) {
    Ref m = move(0, 0, 0);
    int i = (axis + 1) % 3, j = (axis + 2) % 3;
    m[i][i] = m[j][j] = std::cos(angle);
    m[j][i] = std::sin(angle), m[i][j] = -std::sin(angle);
    return m;
}

void expectSame(const Matrix& actual, const Ref& expected) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_NEAR(actual[4 * c + r], expected[r][c], 1e-5) << r << "," << c;
}

void expectNear(const Vec3& a, double x, double y, double z) {
    EXPECT_NEAR(std::hypot(a.x - x, a.y - y, a.z - z), 0, 1e-5) << a.x << ", " << a.y << ", " << a.z;
}

const double quarter = M_PI / 2;

// A root at (1, 0, 0) turned a quarter about z, keyed to move 2 along its y from frame 1 to 3; an
// arm 2 along the root's x, keyed to turn a quarter about z over the same frames. Vertex 0 at
// (1, 3, 0) is on the arm, vertex 1 at (1, 0, 0) on the root.
std::string chain(bool armFirst) {
    std::string root = "\"root\"\n\"\"\n0 1 0 0 0 0 1.5707963\n2\n1 0 0 0\n3 0 2 0\n1\n1 0 0 0\n";
    std::string arm = "\"arm\"\n\"ROOT\"\n0 2 0 0 0 0 0\n0\n2\n1 0 0 0\n3 0 0 1.5707963\n";
    return "Frames: 10\nFrame: 2\nMeshes: 1\n\"m\" 0 -1\n2\n0 1 3 0 0 0 " + std::to_string(armFirst ? 0 : 1) +
           "\n0 1 0 0 0 0 " + std::to_string(armFirst ? 1 : 0) + "\n0\n0\nBones: 2\n" +
           (armFirst ? arm + root : root + arm);
}

const Ref rootRest = move(1, 0, 0) * turn(2, quarter), armRest = move(2, 0, 0);

}  // namespace

TEST(BonePose, KeysInterpolateHoldBeforeTheFirstCarryOnPastTheLastAndDegradeGracefully) {
    Bone bone;  // rests at x 5 turned a quarter about z
    bone.position[0] = 5;
    bone.rotation[2] = static_cast<float>(quarter);
    bone.positionKeys = {{1, {0, 0, 0}}, {11, {10, 20, -10}}};
    bone.rotationKeys = {{0, {0, 0, 0}}, {10, {1, -2, 0.5f}}};
    for (float frame : {0.0f, 1.0f, 6.0f, 10.0f, 11.0f, 16.0f}) {
        bone.animate(frame);
        double s = std::max(frame - 1.0, 0.0) / 10, r = frame / 10.0;  // how far along each kind of key
        expectSame(bone.finalMatrix, move(5, 0, 0) * turn(2, quarter) * move(10 * s, 20 * s, -10 * s) *
                                         turn(2, 0.5 * r) * turn(1, -2 * r) * turn(0, r));
    }
    Bone bare;  // no keys: the rest pose
    bare.rotation[0] = 0.3f;
    bare.animate(12);
    expectSame(bare.finalMatrix, turn(0, 0.3));
    Bone coincident;  // two keys at one time: past them the later one holds, never a division by zero
    coincident.positionKeys = {{5, {1, 0, 0}}, {5, {3, 0, 0}}};
    coincident.animate(6);
    expectSame(coincident.finalMatrix, move(3, 0, 0));
    coincident.animate(5);
    expectSame(coincident.finalMatrix, move(1, 0, 0));
}

TEST(ModelPose, TwoBoneChainRestBoundVerticesAndKeyedPoses) {
    Model model;
    ASSERT_TRUE(ModelFiles::load(model, chain(false)));
    const Bone &root = model.bone(0), &arm = model.bone(1);
    const Vec3 &onArm = model.mesh(0).vertices[0].position, &onRoot = model.mesh(0).vertices[1].position;
    ASSERT_EQ(arm.parent, &root);
    // Bound to rest space: one unit along the arm, and the root's origin.
    expectNear(onArm, 1, 0, 0);
    expectNear(onRoot, 0, 0, 0);
    // Frame 2 is halfway through both motions: the arm's vertex ends at (0, 2, 0) + (-sqrt 1/2, sqrt 1/2, 0).
    expectSame(root.finalMatrix, rootRest * move(0, 1, 0));
    expectSame(arm.finalMatrix, rootRest * move(0, 1, 0) * armRest * turn(2, quarter / 2));
    expectNear(arm.finalMatrix.transform(onArm), -std::sqrt(0.5), 2 + std::sqrt(0.5), 0);
    model.advanceFrame(3);  // frame 5 lies past the last keys
    expectSame(arm.finalMatrix, rootRest * move(0, 4, 0) * armRest * turn(2, 2 * quarter));
    model.setupBones();  // back at rest, the bound vertices land on their file positions
    expectNear(arm.finalMatrix.transform(onArm), 1, 3, 0);
    expectNear(root.finalMatrix.transform(onRoot), 1, 0, 0);
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
