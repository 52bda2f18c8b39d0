// ProbeResult: the ground under one probe point, as the height probe measures it.
#pragma once

struct ProbeResult {
    float height = 0.0f;   // y of the surface; below -10 means no ground (-15 when none was found)
    float normalX = 0.0f;  // x of the surface's unit normal
    float normalZ = 0.0f;  // z of the surface's unit normal
};

// Heights below this read as "no ground under the point".
constexpr float noGroundBelow = -10.0f;
// What the probe writes where no triangle lies under a point.
constexpr float noGroundHeight = -15.0f;
