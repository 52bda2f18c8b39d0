#include "app/Camera.h"
#include "support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

// The demos see the keys' steps; the limits lie beyond where they go.
TEST(Camera, DistanceStaysBetweenTenAndTwoHundred) {
    REQUIRE_GL_CONTEXT();
    const Vec3 rider = {3.0f, 4.0f, -5.0f};
    const auto range = [&](Camera& camera) {
        glLoadIdentity();
        camera.update(rider);
        return std::hypot(camera.eye().x - rider.x, camera.eye().z - rider.z);
    };
    Camera far, near;
    for (int i = 0; i < 76; ++i) far.moveAway();
    EXPECT_NEAR(range(far), 200.0f, 1e-3f);
    for (int i = 0; i < 21; ++i) near.moveCloser();
    EXPECT_NEAR(range(near), 10.0f, 1e-4f);
    near.moveAway();
    EXPECT_NEAR(range(near), 12.0f, 1e-4f);
}
