// The rider where the recorded demos (30 frames a second, ordinary runs) never take it:
// other step rates, the fences from every side and the trigger of every mended fault.
#include "common/CourseLayout.h"
#include "rider/Rider.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

// Up to `count` frames at `fps` the way the game runs them, over level ground at `height`,
// stopping early once `done` holds.
void frames(Rider& rider, int count, int fps, float height = 0, const std::function<bool()>& done = {}) {
    for (int frame = 0; frame < count && !(done && done()); ++frame) {
        rider.setFrameRate(fps);
        for (int i = 0; i < rider.pointCount(); ++i) rider.groundSamples()[i] = ProbeResult{height, 0, 0};
        rider.update();
    }
}

// One rider reused by every case, so each reset must put the run back to its start.
class RiderTest : public testing::Test {
protected:
    Rider rider;
    RiderState& s = rider.state();

    void place(const Vec3& position, float heading, float speed) {
        rider.reset();
        s.position = s.takeOffPosition = position;
        s.rotation = Vec3{0, heading, 0};
        s.speed = speed;
        rider.transformPoints();
    }
    // Launched level from `from`, one second into free flight (past the lip and the pop window).
    void fly(const Vec3& from, float speed) {
        place(from, 0, speed);
        s.airborne = true;
        s.onLip = false;
        s.takeOffTime = 0.25f;
        s.expectedAirTime = s.flyTime = 1.0f;
    }
    // High up in the landing approach with the tricks at `trick`, half a second before touch-down.
    void approach(const Vec3& trick, float spinRate, float flipRate) {
        fly(Vec3{0, 100, 0}, 10.0f);
        s.landingApproach = true;
        s.landingTime = s.flyTime + 0.5f;
        s.trickRotation = trick;
        s.spinRate = spinRate;
        s.flipRate = flipRate;
    }
};

// Whatever the step length, a board (or a crashed body) stops on its own side of a fence.
TEST_F(RiderTest, FencesStopTheBoardFromEitherSideAtAnyStepLength) {
    const struct {
        float x, z, heading, speed;
        int fps;
        bool crashed;
    } cases[] = {
        {250, 0, 0, 20, 50, false},   {280, 0, 180, 20, 50, false}, {240, 50, -60, 20, 50, false},
        {240, 80, 60, 20, 50, false}, {240, 0, 0, 60, 20, false},   {240.5f, 0, 0, 60, 20, false},
        {241, 0, 0, 60, 20, false},   {242, 0, 0, 60, 20, false},   {200, 0, 0, 40, 50, true},
    };
    for (const auto& c : cases) {
        place(Vec3{c.x, 0.5f, c.z}, c.heading, c.speed);
        s.stepRate = float(c.fps);
        s.airborne = s.crashed = c.crashed;
        frames(rider, 2000, c.fps, 0, [&] { return s.speed == 0.0f; });
        const Vec3& centre = s.worldPoints[RiderState::centrePoint];
        EXPECT_TRUE(s.speed == 0.0f && (c.x < courseLayout::fenceEndX) == (centre.x < courseLayout::fenceEndX) &&
                    (c.z < courseLayout::fenceSideZ) == (centre.z < courseLayout::fenceSideZ))
            << c.x << " " << c.z << ": " << centre.x << " " << centre.z;
    }
    place(Vec3{0, 0.5f, 0}, 0, 30);  // a crash over no ground has no floor to settle on
    s.airborne = s.crashed = true;
    frames(rider, 20, 50, noGroundHeight);
    EXPECT_EQ(s.position.y, 0.5f);
}

// Tricks turning either way end at a landable pose: a whole or half spin, a whole flip.
TEST_F(RiderTest, TheApproachTurnsTricksTowardALandablePoseWhicheverWayTheyTurn) {
    const struct {
        float spin, spinRate, flip, flipRate, spinTo, flipTo;
    } cases[] = {
        {200, 100, 0, 0, 180, 0},  {5, -100, 0, 0, 0, 0}, {355, -100, 0, 0, 0, 0},
        {160, -100, 0, 0, 180, 0}, {0, 0, 5, 100, 0, 0},  {0, 0, 350, -100, 0, 0},
    };
    const auto offBy = [](float angle, float landable) { return std::fabs(std::remainder(angle - landable, 360.0f)); };
    for (const auto& c : cases) {
        approach(Vec3{0, c.spin, c.flip}, c.spinRate, c.flipRate);
        for (int i = 0; i < 25; ++i) rider.update();
        EXPECT_TRUE(offBy(s.trickRotation.y, c.spinTo) < 1 && offBy(s.trickRotation.z, c.flipTo) < 1)
            << c.spin << " " << c.flip << ": " << s.trickRotation.y << " " << s.trickRotation.z;
    }
    approach(Vec3{0, 0, 10}, 0, 100);
    rider.shiftBalance(0.0f, 3.0f);  // past 1 the balance must not turn the flip correction around
    rider.update();
    EXPECT_LE(s.trickRotation.z, 10.0f);

    approach(Vec3{}, 0, 0);
    s.rotation.z = 10.0f;
    s.landingTime = s.flyTime + 1e-6f;  // a sliver of a step left closes the gap, no more
    rider.update();
    EXPECT_NEAR(s.rotation.z, 0.0f, 1e-4f);
}

// How deep each probe point lies at touch-down (negative: above the ground) and the spin.
TEST_F(RiderTest, LandingsAreJudgedAtTheEdgesOfWhatLands) {
    const struct {
        float spin, nose, tail, chest;
        bool crashes, switched;
    } cases[] = {
        {180, .01f, .01f, -1, false, true}, {0, .01f, .01f, -1, false, false}, {10.5f, .01f, .01f, -1, true, false},
        {349, .01f, .01f, -1, true, false}, {0, 0.1f, -0.5f, -1, true, false}, {0, -0.1f, -0.1f, 0.01f, true, false},
    };
    for (const auto& c : cases) {
        fly(Vec3{0, 10, 0}, 10.0f);
        s.trickRotation.y = c.spin;
        rider.transformPoints();
        const float depth[] = {c.nose, c.tail, -5, c.chest, -1, -5};
        for (int i = 0; i < rider.pointCount(); ++i) s.groundSamples[i].height = s.worldPoints[i].y + depth[i];
        rider.update();
        EXPECT_TRUE(s.crashed == c.crashes && s.airborne == c.crashes && s.landedSwitch == c.switched)
            << "spin " << c.spin << " nose " << c.nose << " tail " << c.tail;
    }
}

// Huge trick rates and a tiny backward one keep the turn in [0, 360): a tiny backward turn must
// not round to 360, nor a backward one stay negative.
TEST_F(RiderTest, TrickTurnsWrapIntoOneTurnAtAnyRate) {
    fly(Vec3{0, 1000, 0}, 0.0f);
    for (float rate : {1e9f, -3e8f, -1e-5f, -10.0f}) {
        s.trickRotation = Vec3{};
        s.spinRate = rate;
        s.flipRate = -rate;
        rider.update();
        const Vec3& t = s.trickRotation;
        EXPECT_TRUE(t.y >= 0 && t.y < 360 && t.z >= 0 && t.z < 360) << rate << ": " << t.y << " " << t.z;
    }
}

}  // namespace
