#include <gtest/gtest.h>

#include <tuple>

#include "RiderKit.h"

using Landing = RiderTest;

TEST_F(Landing, JudgedByTheSpinTheBoardEndsAndTheUpperBody) {
    // How deep each probe point lies in its ground at touch-down (negative: above it).
    const struct { float spin, nose, tail, front, back; bool crashes, switched; } cases[] = {
        {0, .01f, .01f, -1, -1, false, false},    {180, .01f, .01f, -1, -1, false, true},  // clean, switch
        {165, .01f, .01f, -1, -1, true, false},   {195, .01f, .01f, -1, -1, true, false},
        {90, .01f, .01f, -1, -1, true, false},    {10, .01f, .01f, -1, -1, false, false},
        {10.5f, .01f, .01f, -1, -1, true, false}, {350, .01f, .01f, -1, -1, false, false},
        {349, .01f, .01f, -1, -1, true, false},
        {0, 0.1f, -0.5f, -1, -1, true, false},      // nose first, tail high
        {0, 0.1f, -0.3f, -1, -1, false, false},     // nose first, tail close behind
        {0, -0.5f, 0.1f, -1, -1, true, false},      // tail first
        {0, -0.1f, -0.1f, 0.01f, -1, true, false},  // chest first
        {0, -0.1f, -0.1f, -1, 0.01f, true, false},  // back first
    };
    for (const auto& c : cases) {
        fly(Vec3{0, 10, 0}, 10.0f);
        s.trickRotation.y = c.spin;
        s.timingValue = 150;
        rider.transformPoints();
        const float depth[] = {c.nose, c.tail, -5, c.front, c.back, -5};
        for (int i = 0; i < rider.pointCount(); ++i) s.groundSamples[i].height = s.worldPoints[i].y + depth[i];
        rider.update();
        // Either way the flight, its slow motion and its timing end, and no second take-off comes.
        EXPECT_EQ(std::make_tuple(s.crashed, s.airborne, s.landedSwitch, s.trickRotation.y),
                  std::make_tuple(c.crashes, c.crashes, c.switched, c.crashes ? 0.0f : c.spin))
            << "spin " << c.spin << " nose " << c.nose << " tail " << c.tail;
        EXPECT_EQ(std::make_tuple(s.timingValue, s.timeScale, s.hasJumped), std::make_tuple(0, 1.0f, true));
    }
}

using CrashSlide = RiderTest;

TEST_F(CrashSlide, SlowsByThreeUnitsASecondLyingDownThenStopsDeadAtFencesAndOverGroundOnly) {
    const auto crash = [&](float x, float speed) {
        place(Vec3{x, 0.5f, 0}, Vec3{5, 0, -20}, speed);
        s.airborne = s.crashed = true;
    };
    const TestGround level = TestGround::incline(0);
    crash(0, 30);
    int steps = level.frames(rider, 1000, 50, [&] { return s.speed == 0.0f; });
    EXPECT_EQ(s.speed, 0.0f);
    EXPECT_NEAR(steps, (30 - 3) / (3 / 50.0f) + 1, 1.0f);
    EXPECT_EQ(std::make_tuple(s.rotation.x, s.rotation.y), std::make_tuple(0.0f, 90.0f));
    EXPECT_NEAR(s.rotation.z, 90.0f, 0.01f);  // lying down across the slope
    EXPECT_NEAR(s.position.y, 0.12f, 0.001f);

    crash(0, 2.5f);
    level.frames(rider, 1);
    EXPECT_EQ(std::make_tuple(s.speed, s.rotation.z), std::make_tuple(0.0f, -20.0f));  // too slow to lie down

    crash(200, 40);
    level.frames(rider, 2000, 50, [&] { return s.speed == 0.0f; });
    EXPECT_TRUE(s.position.x > 260.0f && s.position.x <= 265.0f) << s.position.x;  // at the finish fence

    crash(0, 30);
    TestGround{}.frames(rider, 20);
    EXPECT_EQ(s.position.y, 0.5f);  // over no ground there is no floor to settle on
}
