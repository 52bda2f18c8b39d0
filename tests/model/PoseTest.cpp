#include "model/Bone.h"
#include "model/Model.h"

#include "PoseMath.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const double quarterTurn = M_PI / 2;

void expectSame(const Matrix& actual, const PoseMath& expected) {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_NEAR(actual[4 * c + r], expected.at(r, c), 1e-5) << "row " << r << " column " << c;
        }
    }
}

void expectNear(const Vec3& actual, const Vec3& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-5);
    EXPECT_NEAR(actual.y, expected.y, 1e-5);
    EXPECT_NEAR(actual.z, expected.z, 1e-5);
}

KeyFrame key(float time, float x, float y, float z) {
    KeyFrame k;
    k.time = time;
    k.value[0] = x;
    k.value[1] = y;
    k.value[2] = z;
    return k;
}

Vec3 translationOf(const Bone& bone) {
    return {bone.finalMatrix[12], bone.finalMatrix[13], bone.finalMatrix[14]};
}

// A root turned a quarter about z at (1, 0, 0), moved by its keys from frame 1
// to 3; an arm two units along the root's x, turned by its keys over the same frames.
std::string rootBone() {
    return "\"root\"\n\"\"\n0 1 0 0 0 0 1.5707963\n2\n1 0 0 0\n3 0 2 0\n1\n1 0 0 0\n";
}
std::string armBone() {
    return "\"arm\"\n\"ROOT\"\n0 2 0 0 0 0 0\n0\n2\n1 0 0 0\n3 0 0 1.5707963\n";
}

// Vertex 0 at (1, 3, 0) on the arm, vertex 1 at (1, 0, 0) on the root, vertex 2 unbound.
std::string chain(bool childFirst) {
    int arm = childFirst ? 0 : 1, root = childFirst ? 1 : 0;
    return "Frames: 10\nFrame: 2\nMeshes: 1\n\"m\" 0 -1\n3\n0 1 3 0 0 0 " + std::to_string(arm) +
           "\n0 1 0 0 0 0 " + std::to_string(root) + "\n0 5 5 5 0 0 -1\n1\n0 1 0\n1\n0 0 1 2 0 0 0 1\n" +
           "Bones: 2\n" + (childFirst ? armBone() + rootBone() : rootBone() + armBone());
}

PoseMath rootRest() { return PoseMath::translation(1, 0, 0) * PoseMath::rotationZ(quarterTurn); }
PoseMath armRest() { return PoseMath::translation(2, 0, 0); }

}  // namespace

TEST(BonePose, PositionKeysInterpolateAndExtendPastTheLastKey) {
    Bone bone;
    bone.positionKeys = {key(1, 0, 0, 0), key(30, 29, 58, -29)};
    bone.animate(0);
    expectNear(translationOf(bone), {0, 0, 0});
    bone.animate(1);
    expectNear(translationOf(bone), {0, 0, 0});
    bone.animate(15.5f);
    expectNear(translationOf(bone), {14.5f, 29, -14.5f});
    bone.animate(30);
    expectNear(translationOf(bone), {29, 58, -29});
    bone.animate(40);
    expectNear(translationOf(bone), {39, 78, -39});

    // The keyed motion happens in the rest frame of the bone.
    bone.rotation[2] = static_cast<float>(quarterTurn);
    bone.position[0] = 5;
    bone.animate(2);
    expectSame(bone.finalMatrix, PoseMath::translation(5, 0, 0) * PoseMath::rotationZ(quarterTurn) *
                                     PoseMath::translation(1, 2, -1));
}

TEST(BonePose, RotationKeysInterpolateEachAngle) {
    Bone bone;
    bone.position[1] = 3;
    bone.rotationKeys = {key(0, 0, 0, 0), key(10, 1, -2, 0.5f)};
    bone.animate(4);
    expectSame(bone.finalMatrix, PoseMath::translation(0, 3, 0) * PoseMath::euler(0.4, -0.8, 0.2));
}

