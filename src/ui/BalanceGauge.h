// BalanceGauge: rings, spokes and a cross at the rider's balance point, inside the timing gauge's panel.
#pragma once

class BalanceGauge {
public:
    BalanceGauge() = default;
    virtual ~BalanceGauge();

    // Makes the rings circular in pixels, no bigger than at 5:4 and drawn with
    // lines that thicken with the window's height (ui/HudArea.h). A size that
    // is not positive and finite (a minimised window) keeps the previous one.
    void reset(float windowWidth, float windowHeight);

    // The balance point, each coordinate about -1..1; 1 puts the cross on the outer ring.
    void update(float balanceX, float balanceY);

    // Around the given centre in normalized device coordinates. Lighting,
    // depth test and texturing are switched off around it and back on, the
    // line width put back to one.
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
    float lineWidth = 1.0f;
};
