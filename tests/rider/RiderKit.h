// RiderKit: analytic ground for the rider's height probe, and a fixture that puts a rider
// into the situations the rider tests start from.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "rider/Rider.h"

// Straight pieces of ground along x, searched in the order given (where none holds x there
// is no ground), and only within |z| <= halfWidth.
struct TestGround {
    struct Piece { double x0, x1, y0, y1; };
    std::vector<Piece> pieces;
    double halfWidth = 1e9;

    // A plane at height y over x = 0 climbing toward +x by the angle (negative: falling).
    static TestGround incline(double degrees, double y = 0.0, double halfWidth = 1e9) {
        double rise = std::tan(degrees * M_PI / 180.0) * 1e6;
        return TestGround{{{-1e6, 1e6, y - rise, y + rise}}, halfWidth};
    }

    // Up to `count` frames the way the game runs them, stopping early once `done` holds;
    // returns the frames run. The probe writes the ground under each world point; where
    // there is none the height is -15 and the normal is left alone, as the kicker's does.
    int frames(Rider& rider, int count, int fps = 50, const std::function<bool()>& done = nullptr) const {
        int frame = 0;
        for (; frame < count && !(done && done()); ++frame) {
            rider.setFrameRate(fps);
            for (int i = 0; i < rider.pointCount(); ++i) {
                const Vec3& p = rider.worldPoints()[i];
                ProbeResult& g = rider.groundSamples()[i];
                g.height = noGroundHeight;
                for (const Piece& k : pieces) {
                    if (std::fabs(p.z) <= halfWidth && p.x >= k.x0 && p.x < k.x1) {
                        double slope = (k.y1 - k.y0) / (k.x1 - k.x0);
                        g = ProbeResult{float(k.y0 + slope * (p.x - k.x0)), float(-slope / std::hypot(1.0, slope)), 0};
                        break;
                    }
                }
            }
            rider.update();
        }
        return frame;
    }
};

inline float distance(const Vec3& a, const Vec3& b) { return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z); }

// Holds a rider (constructed, so reset, at 50 steps per second) and its state record;
// the cases reuse it, so each reset must put the run back to its start.
class RiderTest : public testing::Test {
protected:
    Rider rider;
    RiderState& s = rider.state();

    // The rider reset, at `position`, facing `rotation`, moving at `speed`.
    void place(const Vec3& position, const Vec3& rotation, float speed) {
        rider.reset();
        s.position = s.takeOffPosition = position;
        s.rotation = rotation;
        s.speed = speed;
        rider.transformPoints();
    }

    // Launched level from `from` at `speed`, one second into free flight: past the lip and
    // the pop window (0.25 s).
    void fly(const Vec3& from, float speed) {
        place(from, Vec3{}, speed);
        s.airborne = true;
        s.onLip = false;
        s.takeOffTime = 0.25f;
        s.expectedAirTime = s.flyTime = 1.0f;
    }

    // High above the ground in the landing approach, half a second before the predicted landing.
    void approach(float stepRate = 50.0f) {
        fly(Vec3{0, 100, 0}, 10.0f);
        s.stepRate = stepRate;
        s.landingApproach = true;
        s.landingTime = s.flyTime + 0.5f;
    }
};
