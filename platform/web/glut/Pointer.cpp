#include "Pointer.h"

#include <algorithm>
#include <cmath>

namespace {
double clampTo(double value, double low, double high) { return std::min(std::max(value, low), high); }
}  // namespace

void Pointer::move(double dx, double dy, int width, int height) {
    atX = clampTo(atX + dx, 0.0, width - 1.0);
    atY = clampTo(atY + dy, 0.0, height - 1.0);
}

void Pointer::keepNear(int width, int height) {
    atX = clampTo(atX, -width, 2.0 * width - 1.0);
    atY = clampTo(atY, -height, 2.0 * height - 1.0);
}

int Pointer::x() const { return static_cast<int>(std::floor(atX)); }
int Pointer::y() const { return static_cast<int>(std::floor(atY)); }

bool Pointer::isInside(int width, int height) const { return x() >= 0 && y() >= 0 && x() < width && y() < height; }
