#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "RiderKit.h"
#include "rider/RiderMath.h"

using namespace riderMath;
using RiderControls = RiderTest;

TEST(RiderMath, SlopeFollowsTheHeadingAndOddSamplesStayFinite) {
    EXPECT_NEAR(slopeAngle({0, -0.5f, 0}, 0.0f), -30.0f, 1e-4f);  // climbing toward +x
    EXPECT_NEAR(slopeAngle({0, 0, 0.5f}, 90.0f), 30.0f, 1e-4f);   // the z term is added
    EXPECT_EQ(slopeAngle({0, NAN, 0}, 0.0f), 0.0f);                // a broken normal reads level
    EXPECT_FALSE(hasGround({INFINITY, 0, 0}));
    EXPECT_TRUE(hasGround({noGroundBelow, 0, 0}));
    // Near heading -18.7521 this normal gives asin an argument just past 1 in float.
    const ProbeResult sample{0, 0.946975946f, -0.321304619f};
    const float heading = -18.7524414f;
    ASSERT_GT(sinDegrees(heading) * sample.normalZ + cosDegrees(heading) * sample.normalX, 1.0f);
    EXPECT_NEAR(slopeAngle(sample, heading), 90.0f, 0.1f);
}

TEST_F(RiderControls, PointsTurnByHeadingThenPitchAndFlipAboutThePivotOnlyInTheAir) {
    s.rotation = Vec3{0, 90, 30};
    s.trickRotation = Vec3{0, 0, 180};
    rider.transformPoints();
    EXPECT_LT(distance(s.worldPoints[3], {-0.9f, 1.8f * std::sqrt(0.75f), -0.4f}), 1e-5f);
    s.rotation = Vec3{};
    s.position = Vec3{1, 2, 3};
    s.airborne = true;
    rider.transformPoints();
    EXPECT_LT(distance(s.worldPoints[0], {1 - 0.92f, 2 + 1.8f, 3}), 1e-5f);  // half a flip about (0, 0.9, 0)
}

TEST_F(RiderControls, FrameRateEasesAndTricksAndSteeringActOnlyInTheirWindows) {
    rider.setFrameRate(50);
    rider.setFrameRate(100);
    EXPECT_FLOAT_EQ(s.stepRate, 52.5f);
    s.timeScale = 2.0f;  // a new time scale goes straight to its target
    rider.setFrameRate(30);
    EXPECT_FLOAT_EQ(s.stepRate, 60.0f);
    s.timeScale = 3.0f;
    rider.setFrameRate(0);  // a stalled clock must not make a step last forever
    EXPECT_EQ(s.stepRate, 1.0f);

    for (int timing : {0, 50, 100}) {
        s.timingValue = timing;
        rider.addSpin(90.0f);
        rider.addFlip(45.0f);
    }
    EXPECT_EQ(std::make_tuple(s.spinRate, s.flipRate), std::make_tuple(90.0f, 45.0f));
    s.rotation.y = 57.0f;
    rider.steer(5.0f);  // 62 is past the limit: no turn, no cost
    rider.steer(2.0f);
    EXPECT_EQ(std::make_tuple(s.rotation.x, s.rotation.y), std::make_tuple(-2.0f, 59.0f));
    EXPECT_FLOAT_EQ(s.speed, 9.87f);
    s.airborne = true;
    rider.steer(-10.0f);
    EXPECT_EQ(s.rotation.y, 59.0f);
}

TEST_F(RiderControls, PopBoostsByItsTimingOncePerFlightPrintsItAndAlwaysSteps) {
    const auto pop = [&] {
        testing::internal::CaptureStdout();
        rider.pop();
        return testing::internal::GetCapturedStdout();
    };
    EXPECT_EQ(pop(), "");  // on the ground: no boost and no step
    EXPECT_EQ(s.position.x, 0.0f);
    const struct { float flyTime, factor; const char* lines; } cases[] = {
        {0.0f, 0.0f, "factor:\t0\nflyTime:\t0\ntakeOffTime:\t0.5\n"},
        {0.125f, 0.5f, "factor:\t0.5\nflyTime:\t0.125\ntakeOffTime:\t0.5\n"},
        {0.5f, 0.0f, "factor:\t0\nflyTime:\t0.5\ntakeOffTime:\t0.5\n"},
        {0.25f, 1.0f, "factor:\t1\nflyTime:\t0.25\ntakeOffTime:\t0.5\n"},
    };
    for (const auto& c : cases) {
        fly(Vec3{0, 100, 0}, 10.0f);
        s.takeOffTime = 0.5f;
        s.flyTime = c.flyTime;
        EXPECT_EQ(pop(), c.lines);
        EXPECT_FLOAT_EQ(s.jumpPower, 1.0f + c.factor * 0.4f) << c.flyTime;
    }
    EXPECT_EQ(pop(), "");  // already boosted this flight, but still a step
    EXPECT_NEAR(s.flyTime, 0.25f + 2 / 50.0f, 1e-6f);
    s.jumpPower = 1.0f;
    s.flyTime = 0.6f;  // past the window
    EXPECT_EQ(pop(), "");
}
