// BalanceGauge: rings, spokes and a cross at the rider's balance point, inside the timing gauge's panel.
#pragma once

class BalanceGauge {
public:
    BalanceGauge() = default;
    virtual ~BalanceGauge();

    // Makes the rings circular in pixels for this window size. A size that is
    // not positive and finite (a minimised window) keeps the previous one.
    void reset(float windowWidth, float windowHeight);

    // The balance point, each coordinate about -1..1; 1 puts the cross on the outer ring.
    void update(float balanceX, float balanceY);

    // Around the given centre in normalized device coordinates. Lighting,
    // depth test and texturing are switched off around it and back on.
    void draw(float centreX, float centreY) const;

private:
    void drawRing(float centreX, float centreY, float r) const;
    void drawSpokes(float centreX, float centreY) const;
    void drawCross(float centreX, float centreY) const;
    void vertexAt(float centreX, float centreY, float degrees, float r) const;

    float ringSegments = 50.0f;
    float spokeCount = 8.0f;
    float radiusX = 0.2f;
    float radiusY = 0.2f;
    float markerX = 0.0f;
    float markerY = 0.0f;
};
