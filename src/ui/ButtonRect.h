// ButtonRect: a button painted into a screen picture, as a rectangle in fractions of the picture.
#pragma once

struct ButtonRect {
    float left;
    float right;
    float top;  // y grows downwards, as the mouse callbacks report it
    float bottom;

    // Strictly inside: a position on an edge belongs to no button.
    bool contains(float x, float y) const { return x > left && x < right && y > top && y < bottom; }
};
