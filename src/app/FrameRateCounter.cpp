#include "app/FrameRateCounter.h"

namespace {
constexpr uint32_t reportPeriodMs = 1000;
constexpr int assumedFrameRate = 130;
}  // namespace

int FrameRateCounter::countFrame(uint32_t nowMs) {
    ++frameCount;
    // Unsigned subtraction survives the clock's wrap after 49 days.
    if (!hasReported || nowMs - lastReportMs > reportPeriodMs) {
        hasReported = true;
        lastReportMs = nowMs;
        rate = frameCount == 1 ? assumedFrameRate : frameCount;
        frameCount = 0;
    }
    return rate;
}
