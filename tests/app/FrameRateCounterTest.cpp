#include "app/FrameRateCounter.h"

#include <gtest/gtest.h>

TEST(FrameRateCounter, ReportsOncePerSecondCountingFromTheLastReport) {
    FrameRateCounter counter;
    EXPECT_EQ(counter.framesPerSecond(), 50);
    // The first frame always reports, and a single frame reads as 130.
    EXPECT_EQ(counter.countFrame(5000), 130);
    // 60 frames spread over just over a second: the 60th crosses the line.
    for (int frame = 1; frame < 60; ++frame) EXPECT_EQ(counter.countFrame(5000 + frame * 16), 130);
    EXPECT_EQ(counter.countFrame(6001), 60);
    // The next period starts at that report, not at a whole second.
    for (int frame = 1; frame < 30; ++frame) EXPECT_EQ(counter.countFrame(6001 + frame * 30), 60);
    EXPECT_EQ(counter.countFrame(7002), 30);
}

TEST(FrameRateCounter, ExactlyOneSecondIsNotYetAPeriodAndAStallReadsAs130) {
    FrameRateCounter counter;
    counter.countFrame(0);
    counter.countFrame(500);
    EXPECT_EQ(counter.countFrame(1000), 130);
    EXPECT_EQ(counter.countFrame(1001), 3);
    EXPECT_EQ(counter.countFrame(9000), 130);  // one frame in a long period
}

TEST(FrameRateCounter, KeepsCountingAcrossTheClockWrapAndLongUptimes) {
    // Float seconds since boot lose their fraction after days; a 49-day wrap
    // of the millisecond count must not stall or spam reports either.
    FrameRateCounter counter;
    uint32_t start = 0xFFFFFFFFu - 400;
    int last = counter.countFrame(start);
    int reports = 0;
    for (uint32_t frame = 1; frame <= 200; ++frame) {
        int rate = counter.countFrame(start + frame * 10);
        if (rate != last) ++reports;
        last = rate;
    }
    // 101 frames 10 ms apart: the 101st is the first past the second.
    EXPECT_EQ(last, 101);
    EXPECT_EQ(reports, 1);
}
