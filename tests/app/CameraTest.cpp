#include "app/Camera.h"

#include "support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {
const float pi = 3.14159265f;

// The eye for a target after update, relative to the target.
Vec3 offsetFrom(Camera& camera, const Vec3& target) {
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    camera.update(target);
    const Vec3 eye = camera.eye();
    return {eye.x - target.x, eye.y - target.y, eye.z - target.z};
}

// The eye stands `distance` away horizontally, a sixth of that up, at a
// bearing measured from +z towards +x.
void expectOrbit(const Vec3& offset, float distance, float bearingDegrees) {
    const float bearing = bearingDegrees * pi / 180.0f;
    EXPECT_NEAR(offset.x, std::sin(bearing) * distance, 1e-3f * distance);
    EXPECT_NEAR(offset.y, distance / 6.0f, 1e-4f * distance);
    EXPECT_NEAR(offset.z, std::cos(bearing) * distance, 1e-3f * distance);
}

const Vec3 rider = {3.0f, 4.0f, -5.0f};
}

TEST(Camera, StartsFiftyUnitsOnThePositiveZSideOfTheTarget) {
    REQUIRE_GL_CONTEXT();
    Camera camera;
    expectOrbit(offsetFrom(camera, rider), 50.0f, 0.0f);
}

// Each press turns the eye 4 degrees about the vertical through the target;
// 90 presses bring it back, whichever way.
TEST(Camera, AnglePressesOrbitTheTarget) {
    REQUIRE_GL_CONTEXT();
    Camera camera;
    for (int i = 0; i < 23; ++i) camera.increaseAngle();
    expectOrbit(offsetFrom(camera, rider), 50.0f, 92.0f);  // just past the +x side
    for (int i = 0; i < 67; ++i) camera.increaseAngle();
    expectOrbit(offsetFrom(camera, rider), 50.0f, 0.0f);

    Camera other;
    other.decreaseAngle();
    expectOrbit(offsetFrom(other, rider), 50.0f, -4.0f);
    for (int i = 0; i < 89; ++i) other.decreaseAngle();
    expectOrbit(offsetFrom(other, rider), 50.0f, 0.0f);
}

TEST(Camera, DistanceStaysWithinTenAndTwoHundred) {
    REQUIRE_GL_CONTEXT();
    Camera camera;
    for (int i = 0; i < 20; ++i) camera.moveAway();
    expectOrbit(offsetFrom(camera, rider), 90.0f, 0.0f);
    for (int i = 0; i < 55; ++i) camera.moveAway();
    expectOrbit(offsetFrom(camera, rider), 200.0f, 0.0f);
    camera.moveAway();
    expectOrbit(offsetFrom(camera, rider), 200.0f, 0.0f);

    Camera near;
    for (int i = 0; i < 19; ++i) near.moveCloser();
    expectOrbit(offsetFrom(near, rider), 12.0f, 0.0f);
    near.moveCloser();
    expectOrbit(offsetFrom(near, rider), 10.0f, 0.0f);
    for (int i = 0; i < 5; ++i) near.moveCloser();
    expectOrbit(offsetFrom(near, rider), 10.0f, 0.0f);
    near.moveAway();
    expectOrbit(offsetFrom(near, rider), 12.0f, 0.0f);
}

// The view matrix puts the eye at the origin and the target straight ahead
// down -z, with world up still pointing up on screen.
TEST(Camera, UpdateLooksFromTheEyeAtTheTarget) {
    REQUIRE_GL_CONTEXT();
    Camera camera;
    for (int i = 0; i < 10; ++i) camera.increaseAngle();
    const Vec3 offset = offsetFrom(camera, rider);
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    auto transform = [&m](float x, float y, float z) {
        return Vec3{m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
                    m[2] * x + m[6] * y + m[10] * z + m[14]};
    };
    const Vec3 eye = camera.eye();
    const Vec3 eyeSeen = transform(eye.x, eye.y, eye.z);
    EXPECT_NEAR(eyeSeen.x, 0.0f, 1e-3f);
    EXPECT_NEAR(eyeSeen.y, 0.0f, 1e-3f);
    EXPECT_NEAR(eyeSeen.z, 0.0f, 1e-3f);
    const Vec3 targetSeen = transform(rider.x, rider.y, rider.z);
    const float range = std::sqrt(offset.x * offset.x + offset.y * offset.y + offset.z * offset.z);
    EXPECT_NEAR(targetSeen.x, 0.0f, 1e-3f);
    EXPECT_NEAR(targetSeen.y, 0.0f, 1e-3f);
    EXPECT_NEAR(targetSeen.z, -range, 1e-3f);
    EXPECT_GT(transform(rider.x, rider.y + 1.0f, rider.z).y, targetSeen.y);
}
