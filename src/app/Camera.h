// Camera: the run's eye, orbiting the rider on a horizontal circle and looking down at it.
#pragma once

#include "common/Vec3.h"

class Camera {
public:
    Camera() = default;

    void increaseAngle();  // 4 degrees one way round the rider
    void decreaseAngle();  // 4 degrees the other way
    void moveAway();       // 2 units farther, at most 200
    void moveCloser();     // 2 units nearer, at least 10

    // Places the eye around target at a height of a sixth of the distance and
    // multiplies the look-at matrix onto the current (identity) modelview matrix.
    void update(const Vec3& target);

    // ---- Test and demo support: not part of the game's own API. ----
    // The eye of the last update, which a demo records; the origin before the first.
    Vec3 eye() const;

private:
    float angle = 90.0f;  // degrees, never wrapped
    float angleRadians = 0.0f;
    float distance = 50.0f;
    float eyeX = 0.0f;
    float eyeY = 0.0f;
    float eyeZ = 0.0f;
};
