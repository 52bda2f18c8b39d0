// The flight step: slow motion, lip, touch-down, path, landing approach and tricks.
#include "common/TimingBands.h"
#include "rider/Rider.h"
#include "rider/RiderMath.h"

#include <cmath>

using namespace riderMath;

void Rider::flightStep() {
    RiderState& s = state_;
    updateSlowMotion();
    if (!bodyIsFinite()) {
        // A broken pose can never touch the ground; better a crash than a flight without end.
        s.landingApproach = false;
        crash();
    } else if (s.onLip) {
        leaveLip();
    } else if (touchesGround()) {
        s.landingApproach = false;
        judgeLanding();
        s.timingValue = timing::none;
    } else {
        updateTimingValue();
    }

    if (s.airborne && !s.crashed) {
        s.position = pathAt(s.flyTime);
        if (!s.landingApproach) {
            pitchInFlight();
        }
        s.worldPoints[RiderState::lookAheadPoint] = pathAt(s.flyTime + 0.5f);
        predictLanding();
        if (s.landingApproach) {
            alignForLanding();
            wobbleBalance();
        } else if (!s.onLip) {
            turnTricks();
        }
        s.flyTime += 1.0f / s.stepRate;
    }
    s.hasJumped = true;
}

void Rider::updateSlowMotion() {
    RiderState& s = state_;
    float r = s.flyTime / s.takeOffTime;
    if (r < 2.0f) {
        s.timeScale = (s.slowMotionScale - 1.0f) * r * 0.5f + 1.0f;
    } else {
        s.timeScale = s.slowMotionScale;
    }
}

void Rider::leaveLip() {
    RiderState& s = state_;
    float reach = cosDegrees(s.launchAngle) * s.reachFactor * s.speed * s.flyTime;
    // A slow launch would sink into the kicker before reaching 2.2 units out.
    bool sunkBelowTakeOff = s.position.y < s.takeOffPosition.y - 1.0f;
    if (reach > 2.2f || sunkBelowTakeOff) {
        s.onLip = false;
    }
}

void Rider::updateTimingValue() {
    RiderState& s = state_;
    float d = s.flyTime - s.takeOffTime;
    if (d < 0.5f) {
        s.timingValue = truncateToInt(timing::ticksPerSecond * d);
    } else if (!s.landingApproach) {
        s.timingValue = timing::tricksRunning;
    } else {
        float approachTicks = std::trunc(-timing::ticksPerSecond * (s.flyTime + 0.5f - s.landingTime));
        s.timingValue = truncateToInt(static_cast<float>(timing::tricksRunning) - approachTicks);
    }
}

Vec3 Rider::pathAt(float t) const {
    const RiderState& s = state_;
    const Vec3& start = s.takeOffPosition;
    float v = s.speed;
    float power = s.jumpPower;
    Vec3 p;
    p.y = sinDegrees(s.launchAngle) * power * t * v + start.y - (s.gravity * 0.5f) * t * t;
    float h = cosDegrees(s.launchAngle) * power * s.reachFactor * t * v;
    p.x = h * cosDegrees(s.takeOffHeading) + start.x;
    p.z = start.z - h * sinDegrees(s.takeOffHeading);
    return p;
}

void Rider::pitchInFlight() {
    RiderState& s = state_;
    float power = s.jumpPower;
    float pitch = s.takeOffPitch - (s.takeOffPitch * s.flyTime * 0.5f) / (power * power * power * s.expectedAirTime);
    // A level launch expects no air time at all; the board then keeps its take-off pitch.
    s.rotation.z = (s.expectedAirTime != 0.0f && std::isfinite(pitch)) ? pitch : s.takeOffPitch;
}

void Rider::predictLanding() {
    RiderState& s = state_;
    const ProbeResult& ahead = s.groundSamples[RiderState::lookAheadPoint];
    if (ahead.height > s.worldPoints[RiderState::lookAheadPoint].y && !s.landingApproach && !s.onLip) {
        s.landingApproach = true;
        s.landingSlope = slopeAngle(ahead, s.rotation.y);
        s.landingTime = s.flyTime + 0.5f;
    }
}

void Rider::turnTricks() {
    RiderState& s = state_;
    s.trickRotation.y = wrapDegrees(s.trickRotation.y + s.spinRate / s.stepRate);
    s.trickRotation.z = wrapDegrees(s.trickRotation.z + s.flipRate / s.stepRate);
}

bool Rider::touchesGround() const {
    const RiderState& s = state_;
    for (int i = 0; i < RiderState::lookAheadPoint; ++i) {
        if (s.worldPoints[i].y < s.groundSamples[i].height) {
            return true;
        }
    }
    return false;
}

bool Rider::bodyIsFinite() const {
    const RiderState& s = state_;
    for (int i = 0; i < RiderState::lookAheadPoint; ++i) {
        if (!isFinite(s.worldPoints[i])) {
            return false;
        }
    }
    return isFinite(s.position);
}
