// TimingBands: the bands of the rider's timing value, which the rider's flight writes and the HUD bar shows.
#pragma once

namespace timing {

// At or below this nothing is shown: on the ground, in the pop window, after a landing or a crash.
constexpr int none = 0;
// From none + 1 up to just below this the trick window is opening; exactly this, the tricks are running.
constexpr int tricksRunning = 100;
// Above tricksRunning up to this, the landing approach.
constexpr int approachEnd = 200;
// How fast the value climbs through the opening and the approach, per second of flight.
constexpr float ticksPerSecond = 200.0f;

}  // namespace timing
