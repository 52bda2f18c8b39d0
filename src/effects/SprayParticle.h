// SprayParticle: one snow particle of a spray, in the rider's own frame.
#pragma once

struct SprayParticle {
    bool active = false;  // set for every particle when the pool is filled, never cleared
    float life = 0.0f;    // also the alpha it is drawn with
    float fade = 0.0f;    // taken off life each step
    float r = 1.0f;
    float g = 1.0f;
    float b = 1.0f;
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float xi = 0.0f;  // velocity per step, before the spray's slowdown
    float yi = 0.0f;
    float zi = 0.0f;
    float xg = 0.0f;  // acceleration, fixed when the pool is filled
    float yg = 0.0f;
    float zg = 0.0f;
    float size = 0.0f;    // the quad's half-size is 0.05 * size
    float splitA = 0.0f;  // share of the quad's second edge on its other in-plane axis
    float splitB = 0.0f;  // share on z; splitA + splitB = 1
};
