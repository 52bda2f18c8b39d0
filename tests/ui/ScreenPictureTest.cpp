#include "ui/HelpScreen.h"
#include "ui/MenuScreen.h"

#include "GlStateSnapshot.h"
#include "PictureFiles.h"
#include "support/GlContext.h"
#include "support/TempDir.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cstdlib>

namespace {
const Rgba red = {200, 30, 30, 255};
const Rgba green = {30, 200, 30, 255};
const Rgba blue = {30, 30, 200, 255};
const Rgba yellow = {200, 200, 30, 255};

// A different colour in each quarter, so orientation shows.
Rgba quarters(int x, int y) {
    const bool right = x >= 32;
    const bool top = y >= 32;
    if (top) return right ? green : red;
    return right ? yellow : blue;
}

// The menu's fixed view: perspective of the window's shape, eye at z = 14.
void useMenuView() {
    const int w = GlContext::width();
    const int h = GlContext::height();
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(30.0, static_cast<double>(w) / h, 1.0, 800.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 0, 14, 0, 0, 0, 0, 1, 0);
}

void expectColour(int x, int y, const Rgba& want) {
    const auto got = GlContext::pixel(x, y);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(got[i], want[i], 3) << "channel " << i << " at (" << x << ", " << y << ")";
    }
}

template <typename Screen>
void expectFillsTheView(const Screen& screen) {
    useStartupState();
    useMenuView();
    const GlStateSnapshot before = GlStateSnapshot::capture();
    screen.draw();
    EXPECT_EQ(GlStateSnapshot::capture(), before);

    const int w = GlContext::width();
    const int h = GlContext::height();
    expectColour(w / 8, h * 7 / 8, red);
    expectColour(w * 7 / 8, h * 7 / 8, green);
    expectColour(w / 8, h / 8, blue);
    expectColour(w * 7 / 8, h / 8, yellow);
    const std::vector<unsigned char> rgb = GlContext::readPixels();
    int background = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const unsigned char* p = &rgb[(static_cast<size_t>(y) * w + x) * 3];
            if (p[0] + p[1] + p[2] < 30) ++background;
        }
    }
    EXPECT_EQ(background, 0) << "pixels left at the clear colour";
}
}

TEST(ScreenPicture, AspectComesFromTheWindowSize) {
    REQUIRE_GL_CONTEXT();
    EXPECT_FLOAT_EQ(MenuScreen("missing.bmp", 1024, 768).getAspect(), 0.75f);
    EXPECT_FLOAT_EQ(HelpScreen("missing.bmp", 1280, 1024).getAspect(), 0.8f);
    // A minimised window must not give an infinite or NaN quad.
    EXPECT_FLOAT_EQ(MenuScreen("missing.bmp", 0, 0).getAspect(), 0.75f);
    EXPECT_FLOAT_EQ(HelpScreen("missing.bmp", -3, 768).getAspect(), 0.75f);
}

// The window here is square, narrower than 4:3, so the 4:3 quad must cover it.
TEST(ScreenPicture, BothScreensFillTheViewUprightAndRestoreState) {
    REQUIRE_GL_CONTEXT();
    ASSERT_LE(GlContext::width() * 3, GlContext::height() * 4);
    TempDir dir;
    const std::string file = dir.write("screen.bmp", bmpFile(64, 64, quarters));
    {
        SCOPED_TRACE("menu");
        expectFillsTheView(MenuScreen(file.c_str(), 1024, 768));
    }
    {
        SCOPED_TRACE("help");
        expectFillsTheView(HelpScreen(file.c_str(), 1024, 768));
    }
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 1);
}

// Missing pictures and pictures with too few bytes a pixel for RGB draw untextured.
TEST(ScreenPicture, UnusablePictureDrawsInTheCurrentColour) {
    REQUIRE_GL_CONTEXT();
    TempDir dir;
    const std::string grey = dir.write("grey.tga", tgaFile(16, 16, 8, [](int, int) { return Rgba{90, 0, 0, 0}; }));
    for (const std::string& file : {dir.path() + "/absent.bmp", grey}) {
        SCOPED_TRACE(file);
        MenuScreen screen(file.c_str(), 1024, 768);
        useStartupState();
        useMenuView();
        glColor3f(1.0f, 0.5f, 0.0f);
        screen.draw();
        expectColour(GlContext::width() / 2, GlContext::height() / 2, {255, 128, 0, 255});
    }
}
