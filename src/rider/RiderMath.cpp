#include "rider/RiderMath.h"

#include "common/ExactMaths.h"
#include "common/Maths.h"

#include <climits>
#include <cmath>

namespace riderMath {

float sinDegrees(float degrees) { return exact::sin(degrees * maths::radiansPerDegreeF); }

float cosDegrees(float degrees) { return exact::cos(degrees * maths::radiansPerDegreeF); }

float slopeAngle(const ProbeResult& sample, float headingDegrees) {
    float sine = sinDegrees(headingDegrees) * sample.normalZ + cosDegrees(headingDegrees) * sample.normalX;
    if (std::isnan(sine)) {
        return 0.0f;
    }
    if (sine > 1.0f) {
        sine = 1.0f;
    } else if (sine < -1.0f) {
        sine = -1.0f;
    }
    return exact::asin(sine) * maths::degreesPerRadian;
}

bool hasGround(const ProbeResult& sample) { return std::isfinite(sample.height) && sample.height >= noGroundBelow; }

float wrapDegrees(float degrees) {
    float wrapped = std::fmod(degrees, 360.0f);
    if (wrapped < 0.0f) {
        wrapped += 360.0f;
    }
    // A tiny negative angle plus 360 rounds to 360 itself.
    if (wrapped >= 360.0f) {
        wrapped -= 360.0f;
    }
    return wrapped;
}

int truncateToInt(float value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= 2147483648.0f) {
        return INT_MAX;
    }
    if (value <= -2147483648.0f) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

bool isFinite(const Vec3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

Angle angleOf(float degrees) { return Angle{cosDegrees(degrees), sinDegrees(degrees)}; }

Vec3 rotateX(const Vec3& p, const Angle& a) {
    return Vec3{p.x, p.y * a.cosine - p.z * a.sine, p.y * a.sine + p.z * a.cosine};
}

Vec3 rotateY(const Vec3& p, const Angle& a) {
    return Vec3{p.x * a.cosine + p.z * a.sine, p.y, p.z * a.cosine - p.x * a.sine};
}

Vec3 rotateZ(const Vec3& p, const Angle& a) {
    return Vec3{p.x * a.cosine - p.y * a.sine, p.x * a.sine + p.y * a.cosine, p.z};
}

}  // namespace riderMath
