#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "RiderSetup.h"
#include "TestGround.h"
#include "common/Random.h"

namespace {

// High above the ground, in the landing approach with half a second to go.
void startApproach(Rider& rider, float stepRate) {
    startFlight(rider, Vec3{0, 100, 0}, 10.0f);
    rider.state().stepRate = stepRate;
    rider.state().landingApproach = true;
    rider.state().landingTime = rider.state().flyTime + 0.5f;
}

// The spin and flip reached after an approach up to the predicted landing time.
Vec3 approachWith(float spin, float spinRate, float flip, float flipRate) {
    Rider rider;
    startApproach(rider, 50.0f);
    rider.state().trickRotation = Vec3{0, spin, flip};
    rider.state().spinRate = spinRate;
    rider.state().flipRate = flipRate;
    for (int i = 0; i < 25; ++i) rider.update();
    return rider.trickRotation();
}

float offLevel(float angle) { return std::fmin(angle, 360.0f - angle); }

}  // namespace

TEST(FlightStep, SlowsTimeAndFliesFromTheLaunchWithItsPower) {
    Rider rider;
    startFlight(rider, Vec3{1, 50, 2}, 20.0f);
    RiderState& s = rider.state();
    s.flyTime = 0.5f * s.takeOffTime;
    rider.update();
    EXPECT_FLOAT_EQ(s.timeScale, 1.5f);
    s.flyTime = 1.5f * s.takeOffTime;
    rider.update();
    EXPECT_FLOAT_EQ(s.timeScale, 2.5f);
    s.flyTime = 2.0f * s.takeOffTime;
    rider.update();
    EXPECT_FLOAT_EQ(s.timeScale, 3.0f);

    s.launchAngle = s.takeOffHeading = 30.0f;
    s.flyTime = 0.0f;
    rider.update();
    EXPECT_FLOAT_EQ(s.position.y, 50.0f);
    EXPECT_FLOAT_EQ(s.position.z, 2.0f);
    EXPECT_NEAR(rider.worldPoints()[5].y, 50.0f + 0.5f * 20.0f * 0.5f - 9.81f * 0.125f, 1e-4f);
    s.flyTime = 1.0f;
    rider.update();
    Vec3 plain = s.position;
    s.flyTime = 1.0f;
    s.jumpPower = 1.4f;  // a pop lifts the whole remaining path at once
    rider.update();
    EXPECT_NEAR(s.position.y - plain.y, 0.5f * 0.4f * 20.0f, 1e-4f);
    EXPECT_LT(s.position.z, plain.z);  // farther along heading 30
}

TEST(FlightStep, TimingValueFollowsTheStretchesAndStaysAnInt) {
    struct Case {
        float flyTime, takeOffTime;
        bool approach;
        float landingTime;
        int expected;
    } cases[] = {
        {0.5f, 0.25f, false, 0, 50},        // trick window half open
        {0.375f, 0.5f, false, 0, -25},      // still in the pop window
        {0.254f, 0.25f, false, 0, 0},       // window just opening
        {2.0f, 0.25f, false, 0, 100},       // tricks running
        {2.0f, 0.25f, true, 2.25f, 150},    // a quarter second into the approach
        {1e30f, 0.25f, true, 0, INT_MAX},   // a flight far longer than predicted
        {2.0f, 0.25f, true, std::nanf(""), 0},
        {2.0f, INFINITY, false, 0, INT_MIN},
    };
    for (const Case& c : cases) {
        Rider rider;
        startFlight(rider, Vec3{0, 100, 0}, 0.0f);
        rider.state().flyTime = c.flyTime;
        rider.state().takeOffTime = c.takeOffTime;
        rider.state().landingApproach = c.approach;
        rider.state().landingTime = c.landingTime;
        rider.update();
        EXPECT_EQ(rider.timingValue(), c.expected) << c.flyTime;
    }
}

TEST(FlightStep, LipHoldsTouchDownAndTricksAndEndsOnReachOrDrop) {
    Rider rider;
    startFlight(rider, Vec3{0, 10, 0}, 10.0f);
    RiderState& s = rider.state();
    s.onLip = true;
    s.flyTime = 0.0f;
    s.spinRate = 200.0f;
    s.timingValue = 7;
    const TestGround kicker = TestGround::level(10.0f);
    kicker.frame(rider, 50);
    EXPECT_TRUE(s.onLip && !rider.isCrashed());
    EXPECT_EQ(s.timingValue, 7);
    EXPECT_EQ(s.trickRotation.y, 0.0f);
    for (int i = 0; i < 100 && s.onLip; ++i) kicker.frame(rider, 50);
    EXPECT_FALSE(s.onLip);
    EXPECT_GT(10.0f * s.flyTime, 2.2f);

    // Too slow to reach 2.2 units out before sinking: it lands on the ledge below.
    startFlight(rider, Vec3{0, 10, 0}, 0.5f);
    s.onLip = true;
    s.flyTime = 0.0f;
    for (int i = 0; i < 200 && rider.isAirborne(); ++i) TestGround::level(8.0f).frame(rider, 50);
    EXPECT_FALSE(rider.isAirborne() || rider.isCrashed());
}

