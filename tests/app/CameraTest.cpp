#include "app/Camera.h"

#include "support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {
const Vec3 rider = {3.0f, 4.0f, -5.0f};

// After update the eye stands `distance` from the rider horizontally, a sixth
// of that above, at a bearing measured from +z towards +x.
void expectOrbit(Camera& camera, float distance, float bearingDegrees) {
    glLoadIdentity();
    camera.update(rider);
    const Vec3 eye = camera.eye();
    const float bearing = bearingDegrees * 3.14159265f / 180.0f;
    EXPECT_NEAR(eye.x - rider.x, std::sin(bearing) * distance, 1e-3f * distance);
    EXPECT_NEAR(eye.y - rider.y, distance / 6.0f, 1e-4f * distance);
    EXPECT_NEAR(eye.z - rider.z, std::cos(bearing) * distance, 1e-3f * distance);
}
}

TEST(Camera, AngleKeysOrbitInFourDegreeStepsAndComeBackAfterNinety) {
    REQUIRE_GL_CONTEXT();
    Camera camera;
    expectOrbit(camera, 50.0f, 0.0f);
    for (int i = 0; i < 23; ++i) camera.increaseAngle();
    expectOrbit(camera, 50.0f, 92.0f);  // just past the +x side
    for (int i = 0; i < 67; ++i) camera.increaseAngle();
    expectOrbit(camera, 50.0f, 0.0f);
    camera.decreaseAngle();
    expectOrbit(camera, 50.0f, -4.0f);
}

TEST(Camera, DistanceStepsAreClippedToTenAndTwoHundred) {
    REQUIRE_GL_CONTEXT();
    Camera far, near;
    for (int i = 0; i < 20; ++i) far.moveAway();
    expectOrbit(far, 90.0f, 0.0f);
    for (int i = 0; i < 56; ++i) far.moveAway();
    expectOrbit(far, 200.0f, 0.0f);
    for (int i = 0; i < 19; ++i) near.moveCloser();
    expectOrbit(near, 12.0f, 0.0f);
    for (int i = 0; i < 3; ++i) near.moveCloser();
    expectOrbit(near, 10.0f, 0.0f);
    near.moveAway();
    expectOrbit(near, 12.0f, 0.0f);
}

// The view matrix takes the eye to the origin and the rider straight ahead down -z.
TEST(Camera, UpdateLooksFromTheEyeAtTheTarget) {
    REQUIRE_GL_CONTEXT();
    Camera camera;
    for (int i = 0; i < 10; ++i) camera.increaseAngle();
    glLoadIdentity();
    camera.update(rider);
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    const auto seen = [&m](const Vec3& p, int row) { return m[row] * p.x + m[4 + row] * p.y + m[8 + row] * p.z + m[12 + row]; };
    const Vec3 eye = camera.eye();
    const float range = std::hypot(eye.x - rider.x, eye.y - rider.y, eye.z - rider.z);
    for (int row = 0; row < 3; ++row) {
        EXPECT_NEAR(seen(eye, row), 0.0f, 1e-3f);
        EXPECT_NEAR(seen(rider, row), row == 2 ? -range : 0.0f, 1e-3f);
    }
    EXPECT_GT(seen({rider.x, rider.y + 1.0f, rider.z}, 1), 0.5f);  // up stays up
}
