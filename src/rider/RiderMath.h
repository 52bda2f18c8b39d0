// RiderMath: the float helpers shared by the rider's steps (angles, slopes, safe conversions).
#pragma once

#include "common/ProbeResult.h"
#include "common/Vec3.h"

namespace riderMath {

float sinDegrees(float degrees);
float cosDegrees(float degrees);

// The slope angle of a ground sample along a heading, in degrees, from
// asin(sin h * normalZ + cos h * normalX). Float normals can push the argument
// just past 1, and a broken normal can make it NaN: the result is always finite.
float slopeAngle(const ProbeResult& sample, float headingDegrees);

// True where the probe found ground: a finite height of -10 or more.
bool hasGround(const ProbeResult& sample);

// Wraps an angle into [0, 360) however far outside it lies; NaN stays NaN.
float wrapDegrees(float degrees);

// Truncates toward zero, clamped into the int range; NaN gives 0.
int truncateToInt(float value);

bool isFinite(const Vec3& v);

// An angle's cosine and sine, worked out once for all the points it turns.
struct Angle {
    float cosine;
    float sine;
};
Angle angleOf(float degrees);

// Right-handed turns about the unit axes, as glRotatef makes them.
Vec3 rotateX(const Vec3& p, const Angle& a);
Vec3 rotateY(const Vec3& p, const Angle& a);
Vec3 rotateZ(const Vec3& p, const Angle& a);

}  // namespace riderMath
