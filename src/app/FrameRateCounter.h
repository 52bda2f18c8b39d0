// FrameRateCounter: counts displayed frames and reports them once a second.
#pragma once

#include <cstdint>

class FrameRateCounter {
public:
    // Counts one frame drawn at nowMs (a wrapping millisecond clock). Once more
    // than a second has passed since the last report (the first call always
    // counts as such), the frames of that period become the rate; a period of
    // a single frame (start-up, a stall) reports 130 instead. Returns the rate.
    int countFrame(uint32_t nowMs);

    int framesPerSecond() const { return rate; }

private:
    // Held as integer milliseconds rather than float seconds since boot, whose
    // fraction is lost after days of uptime.
    uint32_t lastReportMs = 0;
    bool hasReported = false;
    int frameCount = 0;
    int rate = 50;
};
