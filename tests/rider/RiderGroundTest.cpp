#include <gtest/gtest.h>

#include <cmath>

#include "RiderSetup.h"
#include "TestGround.h"

namespace {

ProbeResult sloping(float height, float degrees) {
    return ProbeResult{height, std::sin(degrees * 3.14159265f / 180.0f), 0.0f};
}

// One ground step at `speed` with the nose over ground of slope a0, the rest level.
Rider afterCrest(float speed, float a0, bool hasJumped = false) {
    Rider rider;
    startRide(rider);
    rider.state().speed = speed;
    rider.state().hasJumped = hasJumped;
    rider.groundSamples()[0] = sloping(0.0f, a0);
    rider.update();
    return rider;
}

// Rides level ground at `speed` from `start` along `heading`; true if stopped.
bool stopsRiding(Vec3 start, float heading, float speed, int framesPerSecond, Rider& rider) {
    startRide(rider);
    for (int i = 0; i < 60; ++i) rider.setFrameRate(framesPerSecond);
    rider.state().position = start;
    rider.state().rotation.y = heading;
    rider.state().speed = speed;
    rider.transformPoints();
    for (int i = 0; i < 300; ++i) TestGround::level(0.0f).frame(rider, framesPerSecond);
    return rider.speed() == 0.0f;
}

}  // namespace

TEST(GroundStep, LevelKeepsTheSpeedClimbingStopsItDescendingPullsToTheLimit) {
    Rider rider;
    startRide(rider);
    for (int i = 0; i < 100; ++i) TestGround::level(2.0f).frame(rider, 50);
    EXPECT_EQ(rider.speed(), 10.0f);
    EXPECT_EQ(rider.position().y, 2.0f);
    EXPECT_NEAR(rider.position().x, 20.0f, 0.01f);

    startRide(rider);
    for (int i = 0; i < 500; ++i) {
        TestGround::incline(10.0f).frame(rider, 50);
        ASSERT_GE(rider.speed(), 0.0f);
    }
    EXPECT_EQ(rider.speed(), 0.0f);
    EXPECT_NEAR(rider.rotation().z, 10.0f, 0.01f);

    startRide(rider);
    for (ProbeResult& sample : rider.state().groundSamples) sample = sloping(0.0f, 30.0f);
    rider.state().slopeAngle = 30.0f;
    rider.state().rotation.z = -30.0f;
    rider.state().speed = 0.0f;
    rider.update();
    EXPECT_NEAR(rider.speed(), 0.5f * 0.9f * 9.81f / 50.0f, 1e-6f);
    rider.state().speed = 59.999f;
    rider.update();
    EXPECT_LE(rider.speed(), 60.0f);
}

TEST(GroundStep, ContactRowsSetTheHeightBorrowNormalsOrStop) {
    Rider rider;
    startRide(rider);
    ProbeResult* s = rider.groundSamples();
    s[0] = ProbeResult{1, 0.1f, 0.2f};
    s[1] = ProbeResult{2, 0.3f, 0.4f};
    s[2] = ProbeResult{-30, 0, 0};  // the centre's height never sets the board's
    rider.update();
    EXPECT_FLOAT_EQ(rider.position().y, 0.38f * 2 + 0.62f * 1);
    s[1].height = noGroundHeight;
    rider.update();
    EXPECT_EQ(s[1].normalX, 0.1f);
    s[0] = ProbeResult{noGroundHeight, 0.5f, 0.5f};
    s[2].height = 0.0f;
    rider.update();
    EXPECT_EQ(s[0].normalZ, 0.2f);
    EXPECT_GT(rider.speed(), 0.0f);

    rider.state().rotation = Vec3{0, 20, 0};
    rider.state().slopeAngle = 0.0f;
    s[0] = s[2] = ProbeResult{noGroundHeight, 0, 0};
    s[1] = ProbeResult{4, 0, 0};
    rider.update();
    EXPECT_EQ(rider.speed(), 0.0f);
    EXPECT_EQ(rider.rotation().y, 0.0f);
    EXPECT_EQ(rider.position().y, 4.0f);
    s[1].height = noGroundHeight;
    rider.state().position.z = 10.0f;
    rider.update();
    EXPECT_FLOAT_EQ(rider.position().z, 9.9f);
}

