// CrashSpray: the cloud of snow that follows the rider after a crash.
#pragma once

#include "effects/ParticleSpray.h"

class CrashSpray : public ParticleSpray {
public:
    // 1000 particles, visible and moving from the start; fileName is the particle picture.
    explicit CrashSpray(const char* fileName);
};
