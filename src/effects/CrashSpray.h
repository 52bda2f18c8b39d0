// CrashSpray: the cloud of snow that follows the rider after a crash.
#pragma once

#include "effects/ParticleSpray.h"

class CrashSpray {
public:
    // 1000 particles, visible and moving from the start; fileName is the particle picture.
    explicit CrashSpray(const char* fileName);
    virtual ~CrashSpray();
    CrashSpray(const CrashSpray&) = delete;
    CrashSpray& operator=(const CrashSpray&) = delete;

    // Called in the rider's frame with the rider's speed; see ParticleSpray::draw.
    void draw(float speed, bool paused) { spray.draw(speed, paused); }

    const std::vector<SprayParticle>& particles() const { return spray.particles(); }
    const SprayConstants& constants() const { return spray.constants(); }
    unsigned int texture() const { return spray.texture(); }

private:
    ParticleSpray spray;
};
