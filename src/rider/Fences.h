// Fences: the three fence lines around the finish area (common/CourseLayout.h), as the rider meets them.
#pragma once

#include "common/Vec3.h"

namespace fences {

// True when the board, from its centre to its nose (pushed on by 0.4), lies
// across a fence line, from either side.
bool boardLiesAcross(const Vec3& nose, const Vec3& centre);

// True when a straight move from one point to another passes clean through a
// fence line; a long step at a low frame rate can jump the board right over one.
bool moveCrosses(const Vec3& from, const Vec3& to);

}  // namespace fences
