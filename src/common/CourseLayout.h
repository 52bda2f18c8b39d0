// CourseLayout: where the finish fences and the floodlights stand, for the game and the asset generator alike.
#pragma once

// tools/assetgen/layout.py reads this file too: keep to plain inline constexpr
// numbers and tables, one row a line.
// clang-format off

#include "common/Vec3.h"

namespace courseLayout {

// The finish area's three fence lines: z = -fenceSideZ and z = fenceSideZ for
// x from fenceStartX to fenceEndX, and x = fenceEndX between them.
inline constexpr float fenceStartX = 220.0f;
inline constexpr float fenceEndX = 265.0f;
inline constexpr float fenceSideZ = 65.0f;

// The floodlights' mast feet, lights 1 to 7: in alternation on the two sides
// of the slope, descending with x.
inline constexpr Vec3 lampFeet[] = {
    {5.22f, 114.55f, -21.2f},
    {26.22f, 100.42f, 21.8f},
    {65.22f, 92.22f, -22.2f},
    {114.22f, 61.22f, 38.2f},
    {175.22f, 11.55f, -48.2f},
    {212.22f, 0.0f, 61.2f},
    {255.22f, 0.0f, -61.2f},
};

// clang-format on
}  // namespace courseLayout
