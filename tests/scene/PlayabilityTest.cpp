// Whole runs on the generated course, with the real height probe and the real
// rider, fed frame by frame as the game feeds them.
#include "model/Model.h"
#include "rider/Rider.h"
#include "support/GlContext.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

namespace {

struct RunFigures {
    bool tookOff = false;
    Vec3 takeOff;
    float airTime = 0.0f;        // simulated seconds in the air
    float trickTime = 0.0f;      // simulated seconds from the trick window to the approach
    Vec3 landing;
    Vec3 rest;
    bool crashed = false;
    bool landedSwitch = false;
    bool resting = false;
};

// What the player does before each step, given the rider.
using Player = std::function<void(Rider&)>;

class Playability : public ::testing::TestWithParam<int> {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(GlContext::ensure());
        previous = std::filesystem::current_path();
        std::filesystem::current_path(TestPaths::data());
        course = new Model();
        ASSERT_TRUE(course->load("models\\kicka.txt"));
    }
    static void TearDownTestSuite() {
        delete course;
        course = nullptr;
        std::filesystem::current_path(previous);
    }

    // Up to two minutes of game time at the given frame rate.
    static RunFigures run(int framesPerSecond, const Player& player = {}) {
        Rider rider;
        rider.reset();
        course->setProbe(true, rider.worldPoints(), rider.pointCount());
        course->setProbeResults(rider.groundSamples());
        RunFigures figures;
        int stillFrames = 0;
        for (int frame = 0; frame < framesPerSecond * 120 && stillFrames < 10; ++frame) {
            rider.setFrameRate(framesPerSecond);
            course->draw();
            if (player) player(rider);
            const bool wasAirborne = rider.isAirborne();
            const float stepSeconds = 1.0f / rider.state().stepRate;
            // A rate dialled in the trick window turns the body from then until the approach.
            const bool tricksTurning = rider.timingValue() >= 1 && rider.timingValue() <= 100 &&
                                       !rider.isLandingApproach();
            rider.update();
            if (!wasAirborne && rider.isAirborne()) {
                figures.tookOff = true;
                figures.takeOff = rider.position();
            }
            if (rider.isAirborne() && !rider.isCrashed()) {
                figures.airTime += stepSeconds;
                if (tricksTurning) figures.trickTime += stepSeconds;
            }
            if (wasAirborne && (!rider.isAirborne() || rider.isCrashed()) && figures.landing.x == 0.0f)
                figures.landing = rider.position();
            stillFrames = rider.speed() == 0.0f ? stillFrames + 1 : 0;
        }
        figures.rest = rider.position();
        figures.crashed = rider.isCrashed();
        figures.landedSwitch = rider.landedSwitch();
        figures.resting = stillFrames >= 10;
        return figures;
    }

    static void print(const char* name, int framesPerSecond, const RunFigures& f) {
        std::printf("playability %-9s %3d fps: take-off (%.1f, %.1f, %.1f), air %.2f s, landing (%.1f, %.1f), "
                    "rest (%.1f, %.1f, %.1f)%s%s\n",
                    name, framesPerSecond, f.takeOff.x, f.takeOff.y, f.takeOff.z, f.airTime, f.landing.x,
                    f.landing.y, f.rest.x, f.rest.y, f.rest.z, f.crashed ? " CRASH" : "",
                    f.landedSwitch ? " switch" : "");
    }

    // Dials a spin rate once, in the first step of the trick window, and keeps
    // the balance point centred through the approach.
    static Player spinner(float degreesPerSecond) {
        return [degreesPerSecond, dialled = false](Rider& rider) mutable {
            int timing = rider.timingValue();
            if (!dialled && timing > 0 && timing < 100) {
                rider.addSpin(degreesPerSecond);
                dialled = true;
            }
            if (rider.isLandingApproach()) rider.shiftBalance(rider.balanceX(), -rider.balanceY());
        };
    }

    static inline Model* course = nullptr;
    static inline std::filesystem::path previous;
};

}  // namespace

TEST_P(Playability, AStraightRunJumpsLandsAndStopsAtTheFinishFence) {
    const int fps = GetParam();
    RunFigures figures = run(fps);
    print("straight", fps, figures);
    ASSERT_TRUE(figures.tookOff);
    EXPECT_NEAR(figures.takeOff.z, 0.0f, 0.5f);
    EXPECT_GE(figures.airTime, 1.5f);
    EXPECT_LE(figures.airTime, 3.0f);
    EXPECT_FALSE(figures.crashed);
    EXPECT_TRUE(figures.resting);
    // Stopped by the fence at x = 265, not by running out of speed before it.
    EXPECT_GT(figures.rest.x, 263.0f);
    EXPECT_LE(figures.rest.x, 265.5f);
}

TEST_P(Playability, APopInTheMiddleOfItsWindowFliesFartherAndStillLands) {
    const int fps = GetParam();
    RunFigures plain = run(fps);
    RunFigures popped = run(fps, [](Rider& rider) {
        const RiderState& state = rider.state();
        if (rider.isAirborne() && state.jumpPower == 1.0f && state.flyTime >= 0.5f * state.takeOffTime)
            rider.pop();
    });
    print("popped", fps, popped);
    EXPECT_FALSE(popped.crashed);
    EXPECT_GT(popped.landing.x, plain.landing.x + 1.0f);
    EXPECT_GT(popped.airTime, plain.airTime);
}

TEST_P(Playability, SpinsLandOnlyNearWholeOrHalfTurns) {
    const int fps = GetParam();
    const float freeFlight = run(fps).trickTime;
    ASSERT_GT(freeFlight, 0.3f);

    RunFigures full = run(fps, spinner(360.0f / freeFlight));
    print("spin 360", fps, full);
    EXPECT_FALSE(full.crashed);
    EXPECT_FALSE(full.landedSwitch);

    RunFigures half = run(fps, spinner(180.0f / freeFlight));
    print("spin 180", fps, half);
    EXPECT_FALSE(half.crashed);
    EXPECT_TRUE(half.landedSwitch);

    RunFigures quarter = run(fps, spinner(90.0f / freeFlight));
    print("spin 90", fps, quarter);
    EXPECT_TRUE(quarter.crashed);
    EXPECT_TRUE(quarter.resting) << "the crash slide comes to rest";
}

INSTANTIATE_TEST_SUITE_P(FrameRates, Playability, ::testing::Values(30, 60, 144));
