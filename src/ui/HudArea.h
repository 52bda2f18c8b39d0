// HudArea: the part of the window the HUD is laid out in. Up to 5:4 it is the
// whole window; a wider window gets a 5:4 area of its full height, centred, so
// the gauges keep the size and shape they have at 5:4 and the balance panel
// stays below the rider, who is drawn in the middle. Lines follow the height.
#pragma once

class HudArea {
public:
    // The widest shape laid out over the whole window, width over height.
    static constexpr float widestAspect = 1.25f;
    // Lines are one pixel wide up to this many window lines.
    static constexpr float linesPerLinePixel = 1024.0f;

    // A size that is not positive and finite (a minimised window) is taken as 5:4.
    HudArea(float windowWidth, float windowHeight);

    // The area's size in pixels; its height is the window's.
    float width() const { return areaWidth; }
    float height() const { return windowHeight; }
    // The area's share of the window's width: 1 up to 5:4. Horizontal lengths
    // in normalized device coordinates shrink by it.
    float widthShare() const { return areaWidth / windowWidth; }
    // A line width in whole pixels that grows with the window's height, at least one.
    float lineWidth() const;
    // Window pixels a pixel of a 1024-line window spans: 1 up to 1024 lines.
    float pixelSize() const;

private:
    float windowWidth;
    float windowHeight;
    float areaWidth;
};
