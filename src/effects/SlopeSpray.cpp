#include "effects/SlopeSpray.h"

namespace {

// A flat sheet of snow kicked up and back from the tail, falling back to the slope.
SprayConstants slopeConstants() {
    SprayConstants c;
    c.poolSize = 500;
    c.slowdown = 40.0f;
    c.bias1 = -1.0f;
    c.bias2 = 0.2f;

    c.startLife = 0.0f;
    c.startsMoving = false;
    c.startX = {0.001f, -0.05f};
    c.startsAtRandomHeight = true;
    c.startY = {0.001f, -0.05f};
    c.startZ = {0.002f, -0.1f};
    c.gravityY = -0.8f;

    c.throwFadeScale = 0.001f;
    c.throwX = {0.004f, -0.2f, -0.9f};
    c.throwZ = {0.003f, -0.15f};
    // The sideways throw shares the upward bias, as the spray was tuned.
    c.throwVelocity[0] = {0.01f, -0.5f, c.bias1};
    c.throwVelocity[1] = {0.001f, -0.05f, c.bias2};
    c.throwVelocity[2] = {0.01f, -0.5f, c.bias2};

    c.sizeBase = 0.5f;
    c.sizeGrowth = 0.3f;
    c.snowThrowKeepsSize = true;
    c.snowAxis = axisY;
    c.edgeAxis = axisX;
    return c;
}

}  // namespace

SlopeSpray::SlopeSpray(const char* fileName) : ParticleSpray(fileName, slopeConstants()) {}
