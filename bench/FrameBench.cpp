// Frame benchmarks at the game's window size: each part of a run's frame drawn
// on its own after a clear (subtract BM_Clear for the part alone), and whole
// frames by day, by night and after a crash. Every iteration ends with glFinish,
// so the rasteriser's work is counted, not just the calls.
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

#include <memory>

namespace {

// The run's view at the start: the camera on the rider at the top of the slope.
void startOfRunView() {
    Window::clear();
    Camera camera;
    camera.update(Vec3{});
}

template <typename Draw>
void timeDrawing(benchmark::State& state, Draw draw) {
    if (!GameContext::open()) {
        state.SkipWithError("no X display");
        return;
    }
    for (auto _ : state) {
        startOfRunView();
        draw();
        GameContext::finish();
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                               benchmark::Counter::kIsRate);
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
    const Vec3 feet[7] = {{5.22f, 114.55f, -21.2f}, {26.22f, 100.42f, 21.8f}, {65.22f, 92.22f, -22.2f},
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
    timeDrawing(state, [&] { board.draw(); });
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
    timeDrawing(state, [&] { spray.draw(speed, false); });
}

void BM_SlopeSpray(benchmark::State& state) { timeSpray<SlopeSpray>(state, 20.0f); }
void BM_CrashSpray(benchmark::State& state) { timeSpray<CrashSpray>(state, 30.0f); }

void BM_MenuScreen(benchmark::State& state) {
    if (!GameContext::open()) return state.SkipWithError("no X display");
    MenuScreen menu("textures/menu.bmp", 1024, 768);
    for (auto _ : state) {
        Window::clear();
        gluLookAt(0.0, 0.0, 14.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
        menu.draw();
        GameContext::finish();
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                               benchmark::Counter::kIsRate);
}

// Whole frames of a run as the display callback draws them (camera, World,
// frame-rate text), from the start; the run starts over every few seconds of
// simulated time so it stays in the state being measured.
enum class RunState { day, night, crash };

void putInState(World& world, RunState runState) {
    world.reset(static_cast<float>(GameContext::width()), static_cast<float>(GameContext::height()));
    if (runState != RunState::crash) return;
    RiderState& s = world.rider().state();
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
    for (auto _ : state) {
        if (framesLeft-- == 0) {
            putInState(world, runState);
            framesLeft = 200;
        }
        world.rider().setFrameRate(50);
        Window::clear();
        camera.update(world.rider().position());
        world.render();
        font.print(0, 0, "50", 0, 0.1f);
        GameContext::finish();
    }
    state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()),
                                               benchmark::Counter::kIsRate);
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
