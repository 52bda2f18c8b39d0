// Clock: milliseconds from a monotonic clock, as an unsigned 32-bit count that
// wraps after about 49 days (callers subtract, so the wrap is harmless).
#pragma once

#include <cstdint>

class Clock {
public:
    static uint32_t milliseconds();
};