TEST(BonePose, MissingSingleAndCoincidentKeys) {
    Bone bare;
    bare.position[0] = 2;
    bare.rotation[0] = 0.3f;
    bare.animate(12);
    expectSame(bare.finalMatrix, PoseMath::translation(2, 0, 0) * PoseMath::rotationX(0.3));

    Bone single;
    single.positionKeys = {key(4, 1, 2, 3)};
    for (float t : {0.0f, 4.0f, 100.0f}) {
        single.animate(t);
        expectNear(translationOf(single), {1, 2, 3});
    }

    // Two keys at one time: past them the later key holds, never a division by zero.
    Bone coincident;
    coincident.positionKeys = {key(5, 1, 0, 0), key(5, 3, 0, 0)};
    coincident.rotationKeys = {key(5, 0, 0, 0), key(5, 0, 0, 1)};
    coincident.animate(6);
    expectSame(coincident.finalMatrix, PoseMath::translation(3, 0, 0) * PoseMath::rotationZ(1));
    coincident.animate(5);
    expectNear(translationOf(coincident), {1, 0, 0});
}

TEST(ModelPose, TwoBoneChainRestAndKeyedPoses) {
    TempDir dir;
    Model model;
    ASSERT_TRUE(model.load(dir.write("chain.txt", chain(false)).c_str()));
    const Bone& root = model.bone(0);
    const Bone& arm = model.bone(1);
    ASSERT_EQ(arm.parent, &root);
    const Mesh& mesh = model.mesh(0);

    // Bound vertices sit in their bone's rest space: (1, 3, 0) is one unit
    // along the arm, (1, 0, 0) is the root's origin.
    expectNear(mesh.vertices[0].position, {1, 0, 0});
    expectNear(mesh.vertices[1].position, {0, 0, 0});
    expectNear(mesh.vertices[2].position, {5, 5, 5});

    // Posed at frame 2: halfway through both keyed motions.
    EXPECT_FLOAT_EQ(model.getCurrentFrame(), 2.0f);
    PoseMath rootAt2 = rootRest() * PoseMath::translation(0, 1, 0);
    PoseMath armAt2 = rootAt2 * armRest() * PoseMath::rotationZ(quarterTurn / 2);
    expectSame(root.finalMatrix, rootAt2);
    expectSame(arm.finalMatrix, armAt2);
    const double h = std::sqrt(0.5);
    expectNear(arm.finalMatrix.transform(mesh.vertices[0].position),
               {static_cast<float>(-h), static_cast<float>(2 + h), 0});

    // Frame 5 lies past the last keys: both motions carry on at their last rate.
    model.advanceFrame(3);
    PoseMath rootAt5 = rootRest() * PoseMath::translation(0, 4, 0);
    expectSame(root.finalMatrix, rootAt5);
    expectSame(arm.finalMatrix, rootAt5 * armRest() * PoseMath::rotationZ(2 * quarterTurn));

    // Back in the rest pose, the bound vertices land on their file positions.
    model.setupBones();
    expectSame(arm.finalMatrix, rootRest() * armRest());
    expectNear(arm.finalMatrix.transform(mesh.vertices[0].position), {1, 3, 0});
    expectNear(root.finalMatrix.transform(mesh.vertices[1].position), {1, 0, 0});
}

TEST(ModelPose, ChildListedBeforeItsParentLagsOnePass) {
    TempDir dir;
    Model model;
    ASSERT_TRUE(model.load(dir.write("chain.txt", chain(true)).c_str()));
    const Bone& arm = model.bone(0);
    const Bone& root = model.bone(1);
    ASSERT_EQ(arm.parent, &root);
    // Set up against the parent's identity, so bound to the arm's own rest transform...
    expectNear(model.mesh(0).vertices[0].position, {-1, 3, 0});
    // ...and posed against the parent's rest pose, set up after it.
    expectSame(arm.finalMatrix, rootRest() * armRest() * PoseMath::rotationZ(quarterTurn / 2));
    expectSame(root.finalMatrix, rootRest() * PoseMath::translation(0, 1, 0));
}

TEST(ModelPose, FramesWrapOnlyPastTheLastFrame) {
    TempDir dir;
    Model model;
    ASSERT_TRUE(model.load(dir.write("chain.txt", chain(false)).c_str()));
    model.advanceFrame(8);
    EXPECT_FLOAT_EQ(model.getCurrentFrame(), 10.0f);
    model.advanceFrame(0.25f);
    EXPECT_FLOAT_EQ(model.getCurrentFrame(), 1.0f);
    // Frame 1 is the first key of every motion.
    expectSame(model.bone(0).finalMatrix, rootRest());
}
