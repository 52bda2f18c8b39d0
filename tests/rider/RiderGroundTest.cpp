#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>

#include "RiderKit.h"

using GroundStep = RiderTest;

TEST_F(GroundStep, ContactRowsSetTheHeightBorrowNormalsOrStopOffTheCourse) {
    ProbeResult* g = rider.groundSamples();
    g[0] = ProbeResult{1, 0.1f, 0.2f};
    g[1] = ProbeResult{2, 0.3f, 0.4f};
    g[2] = ProbeResult{-30, 0, 0};  // the centre's height never sets the board's
    rider.update();  // a constructed rider steps without a reset or a frame rate
    EXPECT_FLOAT_EQ(s.position.y, 0.38f * 2 + 0.62f * 1);
    g[1].height = noGroundHeight;
    rider.update();
    EXPECT_EQ(g[1].normalX, 0.1f);
    g[0] = ProbeResult{noGroundHeight, 0.5f, 0.5f};
    g[2].height = 0.0f;
    rider.update();
    EXPECT_EQ(g[0].normalZ, 0.2f);
    EXPECT_GT(s.speed, 0.0f);

    s.rotation = Vec3{0, 20, 0};  // only the tail on ground: stop and face down the hill
    s.slopeAngle = 0.0f;
    g[0] = g[2] = ProbeResult{noGroundHeight, 0, 0};
    g[1] = ProbeResult{4, 0, 0};
    rider.update();
    EXPECT_EQ(std::make_tuple(s.speed, s.rotation.y, s.position.y), std::make_tuple(0.0f, 0.0f, 4.0f));
    g[1].height = noGroundHeight;  // none at all: drift back toward the centre line
    s.position.z = 10.0f;
    rider.update();
    EXPECT_FLOAT_EQ(s.position.z, 9.9f);
}

TEST_F(GroundStep, LevelKeepsTheSpeedClimbingStopsItFallingPullsTowardTheLimit) {
    TestGround::incline(0, 2).frames(rider, 100);
    EXPECT_EQ(std::make_tuple(s.speed, s.position.y), std::make_tuple(10.0f, 2.0f));
    EXPECT_NEAR(s.position.x, 20.0f, 0.01f);
    rider.reset();
    TestGround::incline(10).frames(rider, 500);
    EXPECT_EQ(s.speed, 0.0f);
    EXPECT_NEAR(s.rotation.z, 10.0f, 0.01f);
    rider.reset();
    const TestGround falling = TestGround::incline(-30, 1000);
    falling.frames(rider, 100);
    const float v = s.speed;
    falling.frames(rider, 1);
    EXPECT_NEAR(s.speed - v, 0.5f * 0.9f * 9.81f / 50 * (1 - v / 60), 1e-5f);

    rider.reset();
    s.stepRate = 2.0f;  // so few steps a second that plain easing would overshoot the nose's slope
    s.groundSamples[0] = ProbeResult{0, std::sin(20 * float(M_PI) / 180), 0};
    rider.update();
    EXPECT_TRUE(s.slopeAngle > 0.0f && s.slopeAngle <= 20.0f) << s.slopeAngle;
}

TEST_F(GroundStep, FencesStopTheRiderFromEitherSideAtAnyFrameRateAndSoDoesTheCourseEdge) {
    const auto stops = [&](Vec3 start, float heading, float speed, int fps) {
        place(start, Vec3{0, heading, 0}, speed);
        s.stepRate = float(fps);
        TestGround::incline(0).frames(rider, 300, fps);
        return s.speed == 0.0f;
    };
    EXPECT_TRUE(stops({250, 0, 0}, 0, 20, 50) && rider.hitsFence());     // into the finish fence
    EXPECT_TRUE(stops({280, 0, 0}, 180, 20, 50) && rider.hitsFence());   // back in from beyond it
    EXPECT_TRUE(stops({240, 0, 50}, -60, 20, 50) && rider.hitsFence());  // into a side fence
    EXPECT_TRUE(stops({240, 0, 80}, 60, 20, 50) && rider.hitsFence());   // into a side fence from outside
    EXPECT_FALSE(stops({150, 0, 50}, -60, 20, 50) || rider.hitsFence());  // beside the course before the fences
    for (float x = 240.0f; x < 242.5f; x += 0.25f) {  // at 20 fps one step (2.4 units) outruns the board
        EXPECT_TRUE(stops({x, 0, 0}, 0, 60, 20) && rider.worldPoints()[2].x <= 265.0f) << x;
    }

    place(Vec3{}, Vec3{0, 45, 0}, 10.0f);  // off the side of a course 5 units wide
    TestGround::incline(0, 0, 5).frames(rider, 300);
    EXPECT_EQ(std::make_tuple(s.speed, s.rotation.y), std::make_tuple(0.0f, 0.0f));
    EXPECT_LT(s.position.z, -4.0f);
}

TEST_F(GroundStep, TakeOffThresholdShrinksWithSpeedComesOncePerRunAndAlwaysEnds) {
    const struct { float speed, noseSlope; bool hasJumped, flies; } cases[] = {
        {30, 23, false, true}, {30, 22, false, false}, {60, 0.5f, false, true},
        {0, 44, false, false}, {60, 30, true, false},  {0, 50, false, true},  // last: from a standstill
    };
    for (const auto& c : cases) {
        place(Vec3{}, Vec3{}, c.speed);
        if (c.hasJumped) s.hasJumped = true;  // else the reset must have cleared the case before's
        s.groundSamples[0] = ProbeResult{0, std::sin(c.noseSlope * float(M_PI) / 180), 0};
        rider.update();
        EXPECT_EQ(s.airborne, c.flies) << c.speed << " " << c.noseSlope;
        if (!c.flies) continue;
        EXPECT_FLOAT_EQ(s.launchAngle, -s.slopeAngle);
        EXPECT_NEAR(s.takeOffTime, 1.12f * 4 / std::max(c.speed, 1.0f), 1e-5f) << c.speed;  // nose to centre, 4 times
    }
    TestGround::incline(0, -5).frames(rider, 500, 50, [&] { return s.crashed || !s.airborne; });
    EXPECT_TRUE(s.crashed || !s.airborne);
    EXPECT_LT(s.position.y, -4.0f);
}
