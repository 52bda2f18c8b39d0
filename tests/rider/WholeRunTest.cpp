#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "TestGround.h"

namespace {

const float lipX = 72.0f;

float rise(float degrees, float run) { return std::tan(degrees * 3.14159265f / 180.0f) * run; }

// Run-in falling 15 degrees, a 25 degree ramp up to the lip at x 72, a 3 unit
// drop onto a 30 degree landing slope, and the flat finish from x 200 on.
TestGround kickerCourse() {
    const float landingTopY = rise(30.0f, 200.0f - lipX);
    const float lipY = landingTopY + 3.0f;
    const float rampBaseY = lipY - rise(25.0f, 12.0f);
    TestGround course;
    course.addPiece(-20.0f, 60.0f, rampBaseY + rise(15.0f, 80.0f), rampBaseY)
        .addPiece(60.0f, lipX, rampBaseY, lipY)
        .addPiece(lipX, 200.0f, landingTopY, 0.0f)
        .addPiece(200.0f, 400.0f, 0.0f, 0.0f)
        .setHalfWidth(70.0f);
    return course;
}

struct RunFigures {
    Vec3 takeOff, landing, rest;
    float airTime = -1.0f;
};

// Rides until the rider rests after landing or crashes, watching the flight begin and end.
RunFigures ride(Rider& rider, int framesPerSecond) {
    const TestGround course = kickerCourse();
    rider.reset();
    RunFigures run;
    bool wasAirborne = false;
    for (int frame = 0; frame < 60 * framesPerSecond; ++frame) {
        course.frame(rider, framesPerSecond);
        const RiderState& s = rider.state();
        if (s.airborne && !wasAirborne) run.takeOff = s.takeOffPosition;
        if (wasAirborne && !s.airborne) {
            run.landing = s.position;
            run.airTime = s.flyTime;
        }
        wasAirborne = s.airborne;
        if (s.crashed || (run.airTime >= 0.0f && s.speed == 0.0f)) break;
    }
    run.rest = rider.position();
    return run;
}

}  // namespace

TEST(WholeRun, OverTheKickerToTheFinishFenceAtAnyFrameRate) {
    for (int fps : {30, 60, 144}) {
        Rider rider;
        RunFigures run = ride(rider, fps);
        std::printf("whole run: %3d fps: take-off (%.2f, %.2f), air time %.3f s, landing (%.2f, %.2f), "
                    "rest (%.2f, %.2f, %.2f)\n",
                    fps, run.takeOff.x, run.takeOff.y, run.airTime, run.landing.x, run.landing.y, run.rest.x,
                    run.rest.y, run.rest.z);
        SCOPED_TRACE(testing::Message() << fps << " fps");
        EXPECT_NEAR(run.takeOff.x, lipX, 1.0f);
        EXPECT_GT(run.airTime, 1.0f);
        EXPECT_FALSE(rider.isCrashed() || rider.isAirborne() || rider.landedSwitch());
        EXPECT_GT(run.landing.x, lipX + 10.0f);
        EXPECT_LT(run.landing.x, 200.0f);  // on the landing slope
        EXPECT_EQ(rider.speed(), 0.0f);
        EXPECT_TRUE(rider.hitsFence());
        EXPECT_EQ(run.rest.y, 0.0f);
    }
}
