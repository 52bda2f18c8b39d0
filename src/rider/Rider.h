// Rider: the simulated snowboarder; one step per frame on the ground, in the air or crashed.
#pragma once

#include "common/ProbeResult.h"
#include "common/Vec3.h"
#include "rider/RiderState.h"

class Rider {
public:
    Rider();  // starts reset
    virtual ~Rider();

    // Puts every value back to the start of a run; the probe arrays keep their addresses.
    void reset();
    // One simulation step: crash, flight or ground step, then the probe points follow.
    void update();
    // Derives the step rate from the measured frame rate; it never falls below 1.
    void setFrameRate(int framesPerSecond);

    // Controls, called by the input between frames.
    void steer(float degrees);
    void shiftBalance(float dx, float dy);
    void addSpin(float degreesPerSecond);
    void addFlip(float degreesPerSecond);
    // The timed jump boost; prints three diagnostic lines when it counts, then steps once.
    void pop();

    const Vec3& position() const;
    const Vec3& rotation() const;
    float speed() const;
    bool isAirborne() const;
    bool isCrashed() const;
    bool isLandingApproach() const;
    float balanceX() const;
    float balanceY() const;
    const Vec3& trickRotation() const;
    int timingValue() const;
    bool landedSwitch() const;
    static Vec3 flightPivot();
    // The probe arrays the World hands to the kicker's ramp at every reset;
    // each kicker draw then writes the ground samples behind the rider's back.
    int pointCount() const;
    Vec3* worldPoints();
    ProbeResult* groundSamples();

    // ---- Test and demo support: not part of the game's own API. ----
    RiderState& state();
    const RiderState& state() const;
    void transformPoints();
    bool hitsFence() const;

private:
    // Riding on the ground.
    void groundStep();
    void takeGroundContact();
    void moveAlongGround();
    void followSlope(float a0, float a1);
    void takeOff();
    float popWindow() const;
    void updateSpeed();

    // Flight and landing approach.
    void flightStep();
    void updateSlowMotion();
    void leaveLip();
    void updateTimingValue();
    bool isTrickWindowOpening() const;
    Vec3 pathAt(float t) const;
    void pitchInFlight();
    void predictLanding();
    void turnTricks();
    void alignForLanding();
    void wobbleBalance();
    void newBalanceImpulse();
    bool bodyIsFinite() const;

    // Landing judgement and crash.
    bool touchesGround() const;
    bool isCrashLanding() const;
    void judgeLanding();
    void crash();
    void restoreFiniteState();
    void crashStep();
    void slideOn();

    RiderState state_;
};
