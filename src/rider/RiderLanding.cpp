// The landing judgement at touch-down, the crash, and the crash slide to rest.
#include "common/TimingBands.h"
#include "rider/Fences.h"
#include "rider/Rider.h"
#include "rider/RiderMath.h"

#include <cmath>

using namespace riderMath;

namespace {

// Windows of the spin around 180 degrees, the board landing backwards.
struct SpinWindow {
    float low;
    float high;
};
// A landing with the spin in here, ends included, is a clean switch landing.
constexpr SpinWindow switchLandable{170.0f, 190.0f};
// A clean landing with the spin in here, ends excluded, rides on switch afterwards.
constexpr SpinWindow switchRidden{160.0f, 200.0f};

}  // namespace

void Rider::judgeLanding() {
    RiderState& s = state_;
    if (isCrashLanding()) {
        crash();
        return;
    }
    s.airborne = false;
    s.timeScale = 1.0f;
    float spin = s.trickRotation.y;
    if (spin > switchRidden.low && spin < switchRidden.high) {
        s.landedSwitch = true;
    }
    s.timingValue = timing::none;
}

bool Rider::isCrashLanding() const {
    const RiderState& s = state_;
    const Vec3* p = s.worldPoints.data();
    const ProbeResult* g = s.groundSamples.data();
    const int nose = RiderState::nosePoint, tail = RiderState::tailPoint;
    bool noseIn = p[nose].y < g[nose].height;
    bool tailIn = p[tail].y < g[tail].height;
    if (noseIn && g[tail].height + 0.4f < p[tail].y) {
        return true;
    }
    if (tailIn && g[nose].height + 0.4f < p[nose].y) {
        return true;
    }
    float spin = s.trickRotation.y;
    bool spinLands = spin <= 10.0f || spin >= 350.0f || (spin >= switchLandable.low && spin <= switchLandable.high);
    if (!spinLands) {
        return true;
    }
    const int front = RiderState::frontBodyPoint, back = RiderState::backBodyPoint;
    return p[front].y < g[front].height || p[back].y < g[back].height;
}

void Rider::crash() {
    RiderState& s = state_;
    restoreFiniteState();
    s.crashed = true;
    s.crashHeading = s.rotation.y;
    s.trickRotation = Vec3{};
    s.timeScale = 1.0f;
    s.timingValue = timing::none;
}

void Rider::restoreFiniteState() {
    RiderState& s = state_;
    if (!isFinite(s.position)) {
        s.position = isFinite(s.takeOffPosition) ? s.takeOffPosition : Vec3{};
    }
    if (!std::isfinite(s.speed)) {
        s.speed = 0.0f;
    }
    float* angles[] = {&s.rotation.x, &s.rotation.y, &s.rotation.z};
    for (float* angle : angles) {
        if (!std::isfinite(*angle)) {
            *angle = 0.0f;
        }
    }
}

void Rider::crashStep() {
    RiderState& s = state_;
    if (s.speed > 3.0f) {
        s.speed -= 3.0f / s.stepRate;
        const ProbeResult& centre = s.groundSamples[RiderState::centrePoint];
        // Over no ground the probe's -15 is no floor to settle on.
        if (hasGround(centre)) {
            s.position.y -= (s.position.y - centre.height - 0.12f) * 0.2f;
        }
        float target = 90.0f - slopeAngle(centre, s.crashHeading);
        if (target != s.rotation.z) {
            s.rotation.z += (target - s.rotation.z) * 0.2f;
        }
        s.rotation.y = 90.0f;
        s.rotation.x = 0.0f;
    } else {
        s.speed = 0.0f;
    }
    slideOn();
}

void Rider::slideOn() {
    RiderState& s = state_;
    float d = s.speed * cosDegrees(s.slopeAngle) / s.stepRate;
    Vec3 next = s.position;
    next.x += d * cosDegrees(s.crashHeading);
    next.z -= d * sinDegrees(s.crashHeading);
    if (d != 0.0f && (hitsFence() || fences::moveCrosses(s.position, next))) {
        s.speed = 0.0f;
        return;
    }
    s.position = next;
}
