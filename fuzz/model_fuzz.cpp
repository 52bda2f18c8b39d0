// Loads arbitrary model files, then runs the probe over whatever loaded. Material textures come from the
// stand-in below, so no GL context is needed.
#include "image/TgaTexture.h"
#include "model/Model.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

// Stands in for the real texture loader (which needs GL and a real file).
bool loadTgaTexture(const char* fileName, unsigned int* texture) {
    if (!fileName || !*fileName) std::abort();
    *texture = 1;
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int fd = memfd_create("model", 0);  // a file in memory, opened by name below
    if (fd < 0 || write(fd, data, size) != static_cast<ssize_t>(size)) std::abort();
    Vec3 points[25];  // a grid over the model's likely extent, on round coordinates where corners tend to sit
    ProbeResult results[25];
    for (int i = 0; i < 25; ++i) points[i] = {i % 5 - 2.0f, 0.0f, i / 5 * 0.5f - 1.0f};
    Model model;
    model.setProbe(true, points, 25);
    model.setProbeResults(results);
    if (model.load(("/proc/self/fd/" + std::to_string(fd)).c_str())) model.measureGround();
    model.advanceFrame(3.5f);
    close(fd);
    return 0;
}
