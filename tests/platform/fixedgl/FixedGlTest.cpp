// The fixed-function layer held to Mesa's own: each scene of Scenes.h drawn by
// the reference program over real GL, and here over the layer on GLES 2 (an
// EGL pbuffer on Mesa's surfaceless platform), then compared pixel by pixel.
#include "Scenes.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Pixels = std::vector<unsigned char>;
const std::size_t frameBytes = static_cast<std::size_t>(sceneSize) * sceneSize * 3;

// A GLES 2 context on an off-screen square of the scenes' size, made once.
bool gles2Context() {
    static const bool made = [] {
        auto platformDisplay =
            reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
        if (!platformDisplay) return false;
        EGLDisplay display = platformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        const EGLint wanted[][2] = {{EGL_SURFACE_TYPE, EGL_PBUFFER_BIT},
                                    {EGL_RENDERABLE_TYPE, EGL_OPENGL_ES2_BIT},
                                    {EGL_RED_SIZE, 8},
                                    {EGL_GREEN_SIZE, 8},
                                    {EGL_BLUE_SIZE, 8},
                                    {EGL_DEPTH_SIZE, 24},
                                    {EGL_NONE, 0}};
        const EGLint size[] = {EGL_WIDTH, sceneSize, EGL_HEIGHT, sceneSize, EGL_NONE};
        const EGLint version[] = {EGL_CONTEXT_CLIENT_VERSION, 2, EGL_NONE};
        EGLConfig config = nullptr;
        EGLint count = 0;
        if (!eglInitialize(display, nullptr, nullptr) || !eglChooseConfig(display, wanted[0], &config, 1, &count) ||
            count < 1 || !eglBindAPI(EGL_OPENGL_ES_API))
            return false;
        EGLSurface surface = eglCreatePbufferSurface(display, config, size);
        EGLContext context = eglCreateContext(display, config, EGL_NO_CONTEXT, version);
        return eglMakeCurrent(display, surface, surface, context) == EGL_TRUE;
    }();
    return made;
}

// Read back through a pack store of padded rows and skips, which GLES lacks.
Pixels throughLayer(const char* scene) {
    FglContext* context = fglCreateContext();
    drawScene(scene);
    const int rowLength = sceneSize + 3;
    const int rowBytes = (rowLength * 3 + 7) / 8 * 8;
    Pixels padded(static_cast<std::size_t>(rowBytes) * (sceneSize + 1));
    glPixelStorei(GL_PACK_ROW_LENGTH, rowLength);
    glPixelStorei(GL_PACK_SKIP_PIXELS, 2);
    glPixelStorei(GL_PACK_SKIP_ROWS, 1);
    glPixelStorei(GL_PACK_ALIGNMENT, 8);
    glReadPixels(0, 0, sceneSize, sceneSize, GL_RGB, GL_UNSIGNED_BYTE, padded.data());
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << scene;
    fglDestroyContext(context);
    Pixels pixels;
    for (int y = 1; y <= sceneSize; ++y) {
        const auto row = padded.begin() + y * rowBytes + 2 * 3;
        pixels.insert(pixels.end(), row, row + sceneSize * 3);
    }
    return pixels;
}

Pixels reference(const char* scene) {
    const std::string command = std::string(FIXEDGL_REFERENCE) + " '" + scene + "'";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {};
    Pixels pixels(frameBytes);
    const std::size_t read = std::fread(pixels.data(), 1, pixels.size(), pipe);
    const bool drawn = pclose(pipe) == 0 && read == frameBytes;
    return drawn ? pixels : Pixels();
}

// Every channel within 4 of Mesa's, but for at most a thousandth of the
// pixels (where an edge or a texel falls a hair the other way).
void expectAlike(const char* scene) {
    const int tolerance = 4;
    ASSERT_TRUE(gles2Context()) << "no GLES 2 context on Mesa's surfaceless EGL";
    const Pixels want = reference(scene);
    ASSERT_EQ(want.size(), frameBytes) << "the reference program drew no " << scene << " (is there an X display?)";
    const Pixels got = throughLayer(scene);
    int off = 0;
    for (std::size_t i = 0; i < frameBytes; i += 3) {
        int difference = 0;
        for (std::size_t c = i; c < i + 3; ++c) difference = std::max(difference, std::abs(got[c] - want[c]));
        off += difference > tolerance;
    }
    std::printf("%s: %d pixels off by more than %d\n", scene, off, tolerance);
    EXPECT_LE(off, sceneSize * sceneSize / 1000) << scene;
}

}  // namespace

TEST(FixedGl, SpotAndDirectionalLightsMaterialsAndColourMaterial) { expectAlike("lit"); }
TEST(FixedGl, MipmapsIncompleteTexturesPixelStoreGluScalingAndADisplayListFont) { expectAlike("textures"); }
