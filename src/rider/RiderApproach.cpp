// The landing approach: steering the pose toward a landable one while the balance wobbles.
#include "common/ExactMaths.h"
#include "common/Maths.h"
#include "common/Random.h"
#include "rider/Rider.h"
#include "rider/RiderMath.h"

#include <algorithm>
#include <cmath>

using namespace riderMath;

namespace {

// Holds a correction to 1.2 times the trick's own turn per step, whichever way it turns.
float limitCorrection(float step, float rate, float stepRate) {
    float limit = 1.2f * (std::fabs(rate) / stepRate);
    if (step > limit) {
        return limit;
    }
    if (step < -limit) {
        return -limit;
    }
    return step;
}

// Turns still to make toward a landable flip (0 or 360) for a flip turning forward.
float flipErrorForward(float flip) { return flip > 90.0f ? 360.0f - flip : -flip; }

// Spin still to take away toward a landable spin (0, 180 or 360) for a spin turning forward.
float spinErrorForward(float spin) {
    float error = spin > 180.0f ? spin - 180.0f : spin;
    return error > 90.0f ? spin - 360.0f : error;
}

// A trick turning backward is judged as the mirror image of one turning forward,
// so a negative rate is steered to a landable pose just as a positive one is.
float flipError(float flip, float rate) {
    if (rate > 0.0f) {
        return flipErrorForward(flip);
    }
    if (rate < 0.0f) {
        return -flipErrorForward(wrapDegrees(360.0f - flip));
    }
    return -flip;
}

float spinError(float spin, float rate) {
    if (rate > 0.0f) {
        return spinErrorForward(spin);
    }
    if (rate < 0.0f) {
        return -spinErrorForward(wrapDegrees(360.0f - spin));
    }
    return spin > 180.0f ? spin - 180.0f : spin;
}

float correctionShown(float step, float rate) {
    if (rate == 0.0f) {
        return 0.0f;
    }
    return std::min(step, 1.0f);
}

float clampBalance(float value) {
    if (std::fabs(value) > 1.05f) {
        return value / std::fabs(value);
    }
    return value;
}

}  // namespace

void Rider::alignForLanding() {
    RiderState& s = state_;
    float pitch = s.rotation.z;
    float flip = s.trickRotation.z;
    float spin = s.trickRotation.y;

    float pitchError = s.landingSlope + pitch;

    float pitchStep = 0.0f;
    float flipStep = 0.0f;
    float spinStep = 0.0f;
    float stepsLeft = (s.landingTime - s.flyTime) * s.stepRate;
    if (stepsLeft > 0.0f) {
        // With less than one step left, close the gap; dividing by a sliver would throw the pose around.
        float steps = std::max(stepsLeft, 1.0f);
        pitchStep = pitchError / steps;
        flipStep = limitCorrection(flipError(flip, s.flipRate) / steps, s.flipRate, s.stepRate);
        spinStep = limitCorrection(spinError(spin, s.spinRate) / steps, s.spinRate, s.stepRate);
    }
    s.spinCorrection = correctionShown(spinStep, s.spinRate);
    s.flipCorrection = correctionShown(flipStep, s.flipRate);

    s.rotation.z = pitch - pitchStep;
    // Past |balanceY| = 1 the flip correction would turn against itself.
    float flipGrip = std::max(1.0f - std::fabs(s.balanceY), 0.0f);
    s.trickRotation.z = wrapDegrees(flip + flipStep * flipGrip);
    s.trickRotation.y = wrapDegrees(spin - spinStep * (1.0f + std::fabs(s.balanceX)));
}

void Rider::wobbleBalance() {
    RiderState& s = state_;
    if (s.wobbleCounter > 0.1f * static_cast<float>(truncateToInt(s.stepRate))) {
        newBalanceImpulse();
    }
    s.balanceX += s.balanceVelocityX;
    s.wobbleCounter += 1;
    s.balanceY += s.balanceVelocityY;
    s.balanceX = clampBalance(s.balanceX);
    s.balanceY = clampBalance(s.balanceY);
}

void Rider::newBalanceImpulse() {
    RiderState& s = state_;
    s.wobbleCounter = 0;
    float theta = maths::pi / 2.0f;
    if (s.spinRate != 0.0f) {
        theta = exact::atan(s.flipRate / s.spinRate);
    }
    s.balanceVelocityY = exact::sin(theta) * s.flipCorrection;
    s.balanceVelocityX = exact::cos(theta) * s.spinCorrection;

    int r1 = 100 - Random::rand() % 200;
    s.balanceVelocityY += static_cast<float>(r1) * ((s.flipRate / s.flipRateScale) * 0.2f + 0.1f) * 0.003f;
    int r2 = 100 - Random::rand() % 200;
    float targetX =
        static_cast<float>(r2) * ((s.spinRate / s.spinRateScale) * 0.2f + 0.1f) * 0.003f + s.balanceVelocityX;
    s.balanceVelocityX = -0.1f * (s.balanceX - targetX);
    s.balanceVelocityY = -0.1f * (s.balanceY - s.balanceVelocityY);
}
