#include "rider/Fences.h"

#include "common/CourseLayout.h"

namespace fences {

namespace {

constexpr float startX = courseLayout::fenceStartX;
constexpr float endX = courseLayout::fenceEndX;
constexpr float sideZ = courseLayout::fenceSideZ;

bool within(float value, float low, float high) { return value >= low && value <= high; }

// The line u = c, crossed strictly between a and b, at a v within [low, high].
bool passesThrough(float ua, float ub, float va, float vb, float c, float low, float high) {
    if (!((ua < c && ub > c) || (ua > c && ub < c))) {
        return false;
    }
    float v = va + (vb - va) * ((c - ua) / (ub - ua));
    return within(v, low, high);
}

}  // namespace

bool boardLiesAcross(const Vec3& nose, const Vec3& centre) {
    bool alongSide = within(nose.x, startX, endX);
    bool reachesSide = nose.x + 0.4f >= startX && nose.x <= endX;
    bool alongEnd = within(nose.z, -sideZ, sideZ);
    return (alongSide && nose.z + 0.4f <= -sideZ && centre.z >= -sideZ) ||
           (alongSide && nose.z + 0.4f >= -sideZ && centre.z <= -sideZ) ||
           (alongSide && nose.z + 0.4f <= sideZ && centre.z >= sideZ) ||
           (reachesSide && nose.z >= sideZ && centre.z <= sideZ) ||
           (alongEnd && nose.x + 0.4f <= endX && centre.x >= endX) ||
           (alongEnd && nose.x + 0.4f >= endX && centre.x <= endX);
}

bool moveCrosses(const Vec3& from, const Vec3& to) {
    return passesThrough(from.x, to.x, from.z, to.z, endX, -sideZ, sideZ) ||
           passesThrough(from.z, to.z, from.x, to.x, -sideZ, startX, endX) ||
           passesThrough(from.z, to.z, from.x, to.x, sideZ, startX, endX);
}

}  // namespace fences
