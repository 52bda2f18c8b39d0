#include "effects/CrashSpray.h"

namespace {

// A cloud that billows up and sideways from behind the lying rider; its snow
// surface is the plane z = 0 of the crash pose.
SprayConstants crashConstants() {
    SprayConstants c;
    c.poolSize = 1000;
    c.slowdown = 40.0f;
    c.bias1 = 0.3f;
    c.bias2 = 0.7f;

    c.startLife = 1.0f;
    c.startsMoving = true;
    c.startVelocity[0] = {0.005f, -0.5f};
    c.startVelocity[1] = {0.005f, -0.5f, 0.0f, -1.0f};
    c.startVelocity[2] = {0.005f, -0.5f};
    c.startX = {0.001f, -0.05f, -0.95f};
    c.startsAtRandomHeight = false;
    c.startZ = {0.002f, -0.1f};
    c.gravityY = 2.0f;
    c.gravityZ = -1.5f;

    c.throwFadeScale = 0.00066666666f;
    c.throwX = {0.01f, -0.5f};
    c.throwZ = {0.0015f, 0.0f};
    c.throwVelocity[0] = {0.02f, -1.0f, c.bias2};
    c.throwVelocity[1] = {0.005f, -0.25f, c.bias1, -1.0f};
    c.throwVelocity[2] = {0.005f, -0.25f, c.bias2, 0.5f};

    c.sizeBase = 1.0f;
    c.sizeGrowth = 0.8f;
    c.snowThrowKeepsSize = false;
    c.snowAxis = axisZ;
    c.edgeAxis = axisY;
    return c;
}

}  // namespace

CrashSpray::CrashSpray(const char* fileName) : ParticleSpray(fileName, crashConstants()) {}
