// TestGround: plays the kicker's height probe over an analytic surface in rider tests.
#pragma once

#include <vector>

#include "rider/Rider.h"

class TestGround {
public:
    static TestGround level(float height);
    // A plane through the origin climbing toward +x by the angle (negative: falling).
    static TestGround incline(float degrees);

    // Between x0 and x1 the height runs straight from y0 to y1; pieces are searched
    // in the order added, and where none holds x there is no ground.
    TestGround& addPiece(float x0, float x1, float y0, float y1);
    TestGround& setHalfWidth(float halfWidth);  // ground only for |z| <= halfWidth

    // Writes the ground under each of the rider's world points; where there is
    // none the height is -15 and the normal is left alone, as the kicker's probe does.
    void probe(Rider& rider) const;
    // One frame the way the game runs it: frame rate, probe, step.
    void frame(Rider& rider, int framesPerSecond) const;

private:
    struct Piece {
        double x0, x1, y0, y1;
    };
    void measure(float x, float z, ProbeResult& sample) const;

    std::vector<Piece> pieces_;
    float halfWidth_ = 1e9f;
};
