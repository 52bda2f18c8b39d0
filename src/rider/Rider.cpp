#include "rider/Rider.h"

#include "common/TimingBands.h"
#include "rider/RiderMath.h"

#include <cmath>
#include <iostream>

using namespace riderMath;

namespace {

const Vec3 bodyPointTable[RiderState::pointCount] = {
    {0.92f, 0.0f, 0.0f},   // nose
    {-0.92f, 0.0f, 0.0f},  // tail
    {-0.2f, 0.0f, 0.0f},   // centre, where the rider stands
    {0.4f, 1.8f, 0.0f},    // front of the upper body
    {-0.4f, 1.8f, 0.0f},   // back of the upper body
    {3.0f, 0.0f, 0.0f},    // look-ahead point, flight only
};

// Turns about x, then y, then z.
struct Orientation {
    Angle x, y, z;
};

Orientation orientationOf(const Vec3& degrees) { return {angleOf(degrees.x), angleOf(degrees.y), angleOf(degrees.z)}; }

Vec3 turn(const Vec3& p, const Orientation& o) { return rotateZ(rotateY(rotateX(p, o.x), o.y), o.z); }

}  // namespace

// Reset at once, so a rider stepped before its first reset never divides by a zero step rate.
Rider::Rider() { reset(); }

Rider::~Rider() = default;

void Rider::reset() {
    RiderState& s = state_;
    s.gravity = 9.81f;
    s.friction = 0.1f;
    s.maxSpeed = 60.0f;
    s.crestAngle = 45.0f;
    s.slowMotionScale = 3.0f;
    s.reachFactor = 1.0f;
    s.popBonus = 0.4f;
    s.flipRateScale = 180.0f;
    s.spinRateScale = 180.0f;

    s.speed = 10.0f;
    s.position = Vec3{};
    s.rotation = Vec3{};
    s.slopeAngle = 0.0f;
    s.stepRate = 50.0f;
    s.timeScale = 1.0f;

    s.airborne = false;
    s.crashed = false;
    s.hasJumped = false;
    s.onLip = true;
    s.landingApproach = false;
    s.landedSwitch = false;

    s.launchAngle = 0.0f;
    s.takeOffPosition = Vec3{};
    s.takeOffHeading = 0.0f;
    s.expectedAirTime = 0.0f;

    s.flyTime = 0.0f;
    s.jumpPower = 1.0f;
    s.trickRotation = Vec3{};
    s.spinRate = 0.0f;
    s.flipRate = 0.0f;
    s.timingValue = 0;
    s.balanceX = 0.0f;
    s.balanceY = 0.0f;
    s.balanceVelocityX = 0.0f;
    s.balanceVelocityY = 0.0f;
    s.wobbleCounter = 100;

    for (int i = 0; i < RiderState::pointCount; ++i) {
        s.bodyPoints[i] = bodyPointTable[i];
        s.worldPoints[i] = bodyPointTable[i];
        s.groundSamples[i] = ProbeResult{};
    }
}

void Rider::update() {
    if (state_.crashed) {
        crashStep();
    } else if (state_.airborne) {
        flightStep();
    } else {
        groundStep();
    }
    transformPoints();
}

void Rider::transformPoints() {
    RiderState& s = state_;
    const Vec3 pivot = flightPivot();
    const Orientation body = orientationOf(s.rotation);
    Orientation trick{};
    if (s.airborne) trick = orientationOf(s.trickRotation);
    for (int i = 0; i < RiderState::lookAheadPoint; ++i) {
        Vec3 p = s.bodyPoints[i];
        if (s.airborne) {
            p = add(pivot, turn(subtract(p, pivot), trick));
        }
        s.worldPoints[i] = add(turn(p, body), s.position);
    }
}

void Rider::setFrameRate(int framesPerSecond) {
    RiderState& s = state_;
    if (s.stepRate < 25.0f) {
        s.stepRate = 25.0f;
    }
    float target = static_cast<float>(framesPerSecond) * s.timeScale;
    if (s.timeScale == s.lastTimeScale) {
        s.stepRate += (target - s.stepRate) * 0.05f;
    } else {
        s.stepRate = target;
    }
    s.lastTimeScale = s.timeScale;
    // A stalled or zero frame rate must not make a step last seconds, or forever.
    if (!(s.stepRate >= 1.0f)) {
        s.stepRate = 1.0f;
    }
}

void Rider::steer(float degrees) {
    RiderState& s = state_;
    if (s.airborne) {
        return;
    }
    float heading = degrees + s.rotation.y;
    if (heading < 60.0f && heading > -60.0f && degrees != 0.0f) {
        s.speed = s.speed * 0.987f;
        s.rotation.y = heading;
        s.rotation.x = -degrees;
    } else {
        s.rotation.x = 0.0f;
    }
}

void Rider::shiftBalance(float dx, float dy) {
    state_.balanceX -= dx;
    state_.balanceY += dy;
}

void Rider::addSpin(float degreesPerSecond) {
    if (isTrickWindowOpening()) {
        state_.spinRate += degreesPerSecond;
    }
}

void Rider::addFlip(float degreesPerSecond) {
    if (isTrickWindowOpening()) {
        state_.flipRate += degreesPerSecond;
    }
}

bool Rider::isTrickWindowOpening() const {
    return state_.timingValue > timing::none && state_.timingValue < timing::tricksRunning;
}

void Rider::pop() {
    RiderState& s = state_;
    if (!s.airborne) {
        return;
    }
    if (s.jumpPower == 1.0f) {
        float r = s.flyTime / s.takeOffTime;
        if (r <= 1.0f) {
            float factor = 1.0f - std::fabs(2.0f * r - 1.0f);
            std::cout << "factor:\t" << factor << std::endl;
            std::cout << "flyTime:\t" << s.flyTime << std::endl;
            std::cout << "takeOffTime:\t" << s.takeOffTime << std::endl;
            s.jumpPower = 1.0f + factor * s.popBonus;
        }
    }
    update();
}

const Vec3& Rider::position() const { return state_.position; }
const Vec3& Rider::rotation() const { return state_.rotation; }
float Rider::speed() const { return state_.speed; }
bool Rider::isAirborne() const { return state_.airborne; }
bool Rider::isCrashed() const { return state_.crashed; }
bool Rider::isLandingApproach() const { return state_.landingApproach; }
float Rider::balanceX() const { return state_.balanceX; }
float Rider::balanceY() const { return state_.balanceY; }
const Vec3& Rider::trickRotation() const { return state_.trickRotation; }
int Rider::timingValue() const { return state_.timingValue; }
bool Rider::landedSwitch() const { return state_.landedSwitch; }
Vec3 Rider::flightPivot() { return Vec3{0.0f, 0.9f, 0.0f}; }
int Rider::pointCount() const { return RiderState::pointCount; }
Vec3* Rider::worldPoints() { return state_.worldPoints.data(); }
ProbeResult* Rider::groundSamples() { return state_.groundSamples.data(); }
RiderState& Rider::state() { return state_; }
const RiderState& Rider::state() const { return state_; }
