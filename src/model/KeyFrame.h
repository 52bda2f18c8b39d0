// KeyFrame: one key of a bone's motion, a translation or Euler angles (radians) at a time in frames.
#pragma once

struct KeyFrame {
    float time = 0.0f;
    float value[3] = {0.0f, 0.0f, 0.0f};
};
