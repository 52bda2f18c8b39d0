// Vec3: a point, a direction or a set of Euler angles in degrees.
#pragma once

struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};
