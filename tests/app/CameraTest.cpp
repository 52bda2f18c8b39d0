#include "app/Camera.h"
#include "support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {
const Vec3 rider = {3.0f, 4.0f, -5.0f};

float range(Camera& camera) {
    glLoadIdentity();
    camera.update(rider);
    const Vec3 eye = camera.eye();
    return std::hypot(eye.x - rider.x, eye.z - rider.z);
}
}  // namespace

// The demos see the keys' steps; the limits lie beyond where they go.
TEST(Camera, DistanceStaysBetweenTenAndTwoHundred) {
    REQUIRE_GL_CONTEXT();
    Camera far, near;
    for (int i = 0; i < 76; ++i) far.moveAway();
    EXPECT_NEAR(range(far), 200.0f, 1e-3f);
    for (int i = 0; i < 21; ++i) near.moveCloser();
    EXPECT_NEAR(range(near), 10.0f, 1e-4f);
    near.moveAway();
    EXPECT_NEAR(range(near), 12.0f, 1e-4f);
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
    const auto seen = [&m](const Vec3& p, int row) {
        return m[row] * p.x + m[4 + row] * p.y + m[8 + row] * p.z + m[12 + row];
    };
    const Vec3 eye = camera.eye();
    const float distance = std::hypot(eye.x - rider.x, eye.y - rider.y, eye.z - rider.z);
    for (int row = 0; row < 3; ++row) {
        EXPECT_NEAR(seen(eye, row), 0.0f, 1e-3f);
        EXPECT_NEAR(seen(rider, row), row == 2 ? -distance : 0.0f, 1e-3f);
    }
    EXPECT_GT(seen({rider.x, rider.y + 1.0f, rider.z}, 1), 0.5f);  // up stays up
}