TEST(GroundStep, FencesAndTheCourseEdgeStopTheRider) {
    struct Case {
        Vec3 start;
        float heading;
        bool stops;
    } cases[] = {
        {{250, 0, 0}, 0, true},      // into the finish fence
        {{280, 0, 0}, 180, true},    // back in from beyond it
        {{240, 0, 50}, -60, true},   // into a side fence
        {{240, 0, 80}, 60, true},    // into a side fence from outside
        {{150, 0, 50}, -60, false},  // beside the course before the fences begin
    };
    Rider rider;
    for (const Case& c : cases) {
        EXPECT_EQ(stopsRiding(c.start, c.heading, 20.0f, 50, rider), c.stops) << c.start.x << " " << c.start.z;
        EXPECT_EQ(rider.hitsFence(), c.stops) << c.start.x << " " << c.start.z;
    }
    // At a low frame rate one step (2.4 units) is longer than the board.
    for (float x = 240.0f; x < 242.5f; x += 0.25f) {
        EXPECT_TRUE(stopsRiding(Vec3{x, 0, 0}, 0, 60.0f, 20, rider)) << x;
        EXPECT_LE(rider.worldPoints()[2].x, 265.0f) << x;
    }

    startRide(rider);
    rider.state().rotation.y = 45.0f;
    for (int i = 0; i < 300; ++i) TestGround::level(0.0f).setHalfWidth(5.0f).frame(rider, 50);
    EXPECT_EQ(rider.speed(), 0.0f);
    EXPECT_EQ(rider.rotation().y, 0.0f);
    EXPECT_LT(rider.position().z, -4.0f);
}

TEST(GroundStep, SlopeEasingNeverOvershootsTheNoseAtFewStepsPerSecond) {
    Rider rider;
    startRide(rider);
    rider.state().stepRate = 2.0f;
    rider.groundSamples()[0] = sloping(0.0f, 20.0f);
    rider.update();
    EXPECT_GT(rider.state().slopeAngle, 0.0f);
    EXPECT_LE(rider.state().slopeAngle, 20.0f);
}

TEST(TakeOff, ThresholdShrinksWithSpeedAndComesOncePerRun) {
    EXPECT_TRUE(afterCrest(30.0f, 23.0f).isAirborne());
    EXPECT_FALSE(afterCrest(30.0f, 22.0f).isAirborne());
    EXPECT_TRUE(afterCrest(60.0f, 0.5f).isAirborne());
    EXPECT_FALSE(afterCrest(0.0f, 44.0f).isAirborne());
    EXPECT_FALSE(afterCrest(60.0f, 30.0f, true).isAirborne());
    const RiderState s = afterCrest(30.0f, 40.0f).state();
    EXPECT_NEAR(s.takeOffTime, 1.12f * 4.0f / 30.0f, 1e-5f);
    EXPECT_FLOAT_EQ(s.launchAngle, -s.slopeAngle);
}

TEST(TakeOff, FromAStandstillTheFlightStillEnds) {
    Rider rider = afterCrest(0.0f, 50.0f);
    ASSERT_TRUE(rider.isAirborne());
    EXPECT_GT(rider.state().takeOffTime, 0.0f);
    EXPECT_TRUE(std::isfinite(rider.state().takeOffTime));
    for (int i = 0; i < 500 && rider.isAirborne() && !rider.isCrashed(); ++i) {
        TestGround::level(-5.0f).frame(rider, 50);
        ASSERT_TRUE(std::isfinite(rider.position().y));
    }
    EXPECT_TRUE(rider.isCrashed() || !rider.isAirborne());
    EXPECT_LT(rider.position().y, -4.0f);
}
