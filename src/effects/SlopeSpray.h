// SlopeSpray: the snow thrown up behind the board while the rider rides on the snow.
#pragma once

#include "effects/ParticleSpray.h"

class SlopeSpray : public ParticleSpray {
public:
    // 500 particles, all invisible at first; fileName is the particle picture.
    explicit SlopeSpray(const char* fileName);
};
