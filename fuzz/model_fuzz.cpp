// Fuzzes Model::load with arbitrary model files, then runs the probe over
// whatever loaded. Material textures come from the stand-in below, so no GL
// context is needed.
#include "image/TgaTexture.h"
#include "model/Model.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

// Stands in for the real texture loader (which needs GL and a real file).
bool loadTgaTexture(const char* fileName, unsigned int* texture) {
    if (!fileName || !*fileName) std::abort();
    *texture = 1;
    return true;
}

namespace {

// A plain buffer, so that it still holds the name when the exit hook runs.
char inputName[] = "/tmp/model_fuzz_XXXXXX";

const char* inputPath() {
    static const bool made = [] {
        int fd = mkstemp(inputName);
        if (fd < 0) std::abort();
        close(fd);
        std::atexit([] { std::remove(inputName); });
        return true;
    }();
    (void)made;
    return inputName;
}

void writeInput(const uint8_t* data, size_t size) {
    std::FILE* file = std::fopen(inputPath(), "wb");
    if (!file) std::abort();
    if (size > 0) std::fwrite(data, 1, size, file);
    std::fclose(file);
}

// A grid of points over the model's likely extent, some on round coordinates
// where corners tend to sit.
void probe(Model& model) {
    Vec3 points[25];
    ProbeResult results[25];
    for (int i = 0; i < 25; ++i) {
        points[i].x = static_cast<float>(i % 5) - 2.0f;
        points[i].z = static_cast<float>(i / 5) * 0.5f - 1.0f;
    }
    model.setProbe(true, points, 25);
    model.setProbeResults(results);
    model.measureGround();
    model.setProbe(false, nullptr, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    writeInput(data, size);
    Model model;
    if (model.load(inputPath())) probe(model);
    model.advanceFrame(3.5f);
    return 0;
}
