#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <tuple>

#include "RiderKit.h"
#include "common/Random.h"

using FlightStep = RiderTest;

TEST_F(FlightStep, TimingValueAndSlowMotionFollowTheirStretchesAndStayInRange) {
    const struct { float flyTime, takeOffTime; bool approach; float landingTime; int timing; float scale; } cases[] = {
        {0.5f, 0.25f, false, 0, 50, 3.0f},          // trick window half open
        {0.375f, 0.5f, false, 0, -25, 1.75f},       // still in the pop window
        {0.254f, 0.25f, false, 0, 0, 2.016f},       // trick window just opening
        {2.0f, 0.25f, false, 0, 100, 3.0f},         // tricks running
        {2.0f, 0.25f, true, 2.25f, 150, 3.0f},      // a quarter second into the approach
        {1e30f, 0.25f, true, 0, INT_MAX, 3.0f},     // a flight far longer than predicted
        {2.0f, 0.25f, true, NAN, 0, 3.0f},          // no predicted landing time
        {2.0f, INFINITY, false, 0, INT_MIN, 1.0f},  // an endless pop window
    };
    for (const auto& c : cases) {
        fly(Vec3{0, 100, 0}, 0.0f);
        s.flyTime = c.flyTime;
        s.takeOffTime = c.takeOffTime;
        s.landingApproach = c.approach;
        s.landingTime = c.landingTime;
        rider.update();
        EXPECT_EQ(s.timingValue, c.timing) << c.flyTime << " " << c.takeOffTime;
        EXPECT_NEAR(s.timeScale, c.scale, 1e-5f) << c.flyTime << " " << c.takeOffTime;
    }
}

TEST_F(FlightStep, PathPitchAndPredictedLandingFollowTheLaunch) {
    fly(Vec3{1, 50, 2}, 20.0f);
    s.launchAngle = s.takeOffHeading = 30.0f;
    s.jumpPower = 1.4f;  // a pop stretches the whole path at once
    rider.update();      // one second out, and the look-ahead half a second further
    EXPECT_LT(distance(s.position, {1 + 21, 50 + 14 - 4.905f, 2 - 7 * std::sqrt(3.0f)}), 1e-4f);
    EXPECT_NEAR(s.worldPoints[5].y, 50 + 21 - 4.905f * 2.25f, 1e-4f);

    fly(Vec3{0, 100, 0}, 10.0f);
    s.expectedAirTime = 0.0f;  // a level launch expects no air time
    s.takeOffPitch = 12.0f;
    rider.update();
    EXPECT_EQ(s.rotation.z, 12.0f);

    fly(Vec3{0, 10, 0}, 10.0f);
    TestGround::incline(-10).frames(rider, 100, 50, [&] { return s.landingApproach; });
    EXPECT_NEAR(s.landingSlope, 10.0f, 1e-3f);
    EXPECT_FLOAT_EQ(s.landingTime, s.flyTime - 1.0f / 50 + 0.5f);
}

TEST_F(FlightStep, LipHoldsTouchDownTricksAndTimingUntilItsReachOrASlowDrop) {
    fly(Vec3{0, 10, 0}, 10.0f);
    s.onLip = true;
    s.flyTime = 0.0f;
    s.spinRate = 200.0f;
    s.timingValue = 7;
    TestGround::incline(0, 10.5).frames(rider, 1);  // the board already below the surface
    EXPECT_TRUE(s.onLip && s.airborne && !s.crashed && s.timingValue == 7 && s.trickRotation.y == 0.0f);
    TestGround::incline(0, 10).frames(rider, 100, 50, [&] { return !s.onLip; });
    EXPECT_GT(10.0f * s.flyTime, 2.2f);

    fly(Vec3{0, 10, 0}, 0.5f);  // too slow to reach 2.2 units out before sinking 1 unit
    s.onLip = true;
    s.flyTime = 0.0f;
    TestGround::incline(0, 8).frames(rider, 200, 50, [&] { return !s.airborne; });
    EXPECT_FALSE(s.airborne || s.crashed);  // landed on the ledge below
}