TEST(FlightStep, TricksTurnByTheirRatesAndWrapIntoRangeAtAnyRate) {
    Rider rider;
    startFlight(rider, Vec3{0, 1000, 0}, 0.0f);
    rider.state().spinRate = -100.0f;
    rider.state().flipRate = 50.0f;
    rider.update();
    EXPECT_FLOAT_EQ(rider.trickRotation().y, 358.0f);
    EXPECT_FLOAT_EQ(rider.trickRotation().z, 1.0f);
    rider.state().spinRate = 1e9f;
    rider.state().flipRate = -3e8f;
    for (int i = 0; i < 5; ++i) {
        rider.update();
        const Vec3& t = rider.trickRotation();
        EXPECT_TRUE(t.y >= 0 && t.y < 360 && t.z >= 0 && t.z < 360) << t.y << " " << t.z;
    }
}

TEST(FlightStep, LevelLaunchKeepsItsPitch) {
    Rider rider;
    startFlight(rider, Vec3{0, 100, 0}, 10.0f);
    rider.state().expectedAirTime = 0.0f;
    rider.state().takeOffPitch = 12.0f;
    rider.update();
    EXPECT_EQ(rider.rotation().z, 12.0f);
}

TEST(FlightStep, PredictsTheLandingFromTheGroundAhead) {
    Rider rider;
    startFlight(rider, Vec3{0, 10, 0}, 10.0f);
    for (int i = 0; i < 100 && !rider.isLandingApproach(); ++i) TestGround::incline(-10.0f).frame(rider, 50);
    ASSERT_TRUE(rider.isLandingApproach());
    const RiderState& s = rider.state();
    EXPECT_NEAR(s.landingSlope, 10.0f, 1e-3f);
    EXPECT_FLOAT_EQ(s.landingTime, s.flyTime - 1.0f / s.stepRate + 0.5f);
}

TEST(Approach, TurnsTricksTowardTheNearestLandablePoseWhicheverWayTheyTurn) {
    EXPECT_NEAR(approachWith(200, 100, 0, 0).y, 180.0f, 1.0f);
    EXPECT_GT(approachWith(100, 100, 0, 0).y, 150.0f);  // on round toward 360
    EXPECT_NEAR(offLevel(approachWith(5, 100, 0, 0).y), 0.0f, 1.0f);
    EXPECT_NEAR(offLevel(approachWith(5, -100, 0, 0).y), 0.0f, 1.0f);
    EXPECT_NEAR(offLevel(approachWith(355, -100, 0, 0).y), 0.0f, 1.0f);
    EXPECT_NEAR(approachWith(160, -100, 0, 0).y, 180.0f, 1.0f);
    EXPECT_NEAR(offLevel(approachWith(0, 0, 5, 100).z), 0.0f, 1.0f);
    EXPECT_NEAR(offLevel(approachWith(0, 0, 5, -100).z), 0.0f, 1.0f);
    EXPECT_NEAR(offLevel(approachWith(0, 0, 350, -100).z), 0.0f, 1.0f);
    EXPECT_EQ(approachWith(30, 0, 0, 0).y, 30.0f);  // no rate, no correction
}

TEST(Approach, PitchMeetsTheSlopeWithoutOvershootAndBalanceNeverReversesTheFlip) {
    Rider rider;
    startApproach(rider, 50.0f);
    RiderState& s = rider.state();
    s.landingSlope = 0.0f;
    s.rotation.z = 10.0f;
    s.landingTime = s.flyTime + 1e-6f;  // a sliver of a step left
    rider.update();
    EXPECT_NEAR(rider.rotation().z, 0.0f, 1e-4f);
    s.rotation.z = 10.0f;  // past the predicted time nothing is corrected
    rider.update();
    EXPECT_EQ(rider.rotation().z, 10.0f);

    startApproach(rider, 50.0f);
    s.trickRotation.z = 10.0f;
    s.flipRate = 100.0f;
    rider.shiftBalance(0.0f, 3.0f);
    rider.update();
    EXPECT_LE(rider.trickRotation().z, 10.0f);
}

TEST(Wobble, DrawsNoiseInOrderImpulsesEveryTenthOfTheStepRateAndClamps) {
    Rider rider;
    startApproach(rider, 150.0f);
    Random::setState(2024);
    int r1 = 100 - Random::rand() % 200;
    int r2 = 100 - Random::rand() % 200;
    Random::setState(2024);
    rider.update();
    EXPECT_FLOAT_EQ(rider.balanceY(), 0.1f * (r1 * 0.1f * 0.003f));
    EXPECT_FLOAT_EQ(rider.balanceX(), 0.1f * (r2 * 0.1f * 0.003f));
    int impulses = 0;
    for (int i = 0; i < 48; ++i) {
        rider.update();
        impulses += rider.state().wobbleCounter == 1;
    }
    EXPECT_EQ(impulses, 3);

    RiderState& s = rider.state();
    s.balanceX = 1.04f;
    s.balanceY = -3.0f;
    s.balanceVelocityX = s.balanceVelocityY = 0.0f;
    s.wobbleCounter = 0;
    rider.update();
    EXPECT_FLOAT_EQ(rider.balanceX(), 1.04f);
    EXPECT_EQ(rider.balanceY(), -1.0f);
}

TEST(FlightStep, ABrokenPoseCrashesSomewhereReal) {
    Rider rider;
    startFlight(rider, Vec3{4, 5, 6}, 10.0f);
    rider.state().onLip = true;
    rider.state().position.y = std::nanf("");
    rider.transformPoints();
    for (int i = 0; i < 10; ++i) rider.update();
    EXPECT_TRUE(rider.isCrashed());
    EXPECT_TRUE(std::isfinite(rider.position().y) && std::isfinite(rider.worldPoints()[0].y));
}
