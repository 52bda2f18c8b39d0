#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "RiderSetup.h"

namespace {

void expectPoint(const Vec3& p, float x, float y, float z) {
    EXPECT_NEAR(p.x, x, 1e-5f);
    EXPECT_NEAR(p.y, y, 1e-5f);
    EXPECT_NEAR(p.z, z, 1e-5f);
}

std::string popOutput(Rider& rider) {
    testing::internal::CaptureStdout();
    rider.pop();
    return testing::internal::GetCapturedStdout();
}

}  // namespace

TEST(RiderPoints, ResetKeepsTheArraysAndTransformTurnsAboutHeadingAndPivot) {
    Rider rider;
    rider.update();  // stepping before the first reset stays finite
    EXPECT_TRUE(std::isfinite(rider.position().x));
    rider.reset();
    Vec3* points = rider.worldPoints();
    rider.state().position = Vec3{5, 5, 5};
    rider.reset();
    ASSERT_EQ(rider.worldPoints(), points);
    expectPoint(points[1], -0.92f, 0, 0);
    expectPoint(points[5], 3, 0, 0);

    rider.state().rotation = Vec3{0, 90, 0};
    rider.state().trickRotation = Vec3{0, 0, 180};
    points[5] = Vec3{7, 7, 7};
    rider.transformPoints();
    expectPoint(points[0], 0, 0, -0.92f);  // tricks count only in the air
    expectPoint(points[5], 7, 7, 7);
    rider.state().rotation.z = 30.0f;  // lean, then heading, then pitch
    rider.transformPoints();
    expectPoint(points[3], -0.9f, 1.8f * std::sqrt(0.75f), -0.4f);

    rider.state().rotation = Vec3{};
    rider.state().position = Vec3{1, 2, 3};
    rider.state().airborne = true;
    rider.transformPoints();
    expectPoint(points[0], 1 - 0.92f, 2 + 1.8f, 3);  // half a flip about (0, 0.9, 0)
}

TEST(RiderControls, FrameRateEasesAndNeverStopsTheClock) {
    Rider rider;
    rider.reset();
    rider.setFrameRate(50);
    EXPECT_FLOAT_EQ(rider.state().stepRate, 50.0f);
    rider.setFrameRate(100);
    EXPECT_FLOAT_EQ(rider.state().stepRate, 52.5f);
    rider.state().timeScale = 2.0f;  // a new time scale jumps straight to the target
    rider.setFrameRate(0);
    EXPECT_GE(rider.state().stepRate, 1.0f);
}

TEST(RiderControls, TricksChangeOnlyInTheirWindowAndSteeringOnlyOnTheGround) {
    Rider rider;
    rider.reset();
    for (int timing : {0, 50, 100}) {
        rider.state().timingValue = timing;
        rider.addSpin(90.0f);
        rider.addFlip(45.0f);
    }
    EXPECT_EQ(rider.state().spinRate, 90.0f);
    EXPECT_EQ(rider.state().flipRate, 45.0f);
    rider.state().rotation.y = 57.0f;
    rider.steer(5.0f);  // 62 is past the limit: no turn, no cost
    EXPECT_EQ(rider.rotation().y, 57.0f);
    EXPECT_EQ(rider.speed(), 10.0f);
    rider.steer(2.0f);
    EXPECT_FLOAT_EQ(rider.rotation().y, 59.0f);
    EXPECT_FLOAT_EQ(rider.rotation().x, -2.0f);
    EXPECT_FLOAT_EQ(rider.speed(), 9.87f);
    rider.state().airborne = true;
    rider.steer(-10.0f);
    EXPECT_FLOAT_EQ(rider.rotation().y, 59.0f);
}

TEST(RiderControls, PopBoostsByItsTimingOncePerFlightAndAlwaysSteps) {
    Rider rider;
    startRide(rider);
    EXPECT_EQ(popOutput(rider), "");
    EXPECT_EQ(rider.position().x, 0.0f);  // no step on the ground

    const float windowShares[] = {0.0f, 0.25f, 1.0f, 0.5f};
    const float factors[] = {0.0f, 0.5f, 0.0f, 1.0f};
    for (int i = 0; i < 4; ++i) {
        startFlight(rider, Vec3{0, 100, 0}, 10.0f);
        rider.state().takeOffTime = 0.5f;
        rider.state().flyTime = windowShares[i] * 0.5f;
        std::string lines = popOutput(rider);
        EXPECT_FLOAT_EQ(rider.state().jumpPower, 1.0f + factors[i] * 0.4f) << i;
        EXPECT_EQ(lines.rfind(i == 3 ? "factor:\t1\n" : "factor:\t", 0), 0u) << lines;
        EXPECT_NE(lines.find("\nflyTime:\t"), std::string::npos) << lines;
        EXPECT_NE(lines.find("\ntakeOffTime:\t0.5\n"), std::string::npos) << lines;
    }
    float flyTime = rider.state().flyTime;
    EXPECT_EQ(popOutput(rider), "");  // already boosted this flight
    EXPECT_GT(rider.state().flyTime, flyTime);
    rider.state().jumpPower = 1.0f;
    rider.state().flyTime = 0.6f;  // past the window
    EXPECT_EQ(popOutput(rider), "");
}