TEST_F(FlightStep, TricksWrapIntoRangeAtAnyRateAndABrokenPoseCrashesSomewhereReal) {
    fly(Vec3{0, 1000, 0}, 0.0f);
    s.spinRate = -100.0f;
    s.flipRate = 50.0f;
    rider.update();
    EXPECT_EQ(std::make_tuple(s.trickRotation.y, s.trickRotation.z), std::make_tuple(358.0f, 1.0f));
    for (float rate : {1e9f, -3e8f, -1e-5f}) {  // a tiny backward turn must not round to 360
        s.trickRotation = Vec3{};
        s.spinRate = rate;
        s.flipRate = -rate;
        rider.update();
        const Vec3& t = s.trickRotation;
        EXPECT_TRUE(t.y >= 0 && t.y < 360 && t.z >= 0 && t.z < 360) << rate << ": " << t.y << " " << t.z;
    }

    fly(Vec3{4, 5, 6}, 10.0f);
    s.onLip = true;
    s.position.y = NAN;
    for (int i = 0; i < 10; ++i) rider.update();
    EXPECT_TRUE(s.crashed && std::isfinite(s.position.y) && std::isfinite(s.worldPoints[0].y));
}

using Approach = RiderTest;

TEST_F(Approach, TurnsTricksTowardALandablePoseWhicheverWayTheyTurn) {
    const auto approachWith = [&](float spin, float spinRate, float flip, float flipRate) {
        approach();
        s.trickRotation = Vec3{0, spin, flip};
        s.spinRate = spinRate;
        s.flipRate = flipRate;
        for (int i = 0; i < 25; ++i) rider.update();
        return s.trickRotation;
    };
    const auto offBy = [](float angle, float landable) { return std::fabs(std::remainder(angle - landable, 360.0f)); };
    EXPECT_LT(offBy(approachWith(200, 100, 0, 0).y, 180), 1.0f);
    EXPECT_LT(offBy(approachWith(100, 100, 0, 0).y, 180), 1.0f);  // on round toward 360
    EXPECT_LT(offBy(approachWith(5, -100, 0, 0).y, 0), 1.0f);
    EXPECT_LT(offBy(approachWith(355, -100, 0, 0).y, 0), 1.0f);
    EXPECT_LT(offBy(approachWith(160, -100, 0, 0).y, 180), 1.0f);
    EXPECT_EQ(approachWith(30, 0, 0, 0).y, 30.0f);  // no rate, no correction
    EXPECT_LT(offBy(approachWith(0, 0, 5, 100).z, 0), 1.0f);
    EXPECT_LT(offBy(approachWith(0, 0, 350, -100).z, 0), 1.0f);
    EXPECT_LT(approachWith(0, 0, 100, -400).z, 100.0f);  // on round backward, as 260 forward goes on to 360
}

TEST_F(Approach, PitchMeetsTheSlopeOnTheLastStepAndTheBalanceStaysInBounds) {
    approach();
    s.rotation.z = 10.0f;
    s.landingTime = s.flyTime + 1e-6f;  // a sliver of a step left
    rider.update();
    EXPECT_NEAR(s.rotation.z, 0.0f, 1e-4f);
    s.rotation.z = 10.0f;  // past the predicted time nothing is corrected
    rider.update();
    EXPECT_EQ(s.rotation.z, 10.0f);

    approach();
    s.trickRotation.z = 10.0f;
    s.flipRate = 100.0f;
    rider.shiftBalance(0.0f, 3.0f);  // past 1 the balance must not turn the flip correction around
    rider.update();
    EXPECT_LE(s.trickRotation.z, 10.0f);
    s.balanceX = 1.04f;
    s.balanceY = -3.0f;
    s.balanceVelocityX = s.balanceVelocityY = 0.0f;
    rider.update();
    EXPECT_EQ(std::make_tuple(s.balanceX, s.balanceY), std::make_tuple(1.04f, -1.0f));  // clamped past 1.05 only
}

TEST_F(Approach, WobbleDrawsNoiseInOrderWithAnImpulseEveryTenthOfTheStepRate) {
    approach(150.0f);
    Random::setState(2024);
    const int r1 = 100 - Random::rand() % 200, r2 = 100 - Random::rand() % 200;
    Random::setState(2024);
    rider.update();
    EXPECT_FLOAT_EQ(s.balanceY, 0.1f * (r1 * 0.1f * 0.003f));
    EXPECT_FLOAT_EQ(s.balanceX, 0.1f * (r2 * 0.1f * 0.003f));
    int impulses = 0;
    for (int i = 0; i < 48; ++i, impulses += s.wobbleCounter == 1) rider.update();
    EXPECT_EQ(impulses, 3);
}
