// BevelFrame: the HUD's bevelled frame, a template 0.6 units wide placed on screen by edges and units.
#pragma once

#include "ui/NdcRect.h"

class BevelFrame {
public:
    // A template point (u, v) lands at (left + u * unitX, bottom + v * unitY);
    // height is the template's height (0.2 for the bar, 0.52 for the panel).
    BevelFrame(float left, float bottom, float unitX, float unitY, float height);

    // The thirteen quads: light outer edge left and bottom, dark right and
    // top, a beige band, the inner edge the other way round, a translucent well.
    void draw() const;

    // Covers the well from its left edge to template x `right`, opaque.
    void fillWell(float right, float red, float green, float blue) const;

    // The outer edges, where draw puts them.
    NdcRect bounds() const;

private:
    void vertex(float u, float v) const;

    float left;
    float bottom;
    float unitX;
    float unitY;
    float stopY[8];
};
