// The ground step: contact, fences, move, slope, pitch, take-off and speed.
#include "rider/Fences.h"
#include "rider/Rider.h"
#include "rider/RiderMath.h"

#include <algorithm>
#include <cmath>

using namespace riderMath;

void Rider::groundStep() {
    RiderState& s = state_;
    s.timeScale = 1.0f;
    takeGroundContact();
    if (hitsFence()) {
        s.speed = 0.0f;
    }
    moveAlongGround();

    float heading = s.rotation.y;
    float a0 = slopeAngle(s.groundSamples[RiderState::nosePoint], heading);
    float a1 = slopeAngle(s.groundSamples[RiderState::tailPoint], heading);
    float a2 = slopeAngle(s.groundSamples[RiderState::centrePoint], heading);
    followSlope(a0, a1);

    s.rotation.z += (-s.slopeAngle - s.rotation.z) * 0.2f;
    if (s.rotation.z >= 360.0f) {
        s.rotation.z -= 360.0f;
    }
    if (a0 - a2 > s.crestAngle * (1.0f - s.speed / s.maxSpeed) && !s.hasJumped) {
        takeOff();
    }
    updateSpeed();
}

void Rider::takeGroundContact() {
    RiderState& s = state_;
    ProbeResult& nose = s.groundSamples[RiderState::nosePoint];
    ProbeResult& tail = s.groundSamples[RiderState::tailPoint];
    bool noseOnGround = hasGround(nose);
    bool tailOnGround = hasGround(tail);
    bool centreOnGround = hasGround(s.groundSamples[RiderState::centrePoint]);

    if (noseOnGround && tailOnGround) {
        // 0.62 of the way from the tail height to the nose height.
        s.position.y = (tail.height + nose.height) * 0.5f - (tail.height - nose.height) * 0.12f;
    } else if (noseOnGround) {
        tail.normalX = nose.normalX;
        tail.normalZ = nose.normalZ;
    } else if (centreOnGround) {
        nose.normalX = tail.normalX;
        nose.normalZ = tail.normalZ;
    } else {
        // Off the course: stop, face down the hill, and drift back toward the centre line.
        s.rotation.y = 0.0f;
        s.speed = 0.0f;
        if (tailOnGround) {
            s.position.y = tail.height;
        } else {
            s.position.z = s.position.z * 0.99f;
        }
    }
}

void Rider::moveAlongGround() {
    RiderState& s = state_;
    float d = s.speed * cosDegrees(s.slopeAngle) / s.stepRate;
    float dx = d * cosDegrees(s.rotation.y);
    float dz = d * sinDegrees(s.rotation.y);
    const Vec3& centre = s.worldPoints[RiderState::centrePoint];
    if (fences::moveCrosses(centre, Vec3{centre.x + dx, centre.y, centre.z - dz})) {
        s.speed = 0.0f;
        return;
    }
    s.position.x += dx;
    s.position.z -= dz;
}

void Rider::followSlope(float a0, float a1) {
    RiderState& s = state_;
    if (a0 == a1) {
        s.slopeAngle = a0;
        return;
    }
    // Below 10 steps per second the easing would overshoot the nose's angle.
    float easing = std::max(0.1f * s.stepRate, 1.0f);
    s.slopeAngle -= (s.slopeAngle - a0) / easing;
}

void Rider::takeOff() {
    RiderState& s = state_;
    s.flyTime = 0.0f;
    s.takeOffPosition = s.position;
    s.launchAngle = -s.slopeAngle;
    s.takeOffHeading = s.rotation.y;
    s.takeOffPitch = s.rotation.z;
    s.trickRotation = Vec3{};
    s.onLip = true;
    s.expectedAirTime = (2.0f / s.gravity) * sinDegrees(s.launchAngle) * s.speed * 1.5f;
    s.jumpPower = 1.0f;
    s.landingApproach = false;
    s.spinRate = 0.0f;
    s.flipRate = 0.0f;
    s.balanceX = 0.0f;
    s.balanceY = 0.0f;
    s.balanceVelocityX = 0.0f;
    s.balanceVelocityY = 0.0f;
    s.airborne = true;
    s.takeOffTime = popWindow();
}

float Rider::popWindow() const {
    const RiderState& s = state_;
    const int nose = RiderState::nosePoint, centre = RiderState::centrePoint;
    float window = (s.worldPoints[nose].x - s.worldPoints[centre].x) * 4.0f / s.speed;
    if (window > 0.0f && std::isfinite(window)) {
        return window;
    }
    // From a standstill, or with the nose not ahead in x, the window would be
    // infinite, zero or negative: time it as a level board at 1 unit per second or more.
    float reach = s.bodyPoints[nose].x - s.bodyPoints[centre].x;
    return reach * 4.0f / std::max(s.speed, 1.0f);
}

void Rider::updateSpeed() {
    RiderState& s = state_;
    s.speed += sinDegrees(-s.rotation.z) * (1.0f - s.friction) * s.gravity * (1.0f / s.stepRate) *
               (1.0f - s.speed / s.maxSpeed);
    if (s.speed > s.maxSpeed) {
        s.speed = s.maxSpeed;
    }
    if (!(s.speed >= 0.0f)) {
        s.speed = 0.0f;
    }
}

bool Rider::hitsFence() const {
    return fences::boardLiesAcross(state_.worldPoints[RiderState::nosePoint],
                                   state_.worldPoints[RiderState::centrePoint]);
}
