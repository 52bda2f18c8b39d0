// Draws one scene (Scenes.h) with Mesa's own fixed function in a window of
// the test X server and writes its pixels to standard output: RGB, bottom
// row first, sceneSize x sceneSize.
#include "Scenes.h"
#include "support/GlContext.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2 || !GlContext::ensure() || GlContext::width() != sceneSize || GlContext::height() != sceneSize) {
        std::fprintf(stderr, "usage: %s SCENE, with an X display\n", argv[0]);
        return 2;
    }
    if (!drawScene(argv[1])) {
        std::fprintf(stderr, "%s: no scene \"%s\"\n", argv[0], argv[1]);
        return 2;
    }
    const std::vector<unsigned char> pixels = GlContext::readPixels();
    return std::fwrite(pixels.data(), 1, pixels.size(), stdout) == pixels.size() ? 0 : 1;
}
