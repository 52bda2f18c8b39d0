// RiderState: every parameter and state value of the rider's run, in one plain record.
#pragma once

#include "common/ProbeResult.h"
#include "common/Vec3.h"

#include <array>

struct RiderState {
    // The probe points, by where each one feels the ground: the board's ends and
    // centre (the stance), the front and back of the upper body, and the point
    // ahead of the flight path that foresees the landing.
    enum ProbePoint { nosePoint, tailPoint, centrePoint, frontBodyPoint, backBodyPoint, lookAheadPoint };
    static constexpr int pointCount = 6;

    // Parameters: written by reset, never changed afterwards.
    float gravity = 0.0f;
    float friction = 0.0f;
    float maxSpeed = 0.0f;
    float crestAngle = 0.0f;
    float slowMotionScale = 0.0f;
    float reachFactor = 0.0f;
    float popBonus = 0.0f;
    float flipRateScale = 0.0f;
    float spinRateScale = 0.0f;

    // Motion and time.
    float speed = 0.0f;
    Vec3 position;
    Vec3 rotation;  // x lean, y heading, z pitch, degrees
    float slopeAngle = 0.0f;
    float stepRate = 0.0f;
    float timeScale = 0.0f;
    float lastTimeScale = 0.0f;

    // Phase flags.
    bool airborne = false;
    bool crashed = false;
    bool hasJumped = false;
    bool onLip = false;
    bool landingApproach = false;
    bool landedSwitch = false;

    // Take-off record.
    float launchAngle = 0.0f;
    Vec3 takeOffPosition;
    float takeOffHeading = 0.0f;
    float takeOffPitch = 0.0f;
    float expectedAirTime = 0.0f;
    float takeOffTime = 0.0f;

    // Flight.
    float flyTime = 0.0f;
    float jumpPower = 0.0f;
    Vec3 trickRotation;  // y spin, z flip, degrees in [0, 360)
    float spinRate = 0.0f;
    float flipRate = 0.0f;
    int timingValue = 0;
    float landingSlope = 0.0f;
    float landingTime = 0.0f;
    float spinCorrection = 0.0f;
    float flipCorrection = 0.0f;
    float balanceX = 0.0f;
    float balanceY = 0.0f;
    float balanceVelocityX = 0.0f;
    float balanceVelocityY = 0.0f;
    int wobbleCounter = 0;

    // Crash.
    float crashHeading = 0.0f;

    // Probe points: body space, world space, and the ground measured under each.
    // worldPoints and groundSamples are shared with the kicker's ramp model through
    // pointers World::reset hands over: every kicker draw reads the points and
    // writes the samples (Model::probeTriangle), so they must keep their addresses.
    std::array<Vec3, pointCount> bodyPoints{};
    std::array<Vec3, pointCount> worldPoints{};
    std::array<ProbeResult, pointCount> groundSamples{};
};
