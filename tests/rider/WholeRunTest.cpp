#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "RiderKit.h"

TEST(WholeRun, OverTheKickerToTheFinishFenceAtAnyFrameRate) {
    const double lipX = 72.0;
    const auto rise = [](double degrees, double run) { return std::tan(degrees * M_PI / 180.0) * run; };
    // Run-in falling 15 degrees, a 25 degree ramp up to the lip at x 72, a 3 unit drop onto a
    // 30 degree landing slope, and the flat finish from x 200 on, 70 units either side.
    const double landingTopY = rise(30, 200 - lipX), lipY = landingTopY + 3, rampBaseY = lipY - rise(25, 12);
    const TestGround course{{{-20, 60, rampBaseY + rise(15, 80), rampBaseY},
                             {60, lipX, rampBaseY, lipY},
                             {lipX, 200, landingTopY, 0},
                             {200, 400, 0, 0}},
                            70};
    for (int fps : {30, 60, 144}) {
        Rider rider;
        const RiderState& s = rider.state();
        Vec3 landing;  // where it was last seen in the air, where it touched down
        course.frames(rider, 60 * fps, fps, [&] {
            if (s.airborne) landing = s.position;
            return s.crashed || (s.hasJumped && !s.airborne && s.speed == 0.0f);
        });
        std::printf("whole run: %3d fps: take-off (%.2f, %.2f), air time %.3f s, landing (%.2f, %.2f), "
                    "rest (%.2f, %.2f, %.2f)\n",
                    fps, s.takeOffPosition.x, s.takeOffPosition.y, s.flyTime, landing.x, landing.y, s.position.x,
                    s.position.y, s.position.z);
        SCOPED_TRACE(testing::Message() << fps << " fps");
        EXPECT_NEAR(s.takeOffPosition.x, lipX, 1.0f);
        EXPECT_GT(s.flyTime, 1.0f);
        EXPECT_FALSE(s.crashed || s.airborne || s.landedSwitch);
        EXPECT_TRUE(landing.x > lipX + 10.0f && landing.x < 200.0f) << landing.x;  // on the landing slope
        EXPECT_EQ(s.speed, 0.0f);
        EXPECT_TRUE(rider.hitsFence());
        EXPECT_EQ(s.position.y, 0.0f);
    }
}
