// SlopeSpray: the snow thrown up behind the board while the rider rides on the snow.
#pragma once

#include "effects/ParticleSpray.h"

class SlopeSpray {
public:
    // 500 particles, all invisible at first; fileName is the particle picture.
    explicit SlopeSpray(const char* fileName);
    virtual ~SlopeSpray();
    SlopeSpray(const SlopeSpray&) = delete;
    SlopeSpray& operator=(const SlopeSpray&) = delete;

    // Called in the rider's frame with the rider's speed; see ParticleSpray::draw.
    void draw(float speed, bool paused) { spray.draw(speed, paused); }

    const std::vector<SprayParticle>& particles() const { return spray.particles(); }
    const SprayConstants& constants() const { return spray.constants(); }
    unsigned int texture() const { return spray.texture(); }

private:
    ParticleSpray spray;
};
