#include "model/Matrix.h"

#include "PoseMath.h"

#include <gtest/gtest.h>

namespace {

void expectSame(const Matrix& actual, const PoseMath& expected) {
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            EXPECT_NEAR(actual[4 * c + r], expected.at(r, c), 1e-5) << "row " << r << " column " << c;
        }
    }
}

Matrix made(const float angles[3], const float offset[3]) {
    Matrix m;
    m.setRotationRadians(angles);
    m.setTranslation(offset);
    return m;
}

}  // namespace

TEST(Matrix, RotationIsZThenYThenXComposed) {
    expectSame(Matrix(), PoseMath::identity());
    const float cases[][3] = {{0.3f, 0.0f, 0.0f}, {0.0f, -1.1f, 0.0f}, {0.0f, 0.0f, 2.0f}, {0.4f, -0.7f, 1.9f}};
    for (const auto& a : cases) {
        Matrix m;
        m.setRotationRadians(a);
        expectSame(m, PoseMath::euler(a[0], a[1], a[2]));
    }
}

TEST(Matrix, SettersKeepTheOtherElements) {
    const float angles[3] = {0.5f, 0.25f, -0.75f};
    const float offset[3] = {4.0f, -5.0f, 6.0f};
    Matrix m = made(angles, offset);
    expectSame(m, PoseMath::translation(4, -5, 6) * PoseMath::euler(0.5, 0.25, -0.75));
    const float other[3] = {1.0f, 2.0f, 3.0f};
    m.setTranslation(other);
    expectSame(m, PoseMath::translation(1, 2, 3) * PoseMath::euler(0.5, 0.25, -0.75));
}

TEST(Matrix, PostMultiplyComposesAffineTransforms) {
    const float a1[3] = {0.2f, 0.9f, -0.4f}, t1[3] = {1.0f, 2.0f, 3.0f};
    const float a2[3] = {-1.2f, 0.1f, 0.6f}, t2[3] = {-3.0f, 0.5f, 7.0f};
    Matrix m = made(a1, t1);
    m.postMultiply(made(a2, t2));
    PoseMath first = PoseMath::translation(1, 2, 3) * PoseMath::euler(0.2, 0.9, -0.4);
    PoseMath second = PoseMath::translation(-3, 0.5, 7) * PoseMath::euler(-1.2, 0.1, 0.6);
    expectSame(m, first * second);

    // Whatever sits in the bottom row, the product is kept affine.
    Matrix skewed;
    skewed[3] = 5.0f;
    skewed[15] = 9.0f;
    skewed.postMultiply(Matrix());
    expectSame(skewed, PoseMath::identity());
}

TEST(Matrix, TransformsAndUndoesRigidTransforms) {
    const float a[3] = {0.7f, -0.3f, 1.4f}, t[3] = {2.0f, -1.0f, 0.5f};
    Matrix m = made(a, t);
    PoseMath reference = PoseMath::translation(2, -1, 0.5) * PoseMath::euler(0.7, -0.3, 1.4);
    Vec3 p{3.0f, 4.0f, -5.0f};
    Vec3 moved = m.transform(p);
    Vec3 expected = reference.apply(p);
    EXPECT_NEAR(moved.x, expected.x, 1e-5);
    EXPECT_NEAR(moved.y, expected.y, 1e-5);
    EXPECT_NEAR(moved.z, expected.z, 1e-5);
    Vec3 back = m.inverseTransformRigid(moved);
    EXPECT_NEAR(back.x, p.x, 1e-5);
    EXPECT_NEAR(back.y, p.y, 1e-5);
    EXPECT_NEAR(back.z, p.z, 1e-5);
}
