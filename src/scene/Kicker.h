// Kicker: the jump ramp and its guide arrows. The ramp is also the only ground
// there is: drawn with the probe on, it measures the rider's ground samples.
#pragma once

#include <memory>

class Model;
struct ProbeResult;
struct Vec3;

class Kicker {
public:
    Kicker();  // loads "models\kicka.txt", then "models\arrows.txt"
    virtual ~Kicker();

    void draw();
    // The points to measure under (world coordinates) and where to write; both
    // arrays must outlive the probe, and the results hold `count` entries.
    void setProbe(bool enabled, const Vec3* points, int count);
    void setProbeResults(ProbeResult* results);

private:
    std::unique_ptr<Model> ramp;
    std::unique_ptr<Model> arrows;
};
