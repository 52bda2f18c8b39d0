#include "app/Camera.h"

#include "common/ExactMaths.h"
#include "common/Maths.h"

#include <GL/glu.h>

namespace {
const float angleStep = 4.0f;
const float distanceStep = 2.0f;
const float nearest = 10.0f;
const float farthest = 200.0f;
}  // namespace

void Camera::increaseAngle() { angle += angleStep; }

void Camera::decreaseAngle() { angle -= angleStep; }

void Camera::moveAway() {
    distance += distanceStep;
    if (distance > farthest) distance = farthest;
}

void Camera::moveCloser() {
    distance -= distanceStep;
    if (distance < nearest) distance = nearest;
}

void Camera::update(const Vec3& target) {
    // At the start angle of 90 the eye stands on the rider's positive-z side.
    angleRadians = (angle - 90.0f) * maths::radiansPerDegreeF;
    eyeX = exact::sin(angleRadians) * distance + target.x;
    eyeZ = exact::cos(angleRadians) * distance + target.z;
    eyeY = distance * 0.16666667f + target.y;
    gluLookAt(eyeX, eyeY, eyeZ, target.x, target.y, target.z, 0.0, 1.0, 0.0);
}

Vec3 Camera::eye() const {
    Vec3 position;
    position.x = eyeX;
    position.y = eyeY;
    position.z = eyeZ;
    return position;
}
