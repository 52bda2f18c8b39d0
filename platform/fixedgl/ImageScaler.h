// ImageScaler: GLU's picture resizing for 8-bit components. scale() box-
// filters: each new pixel averages the old pixels under its box, weighted by
// how much of each it covers. The box is the new pixel's own footprint, as
// for gluBuild2DMipmaps; gluScaleImage widens it to one old pixel when
// enlarging, wrapping around the edges. halve() makes the next mipmap level.
#pragma once

#include <vector>

namespace fixedgl {

class ImageScaler {
public:
    enum class Box { footprint, atLeastOnePixel };
    static std::vector<unsigned char> scale(const unsigned char* from, int width, int height, int bytesPerPixel,
                                            int toWidth, int toHeight, Box box);
    // To max(1, width / 2) x max(1, height / 2), each pixel the rounded mean of the two or four it replaces.
    static std::vector<unsigned char> halve(const std::vector<unsigned char>& from, int width, int height,
                                            int bytesPerPixel);
    // The power of two nearest size, halfway rounding up.
    static int nearestPowerOfTwo(int size);
};

}  // namespace fixedgl
