// Maths: the small arithmetic every layer shares: degrees to radians, index and window-size checks.
#pragma once

#include <cmath>
#include <cstddef>

namespace maths {

constexpr float pi = 3.14159265f;
// pi / 180; the float form rounds to the same value as pi / 180.0f.
constexpr double radiansPerDegree = 0.01745329252;
constexpr float radiansPerDegreeF = static_cast<float>(radiansPerDegree);
constexpr float degreesPerRadian = 180.0f / pi;

// True when index names one of size entries.
inline bool inRange(int index, std::size_t size) { return index >= 0 && static_cast<std::size_t>(index) < size; }

// A window size worth taking: both sides finite and positive (a minimised window is not).
inline bool isUsableSize(float width, float height) {
    return std::isfinite(width) && std::isfinite(height) && width > 0.0f && height > 0.0f;
}

}  // namespace maths
