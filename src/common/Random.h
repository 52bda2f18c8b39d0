// Random: the game's one pseudo-random sequence, shared by the rider's wobble
// and the snow sprays, so the order of calls within a frame matters.
#pragma once

#include <cstdint>

class Random {
public:
    // Next value in 0..32767: state = state * 214013 + 2531011, result (state >> 16) & 32767.
    static int rand();

    // The generator starts at 1 and the game never reseeds it; tests use these.
    static uint32_t state();
    static void setState(uint32_t state);
};
