// GlContext: a real OpenGL context for tests, from a GLUT window on the test
// X server (./test runs everything under Xvfb with Mesa's software renderer).
#pragma once

#include <GL/gl.h>

#include <vector>

class GlContext {
public:
    // Creates a 256 x 256 window once per process (later calls reuse it) and
    // makes it current; false when there is no X display to open it on.
    static bool ensure();

    // The window's drawable size.
    static int width();
    static int height();

    // Every pixel of the back buffer as RGB, bottom row first.
    static std::vector<unsigned char> readPixels();
};

// Put at the top of a test that needs GL; fails (not skips) without a display.
#define REQUIRE_GL_CONTEXT() ASSERT_TRUE(GlContext::ensure()) << "no X display: run the tests with ./test"
