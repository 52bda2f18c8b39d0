// Frame benchmarks at the game's window size: each part of a run's frame drawn
// on its own after a clear (subtract BM_Clear for the part alone), and whole
// frames by day, by night and after a crash. Every iteration ends with glFinish,
// so the rasteriser's work is counted, not just the calls. The processCpuMs
// counter is the whole process's CPU time per iteration, the rasteriser's
// threads included: steadier than the wall time on a busy machine.
#include "GameContext.h"
#include "app/Camera.h"
#include "app/Window.h"
#include "effects/CrashSpray.h"
#include "effects/SlopeSpray.h"
#include "rider/Rider.h"
#include "scene/Banners.h"
#include "scene/Board.h"
#include "scene/Floodlight.h"
#include "scene/Kicker.h"
#include "scene/Skybox.h"
#include "scene/Surround.h"
#include "scene/World.h"
#include "ui/BitmapFont.h"
#include "ui/MenuScreen.h"
#include "ui/TimingGauge.h"

#include <GL/glu.h>
#include <benchmark/benchmark.h>

#include <ctime>
#include <memory>

namespace {

double processCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Frames per second and process CPU per frame, from the loop just run.
void frameCounters(benchmark::State& state, double cpuMsAtStart) {
    const double iterations = static_cast<double>(state.iterations());
    state.counters["fps"] = benchmark::Counter(iterations, benchmark::Counter::kIsRate);
    state.counters["processCpuMs"] = (processCpuMs() - cpuMsAtStart) / (iterations > 0 ? iterations : 1);
}

// Where the rider stands a few steps into a run, on the kicker's surface.
Vec3 riderAtStart() {
    static Vec3 position = [] {
        Kicker kicker;
        Rider rider;
        kicker.setProbe(true, rider.worldPoints(), rider.pointCount());
        kicker.setProbeResults(rider.groundSamples());
        for (int step = 0; step < 10; ++step) {
            kicker.draw();
            rider.update();
        }
        return rider.position();
    }();
    return position;
}

// The run's view at the start: the camera on the rider at the top of the slope.
void startOfRunView() {
    Window::clear();
    Camera camera;
    camera.update(riderAtStart());
}

template <typename Draw>
void timeDrawing(benchmark::State& state, Draw draw) {
    if (!GameContext::open()) {
        state.SkipWithError("no X display");
        return;
    }
    const double cpuAtStart = processCpuMs();
    for (auto _ : state) {
        startOfRunView();
        draw();
        GameContext::finish();
    }
    frameCounters(state, cpuAtStart);
}

void BM_Clear(benchmark::State& state) {
    timeDrawing(state, [] {});
}

void BM_Skybox(benchmark::State& state) {
    if (!GameContext::open()) return state.SkipWithError("no X display");
    Skybox skybox;
    timeDrawing(state, [&] { skybox.draw(); });
}

void BM_Surround(benchmark::State& state) {
    if (!GameContext::open()) return state.SkipWithError("no X display");
    Surround surround;
    timeDrawing(state, [&] { surround.draw(); });
}

void BM_Kicker(benchmark::State& state) {
    if (!GameContext::open()) return state.SkipWithError("no X display");
    Kicker kicker;
    Rider rider;
    kicker.setProbe(true, rider.worldPoints(), rider.pointCount());
    kicker.setProbeResults(rider.groundSamples());
    timeDrawing(state, [&] { kicker.draw(); });
}

void BM_Floodlights(benchmark::State& state) {
    if (!GameContext::open()) return state.SkipWithError("no X display");
    // Placed as a World reset places them.
    std::unique_ptr<Floodlight> lamps[7];
    const Vec3 feet[7] = {{5.22f, 114.55f, -21.2f}, {26.22f, 100.42f, 21.8f},  {65.22f, 92.22f, -22.2f},
                          {114.22f, 61.22f, 38.2f}, {175.22f, 11.55f, -48.2f}, {212.22f, 0.0f, 61.2f},
                          {255.22f, 0.0f, -61.2f}};
    for (int i = 0; i < 7; ++i) {
        lamps[i] = std::make_unique<Floodlight>(i + 1);
        lamps[i]->setPosition(feet[i]);
        lamps[i]->setRotation(Vec3{0.0f, i % 2 ? 180.0f : 0.0f, 0.0f});
    }
    timeDrawing(state, [&] {
        for (auto& lamp : lamps) lamp->draw();
    });
}

void BM_Board(benchmark::State& state) {
    if (!GameContext::open()) return state.SkipWithError("no X display");
    Board board;
    const Vec3 at = riderAtStart();
    timeDrawing(state, [&] {
        glPushMatrix();
        {
            glTranslatef(at.x, at.y, at.z);
            board.draw();
        }
        glPopMatrix();
    });
}

void BM_Banners(benchmark::State& state) {
    if (!GameContext::open()) return state.SkipWithError("no X display");
    Banners banners;
    timeDrawing(state, [&] { banners.draw(); });
}

void BM_TimingGaugeTwice(benchmark::State& state) {
    if (!GameContext::open()) return state.SkipWithError("no X display");
    TimingGauge gauge;
    gauge.reset(static_cast<float>(GameContext::width()), static_cast<float>(GameContext::height()));
    timeDrawing(state, [&] {
        gauge.draw(0);
        gauge.draw(0);
    });
}

void BM_FrameRateText(benchmark::State& state) {
    if (!GameContext::open()) return state.SkipWithError("no X display");
    BitmapFont font;
    font.load("textures/font.tga");
    timeDrawing(state, [&] { font.print(0, 0, "130", 0, 0.1f); });
}

// The sprays in the rider's frame at the start, at a riding and a sliding speed.
template <typename Spray>
void timeSpray(benchmark::State& state, float speed) {
    if (!GameContext::open()) return state.SkipWithError("no X display");
    Spray spray("textures\\particle1.bmp");
    for (int warmUp = 0; warmUp < 300; ++warmUp) spray.draw(speed, false);
    GameContext::finish();
    const Vec3 at = riderAtStart();
    timeDrawing(state, [&] {
        glPushMatrix();
        {
            glTranslatef(at.x, at.y, at.z);
            spray.draw(speed, false);
        }
        glPopMatrix();
    });
}

void BM_SlopeSpray(benchmark::State& state) { timeSpray<SlopeSpray>(state, 20.0f); }
void BM_CrashSpray(benchmark::State& state) { timeSpray<CrashSpray>(state, 30.0f); }

void BM_MenuScreen(benchmark::State& state) {
    if (!GameContext::open()) return state.SkipWithError("no X display");
    MenuScreen menu("textures/menu.bmp", 1024, 768);
    const double cpuAtStart = processCpuMs();
    for (auto _ : state) {
        Window::clear();
        gluLookAt(0.0, 0.0, 14.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
        menu.draw();
        GameContext::finish();
    }
    frameCounters(state, cpuAtStart);
}

// Whole frames of a run as the display callback draws them (camera, World,
// frame-rate text), from the start; the run starts over every few seconds of
// simulated time so it stays in the state being measured.
enum class RunState { day, night, crash };

void putInState(World& world, RunState runState) {
    world.reset(static_cast<float>(GameContext::width()), static_cast<float>(GameContext::height()));
    if (runState != RunState::crash) return;
    RiderState& s = world.rider->state();
    s.position = Vec3{120.0f, 62.0f, 0.0f};  // on the kicker's landing
    s.airborne = s.crashed = true;
    s.speed = 30.0f;
}

void timeRun(benchmark::State& state, RunState runState) {
    if (!GameContext::open()) return state.SkipWithError("no X display");
    World world;
    Camera camera;
    BitmapFont font;
    font.load("textures/font.tga");
    if (runState != RunState::day) world.toggleLights();
    int framesLeft = 0;
    const double cpuAtStart = processCpuMs();
    for (auto _ : state) {
        if (framesLeft-- == 0) {
            putInState(world, runState);
            framesLeft = 200;
        }
        world.rider->setFrameRate(50);
        Window::clear();
        camera.update(world.rider->position());
        world.render();
        font.print(0, 0, "50", 0, 0.1f);
        GameContext::finish();
    }
    frameCounters(state, cpuAtStart);
}

void BM_RunDay(benchmark::State& state) { timeRun(state, RunState::day); }
void BM_RunNight(benchmark::State& state) { timeRun(state, RunState::night); }
void BM_RunNightCrash(benchmark::State& state) { timeRun(state, RunState::crash); }

BENCHMARK(BM_Clear)->UseRealTime();
BENCHMARK(BM_MenuScreen)->UseRealTime();
BENCHMARK(BM_Skybox)->UseRealTime();
BENCHMARK(BM_Surround)->UseRealTime();
BENCHMARK(BM_Kicker)->UseRealTime();
BENCHMARK(BM_Floodlights)->UseRealTime();
BENCHMARK(BM_Board)->UseRealTime();
BENCHMARK(BM_SlopeSpray)->UseRealTime();
BENCHMARK(BM_CrashSpray)->UseRealTime();
BENCHMARK(BM_Banners)->UseRealTime();
BENCHMARK(BM_TimingGaugeTwice)->UseRealTime();
BENCHMARK(BM_FrameRateText)->UseRealTime();
BENCHMARK(BM_RunDay)->UseRealTime();
BENCHMARK(BM_RunNight)->UseRealTime();
BENCHMARK(BM_RunNightCrash)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
