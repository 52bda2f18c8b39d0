#include <gtest/gtest.h>

#include "RiderSetup.h"
#include "TestGround.h"

namespace {

// How deep each probe point lies in its ground at touch-down (negative: above it).
struct Depths {
    float nose, tail, front, back;
};

void touchDown(Rider& rider, float spin, Depths depths) {
    startFlight(rider, Vec3{0, 10, 0}, 10.0f);
    rider.state().trickRotation.y = spin;
    rider.state().timingValue = 150;
    rider.transformPoints();
    const float depth[] = {depths.nose, depths.tail, -5.0f, depths.front, depths.back, -5.0f};
    for (int i = 0; i < rider.pointCount(); ++i) {
        rider.groundSamples()[i].height = rider.worldPoints()[i].y + depth[i];
    }
    rider.update();
}

void startCrashSlide(Rider& rider, float x, float speed) {
    startRide(rider);
    rider.state().airborne = rider.state().crashed = true;
    rider.state().position = Vec3{x, 0.5f, 0};
    rider.state().rotation = Vec3{5, 0, -20};
    rider.state().speed = speed;
    rider.transformPoints();
}

}  // namespace

TEST(LandingJudgement, BoardEndsUpperBodyAndSpinDecide) {
    const Depths flat{0.01f, 0.01f, -1, -1};
    struct Case {
        float spin;
        Depths depths;
        bool crashes, switched;
    } cases[] = {
        {0, flat, false, false},    {180, flat, false, true},   {165, flat, true, false},
        {195, flat, true, false},   {90, flat, true, false},    {10, flat, false, false},
        {10.5f, flat, true, false}, {350, flat, false, false},  {349, flat, true, false},
        {0, {0.1f, -0.5f, -1, -1}, true, false},    // nose first, tail high
        {0, {0.1f, -0.3f, -1, -1}, false, false},   // nose first, tail close behind
        {0, {-0.5f, 0.1f, -1, -1}, true, false},    // tail first
        {0, {-0.1f, -0.1f, 0.01f, -1}, true, false},  // chest first
        {0, {-0.1f, -0.1f, -1, 0.01f}, true, false},  // back first
    };
    for (const Case& c : cases) {
        Rider rider;
        touchDown(rider, c.spin, c.depths);
        SCOPED_TRACE(testing::Message() << "spin " << c.spin << " nose " << c.depths.nose);
        EXPECT_EQ(rider.isCrashed(), c.crashes);
        EXPECT_EQ(rider.isAirborne(), c.crashes);
        EXPECT_EQ(rider.landedSwitch(), c.switched);
        EXPECT_EQ(rider.timingValue(), 0);
        EXPECT_TRUE(rider.state().hasJumped);  // no second take-off this run
        EXPECT_EQ(rider.state().timeScale, 1.0f);
        EXPECT_EQ(rider.trickRotation().y, c.crashes ? 0.0f : c.spin);
    }
}

TEST(CrashSlide, SlowsByThreeUnitsPerSecondLyingDownThenStopsDead) {
    Rider rider;
    startCrashSlide(rider, 0.0f, 30.0f);
    int steps = 0;
    for (; rider.speed() != 0.0f && steps < 1000; ++steps) {
        float before = rider.speed();
        TestGround::level(0.0f).frame(rider, 50);
        ASSERT_EQ(rider.speed(), before > 3.0f ? before - 3.0f / 50.0f : 0.0f) << steps;
    }
    EXPECT_NEAR(steps, 27.0f / 0.06f + 1.0f, 1.0f);
    EXPECT_EQ(rider.rotation().y, 90.0f);
    EXPECT_EQ(rider.rotation().x, 0.0f);
    EXPECT_NEAR(rider.rotation().z, 90.0f, 0.01f);
    EXPECT_NEAR(rider.position().y, 0.12f, 0.001f);
    float restX = rider.position().x;
    TestGround::level(0.0f).frame(rider, 50);
    EXPECT_EQ(rider.position().x, restX);

    startCrashSlide(rider, 0.0f, 2.5f);
    TestGround::level(0.0f).frame(rider, 50);
    EXPECT_EQ(rider.speed(), 0.0f);
    EXPECT_EQ(rider.rotation().z, -20.0f);  // no lying down
}

TEST(CrashSlide, StopsAtTheFinishFenceAndSettlesOnlyOverGround) {
    Rider rider;
    startCrashSlide(rider, 200.0f, 40.0f);
    for (int i = 0; i < 2000 && rider.speed() != 0.0f; ++i) TestGround::level(0.0f).frame(rider, 50);
    EXPECT_EQ(rider.speed(), 0.0f);
    EXPECT_GT(rider.position().x, 260.0f);
    EXPECT_LE(rider.position().x, 265.0f);

    startCrashSlide(rider, 0.0f, 30.0f);
    for (int i = 0; i < 20; ++i) TestGround().frame(rider, 50);
    EXPECT_EQ(rider.position().y, 0.5f);
}
