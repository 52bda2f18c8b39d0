// GlContext: a real OpenGL context for tests, from a GLUT window on the test
// X server (./test runs everything under Xvfb with Mesa's software renderer).
#pragma once

#include <GL/gl.h>

#include <array>
#include <vector>

class GlContext {
public:
    // Creates the window once per process (later calls reuse it) and makes it
    // current; false when there is no X display to open it on.
    static bool ensure(int width = 256, int height = 256);

    // The window's drawable size.
    static int width();
    static int height();

    // RGB of one pixel of the back buffer, (0, 0) at the bottom left.
    static std::array<unsigned char, 3> pixel(int x, int y);

    // Every pixel of the back buffer as RGB, bottom row first.
    static std::vector<unsigned char> readPixels();
};

// Put at the top of a test that needs GL; fails (not skips) without a display.
#define REQUIRE_GL_CONTEXT() ASSERT_TRUE(GlContext::ensure()) << "no X display: run the tests with ./test"
