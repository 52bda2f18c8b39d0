// NdcRect: a rectangle in normalized device coordinates, x right and y up from -1 to 1 over the window.
#pragma once

struct NdcRect {
    float left;
    float bottom;
    float right;
    float top;
};
