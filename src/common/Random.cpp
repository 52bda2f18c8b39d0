#include "common/Random.h"

namespace {
uint32_t generatorState = 1;
}

int Random::rand() {
    generatorState = generatorState * 214013u + 2531011u;
    return static_cast<int>((generatorState >> 16) & 32767u);
}

uint32_t Random::state() { return generatorState; }

void Random::setState(uint32_t state) { generatorState = state; }
