// ParticleSpray: a fixed pool of additively blended snow quads thrown from the
// board; the ride spray and the crash cloud are two sets of its constants.
#pragma once

#include "effects/SprayConstants.h"
#include "effects/SprayParticle.h"

#include <memory>
#include <vector>

class Image;

class ParticleSpray {
public:
    // Loads the particle picture into a single-level RGB texture and fills the
    // pool, drawing from the shared generator. A missing picture leaves an
    // empty texture, so the quads are drawn untextured.
    ParticleSpray(const char* fileName, const SprayConstants& constants);
    virtual ~ParticleSpray();
    ParticleSpray(const ParticleSpray&) = delete;
    ParticleSpray& operator=(const ParticleSpray&) = delete;

    // Draws every particle, then steps it unless paused, and throws it again
    // when its life ran out or it fell below the snow. A speed that is not a
    // finite number counts as 0. Leaves cull face, depth test and the blend
    // function as the scene keeps them.
    void draw(float speed, bool paused);

    // ---- Test and demo support: not part of the game's own API. ----
    const std::vector<SprayParticle>& particles() const { return pool; }
    const SprayConstants& constants() const { return tuning; }

private:
    void loadTexture(const char* fileName);
    void fill(SprayParticle& particle) const;
    void drawParticle(const SprayParticle& particle) const;
    void vertex(const SprayParticle& particle, float edge, float across) const;
    void step(SprayParticle& particle, float speed) const;
    void throwAgain(SprayParticle& particle, float speed, bool fromBelowSnow) const;
    bool isBelowSnow(const SprayParticle& particle) const;

    std::vector<SprayParticle> pool;
    std::unique_ptr<Image> image;
    SprayConstants tuning;
};
