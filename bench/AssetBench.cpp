// Loader and probe benchmarks, run in the game's data folder with a GL
// context: Model::load of each model, Image::load of each picture (the BMPs
// and the font), the material texture loader for each model texture, and the
// kicker's height probe for the rider's six points at places along the course,
// on its own and riding on Model::draw (with glFinish, as a frame would pay).
#include "GameContext.h"
#include "image/Image.h"
#include "image/TgaTexture.h"
#include "model/Model.h"
#include "rider/Rider.h"

#include <GL/gl.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <dirent.h>
#include <string>
#include <vector>

namespace {

std::vector<std::string> filesIn(const char* folder, const char* ending) {
    std::vector<std::string> names;
    DIR* dir = opendir(folder);
    if (!dir) return names;
    const std::string suffix = ending;
    while (dirent* entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
            names.push_back(std::string(folder) + "/" + name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

// The game never frees material textures; a benchmark that loads thousands of times must.
void deleteTextures(const Model& model) {
    for (int i = 0; i < model.materialCount(); ++i) {
        GLuint texture = model.material(i).texture;
        if (texture) glDeleteTextures(1, &texture);
    }
}

void loadModel(benchmark::State& state, std::string fileName) {
    if (!GameContext::open()) return state.SkipWithError("no X display");
    int triangles = 0;
    for (auto _ : state) {
        Model model;
        if (!model.load(fileName.c_str())) return state.SkipWithError("the model did not load");
        triangles = model.triangleCount();
        deleteTextures(model);
    }
    state.counters["triangles"] = triangles;
}

void loadImage(benchmark::State& state, std::string fileName) {
    if (!GameContext::open()) return state.SkipWithError("no X display");
    size_t bytes = 0;
    for (auto _ : state) {
        Image image;
        image.load(fileName.c_str());
        if (!image.pixelData()) return state.SkipWithError("the picture did not load");
        bytes = image.pixels.size();
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
}

void loadMaterialTexture(benchmark::State& state, std::string fileName) {
    if (!GameContext::open()) return state.SkipWithError("no X display");
    for (auto _ : state) {
        GLuint texture = 0;
        loadTgaTexture(fileName.c_str(), &texture);
        glDeleteTextures(1, &texture);
    }
}

// The rider's six probe points with the rider at x along the course's centre line.
struct RiderAt {
    explicit RiderAt(float x) {
        rider.state().position = Vec3{x, 0.0f, 0.0f};
        rider.transformPoints();
    }
    Rider rider;
};

struct Ramp {
    Ramp() { ok = model.load("models\\kicka.txt"); }
    Model model;
    bool ok = false;
};

void probeOnly(benchmark::State& state) {
    Ramp ramp;
    if (!ramp.ok) return state.SkipWithError("no models\\kicka.txt here");
    RiderAt at(static_cast<float>(state.range(0)));
    ramp.model.setProbe(true, at.rider.worldPoints(), at.rider.pointCount());
    ramp.model.setProbeResults(at.rider.groundSamples());
    for (auto _ : state) {
        ramp.model.measureGround();
        benchmark::DoNotOptimize(at.rider.groundSamples()[0]);
    }
    state.counters["triangles"] = ramp.model.triangleCount();
}

void drawRamp(benchmark::State& state, bool probe) {
    if (!GameContext::open()) return state.SkipWithError("no X display");
    Ramp ramp;
    if (!ramp.ok) return state.SkipWithError("no models\\kicka.txt here");
    RiderAt at(static_cast<float>(state.range(0)));
    ramp.model.setProbe(probe, at.rider.worldPoints(), at.rider.pointCount());
    ramp.model.setProbeResults(at.rider.groundSamples());
    for (auto _ : state) {
        ramp.model.draw();
        glFinish();
    }
    deleteTextures(ramp.model);
}

void BM_KickerProbeOnly(benchmark::State& state) { probeOnly(state); }
void BM_KickerDrawWithProbe(benchmark::State& state) { drawRamp(state, true); }
void BM_KickerDrawWithoutProbe(benchmark::State& state) { drawRamp(state, false); }

void along(benchmark::internal::Benchmark* b) {
    for (int x : {0, 60, 120, 180, 240}) b->Arg(x);
}

BENCHMARK(BM_KickerProbeOnly)->Apply(along);
BENCHMARK(BM_KickerDrawWithProbe)->Apply(along);
BENCHMARK(BM_KickerDrawWithoutProbe)->Apply(along);

}  // namespace

int main(int argc, char** argv) {
    for (const std::string& name : filesIn("models", ".txt"))
        benchmark::RegisterBenchmark(("BM_ModelLoad/" + name).c_str(), loadModel, name);
    // The font is the one TGA picture; the other TGA files are material textures.
    const std::string font = "textures/font.tga";
    for (const char* ending : {".bmp", ".pcx"})
        for (const std::string& name : filesIn("textures", ending))
            benchmark::RegisterBenchmark(("BM_ImageLoad/" + name).c_str(), loadImage, name);
    benchmark::RegisterBenchmark(("BM_ImageLoad/" + font).c_str(), loadImage, font);
    for (const std::string& name : filesIn("textures", ".tga"))
        if (name != font)
            benchmark::RegisterBenchmark(("BM_MaterialTexture/" + name).c_str(), loadMaterialTexture, name);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
