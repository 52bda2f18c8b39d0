// SprayConstants: the numbers and the few shape choices that turn the one
// snow-spray engine into the ride spray or the crash cloud.
#pragma once

// One random term: (R * scale + offset + shift) * factor, R = rand() % 100.
// The shift keeps a second offset (a bias, or a fixed move) in its own sum,
// so the float rounding is that of the sums the sprays were tuned with.
struct RandomTerm {
    float scale = 0.0f;
    float offset = 0.0f;
    float shift = 0.0f;
    float factor = 1.0f;
};

// Axis numbers for the shape choices below.
enum SprayAxis { axisX = 0, axisY = 1, axisZ = 2 };

struct SprayConstants {
    int poolSize = 0;
    float slowdown = 1.0f;
    float bias1 = 0.0f;
    float bias2 = 0.0f;

    // The initial fill; random calls in the order fade, [velocity], x, [y], z, size, splitA.
    float startLife = 0.0f;
    bool startsMoving = false;  // draw xi, yi, zi; otherwise they start at 0
    RandomTerm startVelocity[3];
    RandomTerm startX;
    bool startsAtRandomHeight = false;  // draw y; otherwise it starts at 0
    RandomTerm startY;
    RandomTerm startZ;
    float gravityX = 0.0f;  // the particles' fixed acceleration
    float gravityY = 0.0f;
    float gravityZ = 0.0f;

    // A throw; random calls in the order fade, x, z, xi, yi, zi, size, splitA.
    // The velocity terms are further multiplied by the rider's speed.
    float throwFadeScale = 0.0f;
    RandomTerm throwX;
    RandomTerm throwZ;
    RandomTerm throwVelocity[3];

    float sizeBase = 0.0f;            // size = R * 0.01 + sizeBase, at the fill and a throw
    float sizeGrowth = 0.0f;          // added to size each step
    bool snowThrowKeepsSize = false;  // a throw from below the snow keeps size 1, drawing no term
    int snowAxis = axisY;             // below the snow when this coordinate is negative
    int edgeAxis = axisX;             // the quad's first edge; the second spans the other of x, y and z
};
