#include "ui/HelpScreen.h"
#include "ui/MenuScreen.h"

#include "UiTestSupport.h"
#include "support/GlContext.h"
#include "support/TempDir.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>

namespace {
void expectButtons(float x, float y, int menu, int help) {
    EXPECT_EQ(MenuScreen::buttonAt(x, y), menu) << x << ", " << y;
    EXPECT_EQ(MenuScreen::isOverButton(x, y), menu != 0) << x << ", " << y;
    EXPECT_EQ(HelpScreen::buttonAt(x, y), help) << x << ", " << y;
    EXPECT_EQ(HelpScreen::isOverButton(x, y), help != 0) << x << ", " << y;
}
}

TEST(ScreenButtons, PositionsOnBetweenAndAtTheEdgesOfTheButtons) {
    expectButtons(0.3f, 0.5f, 1, 0);
    expectButtons(0.3f, 0.6f, 2, 0);
    expectButtons(0.3f, 0.8f, 3, 1);
    expectButtons(0.3f, 0.56f, 0, 0);
    expectButtons(0.5f, 0.5f, 0, 0);
    // Strict bounds in single precision: an edge is outside, the next float in is inside.
    const float tops[] = {0.425f, 0.573f, 0.767f}, bottoms[] = {0.549f, 0.695f, 0.89f};
    for (int i = 0; i < 3; ++i) {
        const float x = 0.3f, y = (tops[i] + bottoms[i]) / 2;
        const int help = i == 2 ? 1 : 0;
        for (float edge : {0.195f, 0.446f}) {
            expectButtons(edge, y, 0, 0);
            expectButtons(std::nextafter(edge, x), y, i + 1, help);
        }
        for (float edge : {tops[i], bottoms[i]}) {
            expectButtons(x, edge, 0, 0);
            expectButtons(x, std::nextafter(edge, y), i + 1, help);
        }
    }
}

namespace {
// Draws in the menu's fixed view, the eye at z = 14, in the given colour.
template <typename Screen>
void drawInMenuView(const Screen& screen, const std::array<float, 3>& colour = {1.0f, 1.0f, 1.0f}) {
    useStartupState();
    glColor3fv(colour.data());
    glViewport(0, 0, GlContext::width(), GlContext::height());
    glMatrixMode(GL_PROJECTION);
    gluPerspective(30.0, static_cast<double>(GlContext::width()) / GlContext::height(), 1.0, 800.0);
    glMatrixMode(GL_MODELVIEW);
    gluLookAt(0, 0, 14, 0, 0, 0, 0, 1, 0);
    const std::vector<float> before = stateSnapshot();
    screen.draw();
    EXPECT_EQ(stateSnapshot(), before);
}

template <typename Screen>
void expectFillsTheViewUpright(const Screen& screen) {
    drawInMenuView(screen);
    const int w = GlContext::width(), h = GlContext::height();
    expectPixel(w / 8, h * 7 / 8, {200, 30, 30});
    expectPixel(w * 7 / 8, h * 7 / 8, {30, 200, 30});
    expectPixel(w / 8, h / 8, {30, 30, 200});
    int unlit = 0;
    for (unsigned char c : GlContext::readPixels()) unlit += c == 0;
    EXPECT_EQ(unlit, 0) << "channels left at the clear colour";
}
}

// The square test window is narrower than 4:3, so the quad must cover it.
TEST(ScreenPicture, BothScreensFillTheViewUprightAndRestoreState) {
    REQUIRE_GL_CONTEXT();
    TempDir dir;
    const std::string file = dir.write("screen.tga", tgaFile(64, 24, [](int x, int y) {
        if (y >= 32) return x >= 32 ? std::array<int, 4>{30, 200, 30, 255} : std::array<int, 4>{200, 30, 30, 255};
        return x >= 32 ? std::array<int, 4>{200, 200, 30, 255} : std::array<int, 4>{30, 30, 200, 255};
    }));
    expectFillsTheViewUpright(MenuScreen(file.c_str(), 1024, 768));
    expectFillsTheViewUpright(HelpScreen(file.c_str(), 1024, 768));
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 1);
}

// A missing picture, or one with too few bytes a pixel for RGB, draws in the
// current colour; a minimised window's size gives the 4:3 quad, not NaN.
TEST(ScreenPicture, UnusableInputsFallBackSafely) {
    REQUIRE_GL_CONTEXT();
    TempDir dir;
    const std::string grey = dir.write("grey.tga", tgaFile(16, 8, [](int, int) { return std::array<int, 4>{90}; }));
    for (const std::string& file : {dir.path() + "/absent.bmp", grey}) {
        drawInMenuView(MenuScreen(file.c_str(), 1024, 768), {1.0f, 0.5f, 0.0f});
        expectPixel(GlContext::width() / 2, GlContext::height() / 2, {255, 128, 0});
    }
    EXPECT_FLOAT_EQ(MenuScreen("absent.bmp", 1024, 768).getAspect(), 0.75f);
    EXPECT_FLOAT_EQ(HelpScreen("absent.bmp", 1280, 1024).getAspect(), 0.8f);
    EXPECT_FLOAT_EQ(MenuScreen("absent.bmp", 0, 0).getAspect(), 0.75f);
    EXPECT_FLOAT_EQ(HelpScreen("absent.bmp", -3, 768).getAspect(), 0.75f);
}
