#include "app/FrameRateCounter.h"

#include <gtest/gtest.h>

// The first frame always reports and a lone frame reads as 130; later reports come once more than a second has
// passed since the last one (not at whole seconds), the same across the 49-day wrap of the millisecond clock.
TEST(FrameRateCounter, ReportsOnceASecondCountingFromTheLastReportAcrossTheClocksWrap) {
    for (uint32_t start : {5000u, 0xFFFFFFFFu - 400}) {
        FrameRateCounter counter;
        EXPECT_EQ(counter.framesPerSecond(), 50);
        EXPECT_EQ(counter.countFrame(start), 130);
        for (uint32_t frame = 1; frame < 60; ++frame) EXPECT_EQ(counter.countFrame(start + frame * 16), 130);
        EXPECT_EQ(counter.countFrame(start + 1000), 130) << "exactly a second is not yet a period";
        EXPECT_EQ(counter.countFrame(start + 1001), 61);
        for (uint32_t frame = 1; frame < 30; ++frame) EXPECT_EQ(counter.countFrame(start + 1001 + frame * 30), 61);
        EXPECT_EQ(counter.countFrame(start + 2002), 30);
        EXPECT_EQ(counter.countFrame(start + 9000), 130) << "one frame in a long period";
    }
}
