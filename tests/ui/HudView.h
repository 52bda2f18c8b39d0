// HudView: a viewport that magnifies the HUD's normalized device coordinates onto the test window.
#pragma once

#include <GL/gl.h>

#include <cmath>

struct HudView {
    int left;  // may be negative: only part of the viewport lies on the window
    int bottom;
    int width;
    int height;

    void apply() const { glViewport(left, bottom, width, height); }

    // Window pixel containing the point (x, y) in normalized device coordinates.
    int pixelX(float x) const { return static_cast<int>(std::floor(left + (x + 1.0f) * width / 2.0f)); }
    int pixelY(float y) const { return static_cast<int>(std::floor(bottom + (y + 1.0f) * height / 2.0f)); }
    // Pixels per normalized unit.
    float unitX() const { return width / 2.0f; }
    float unitY() const { return height / 2.0f; }
};
