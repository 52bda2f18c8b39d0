// Rider benchmarks: one Rider::update in each phase (riding, flying, landing
// approach, crashed while sliding and at rest), and a whole run per step.
// The phases start from snapshots of a run over an analytic course; a phase
// is put back to its snapshot every few steps so it never drifts out of it.
#include "rider/Rider.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>

namespace {

// A downhill run-in, a kicker and a steeper landing slope, as heights over x,
// all well above the probe's "no ground" heights.
float courseHeight(float x) {
    const float top = 80.0f, runInEnd = 60.0f, lipX = 70.0f;
    const float runInGradient = -0.36f, kickerGradient = 0.45f, landingGradient = -0.7f;
    if (x < runInEnd) return top + runInGradient * x;
    float kickerFoot = top + runInGradient * runInEnd;
    if (x < lipX) return kickerFoot + kickerGradient * (x - runInEnd);
    float lipHeight = kickerFoot + kickerGradient * (lipX - runInEnd);
    return lipHeight - 2.0f + landingGradient * (x - lipX);
}

// The course's ground under each probe point: what the kicker's probe does in the game.
void probeCourse(Rider& rider) {
    const float dx = 0.01f;
    for (int i = 0; i < rider.pointCount(); ++i) {
        const Vec3& p = rider.worldPoints()[i];
        float gradient = (courseHeight(p.x + dx) - courseHeight(p.x - dx)) / (2.0f * dx);
        ProbeResult& sample = rider.groundSamples()[i];
        sample.height = courseHeight(p.x);
        sample.normalX = -gradient / std::sqrt(1.0f + gradient * gradient);
        sample.normalZ = 0.0f;
    }
}

void courseStep(Rider& rider) {
    rider.setFrameRate(60);
    probeCourse(rider);
    rider.update();
}

enum class Phase { riding, flying, approach, sliding, resting };

const char* phaseName(Phase phase) {
    switch (phase) {
    case Phase::riding: return "riding";
    case Phase::flying: return "flying";
    case Phase::approach: return "landing approach";
    case Phase::sliding: return "crashed, sliding";
    case Phase::resting: return "crashed, at rest";
    }
    return "?";
}

bool inPhase(const Rider& rider, Phase phase) {
    switch (phase) {
    case Phase::riding: return !rider.isAirborne() && !rider.isCrashed();
    case Phase::flying: return rider.isAirborne() && !rider.isCrashed() && !rider.isLandingApproach();
    case Phase::approach: return rider.isLandingApproach() && !rider.isCrashed();
    case Phase::sliding: return rider.isCrashed() && rider.speed() > 3.0f;
    case Phase::resting: return rider.isCrashed() && rider.speed() == 0.0f;
    }
    return false;
}

// In the air the rider is held over a gap (no ground under any point), so a
// snapshot flies on for as long as it is replayed.
void removeGround(RiderState& state) {
    for (ProbeResult& sample : state.groundSamples) sample.height = noGroundHeight;
}

// Runs the course (with a quarter turn no landing survives, for the crash
// phases) and returns the rider a few steps into the phase; false if never reached.
bool snapshotOf(Phase phase, RiderState& snapshot) {
    const bool crash = phase == Phase::sliding || phase == Phase::resting;
    Rider rider;
    rider.reset();
    int stepsInPhase = 0;
    for (int step = 0; step < 60 * 60; ++step) {
        courseStep(rider);
        if (crash && rider.isLandingApproach()) rider.state().trickRotation.y = 90.0f;
        if (inPhase(rider, phase) && ++stepsInPhase == 3) {
            snapshot = rider.state();
            if (phase == Phase::flying || phase == Phase::approach) removeGround(snapshot);
            return true;
        }
    }
    return false;
}

const int stepsPerSnapshot = 16;

void updateInPhase(benchmark::State& state, Phase phase) {
    RiderState snapshot;
    if (!snapshotOf(phase, snapshot)) {
        state.SkipWithError("the course run never reached the phase");
        return;
    }
    Rider rider;
    int leftInSnapshot = 0;
    int stepsOutOfPhase = 0;
    for (auto _ : state) {
        if (leftInSnapshot == 0) {
            rider.state() = snapshot;
            leftInSnapshot = stepsPerSnapshot;
        }
        rider.update();
        --leftInSnapshot;
        if (!inPhase(rider, phase)) ++stepsOutOfPhase;
        benchmark::DoNotOptimize(rider.state());
    }
    state.counters["outOfPhase"] = benchmark::Counter(stepsOutOfPhase, benchmark::Counter::kAvgIterations);
    state.SetLabel(phaseName(phase));
}

void BM_RiderUpdateRiding(benchmark::State& state) { updateInPhase(state, Phase::riding); }
void BM_RiderUpdateFlying(benchmark::State& state) { updateInPhase(state, Phase::flying); }
void BM_RiderUpdateApproach(benchmark::State& state) { updateInPhase(state, Phase::approach); }
void BM_RiderUpdateCrashSliding(benchmark::State& state) { updateInPhase(state, Phase::sliding); }
void BM_RiderUpdateCrashResting(benchmark::State& state) { updateInPhase(state, Phase::resting); }

// A whole run from reset to rest, with the analytic probe, per step.
void BM_RiderWholeRunPerStep(benchmark::State& state) {
    Rider rider;
    long long steps = 0;
    for (auto _ : state) {
        rider.reset();
        for (int step = 0; step < 600; ++step) courseStep(rider);
        steps += 600;
        benchmark::DoNotOptimize(rider.state());
    }
    state.counters["steps"] = benchmark::Counter(static_cast<double>(steps));
    state.counters["perStep"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_RiderUpdateRiding);
BENCHMARK(BM_RiderUpdateFlying);
BENCHMARK(BM_RiderUpdateApproach);
BENCHMARK(BM_RiderUpdateCrashSliding);
BENCHMARK(BM_RiderUpdateCrashResting);
BENCHMARK(BM_RiderWholeRunPerStep);

}  // namespace

BENCHMARK_MAIN();
