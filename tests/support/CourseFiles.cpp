#include "support/CourseFiles.h"

#include <cstdio>

std::string slopedPlaneModel() {
    auto height = [](float x) { return 50.0f - 0.1f * x; };
    char text[1024];
    std::snprintf(text, sizeof text,
                  "Frames: 30\nFrame: 1\nMeshes: 1\n\"ground\" 0 -1\n4\n"
                  "0 -10 %g -20 0 0 -1\n0 -10 %g 20 0 1 -1\n0 300 %g 20 1 1 -1\n0 300 %g -20 1 0 -1\n"
                  "1\n0.0995 0.995 0\n2\n0 0 1 2 0 0 0 1\n0 0 2 3 0 0 0 1\nMaterials: 0\nBones: 0\n",
                  height(-10), height(-10), height(300), height(300));
    return text;
}
