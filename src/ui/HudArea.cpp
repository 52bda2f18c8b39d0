#include "ui/HudArea.h"

#include "common/Maths.h"

#include <algorithm>
#include <cmath>

HudArea::HudArea(float width, float height) : windowWidth(width), windowHeight(height) {
    if (!maths::isUsableSize(windowWidth, windowHeight)) {
        windowWidth = widestAspect;
        windowHeight = 1.0f;
    }
    areaWidth = std::min(windowWidth, widestAspect * windowHeight);
}

float HudArea::lineWidth() const { return std::round(pixelSize()); }

float HudArea::pixelSize() const { return std::max(1.0f, windowHeight / linesPerLinePixel); }
