// Random: the game's one pseudo-random sequence, shared by the rider's wobble
// and the snow sprays, so the order of calls within a frame matters.
#pragma once

#include <cstdint>

class Random {
public:
    // Next value in 0..32767: state = state * 214013 + 2531011, result (state >> 16) & 32767.
    static int rand();

    // ---- Test and demo support: not part of the game's own API. ----
    // The generator starts at 1 and the game itself never reseeds it; a demo
    // records and restores the state, and tests set it.
    static uint32_t state();
    static void setState(uint32_t state);
};
