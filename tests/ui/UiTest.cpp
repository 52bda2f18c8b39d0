// The HUD gauges, the font and the menu and help screens, drawn in a real context from the game's start-up state.
#include "image/PictureFiles.h"
#include "support/GlContext.h"
#include "support/TempDir.h"
#include "ui/BalanceGauge.h"
#include "ui/HelpScreen.h"
#include "ui/MenuScreen.h"
#include "ui/TimingGauge.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <limits>
#include <tuple>
#include <vector>

using namespace PictureFiles;
using Rgb = std::array<int, 3>;

namespace {

// Draws from the game's start-up state (its switches, identity matrices, no texture, a black picture) in the
// viewport, expecting culling and its face, lighting, depth test, texturing, colour material, the matrix mode and
// both matrix stacks left as found; returns the picture as RGB, bottom row first.
Bytes drawn(const std::array<int, 4>& viewport, const std::function<void()>& draw) {
    for (GLenum on : {GL_CULL_FACE, GL_DEPTH_TEST, GL_BLEND, GL_TEXTURE_2D, GL_LIGHTING, GL_COLOR_MATERIAL})
        glEnable(on);
    glCullFace(GL_FRONT);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBindTexture(GL_TEXTURE_2D, 0);
    for (GLenum stack : {GL_PROJECTION, GL_MODELVIEW}) glMatrixMode(stack), glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    auto state = [] {
        std::vector<float> state;
        for (GLenum cap : {GL_CULL_FACE, GL_LIGHTING, GL_DEPTH_TEST, GL_TEXTURE_2D, GL_COLOR_MATERIAL})
            state.push_back(glIsEnabled(cap));
        for (GLenum name : {GL_CULL_FACE_MODE, GL_MATRIX_MODE, GL_MODELVIEW_STACK_DEPTH, GL_PROJECTION_STACK_DEPTH,
                            GL_LINE_WIDTH, GL_MODELVIEW_MATRIX, GL_PROJECTION_MATRIX})
            state.resize(state.size() + 16), glGetFloatv(name, &state[state.size() - 16]);
        return state;
    };
    const std::vector<float> before = state();
    draw();
    EXPECT_EQ(state(), before) << "state left changed";
    return GlContext::readPixels();
}

// The pixel at (x, y); the pixels of a kind: how many, their middle, the box around them (left, bottom, right, top).
Rgb at(const Bytes& rgb, int x, int y) {
    const Byte* p = &rgb.at((static_cast<std::size_t>(y) * GlContext::width() + x) * 3);
    return {p[0], p[1], p[2]};
}
struct Pixels {
    int count = 0;
    float x = 0, y = 0, box[4] = {1e9, 1e9, -1e9, -1e9};
};
Pixels find(const Bytes& rgb, const std::function<bool(const Rgb&)>& kind) {
    static const int width = GlContext::width();
    Pixels p;
    for (std::size_t i = 0; i < rgb.size() / 3; ++i) {
        const float x = i % width, y = i / width;
        if (!kind({rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2]})) continue;
        p.count++, p.x += x + 0.5f, p.y += y + 0.5f;
        p.box[0] = std::min(p.box[0], x), p.box[1] = std::min(p.box[1], y);
        p.box[2] = std::max(p.box[2], x + 1), p.box[3] = std::max(p.box[3], y + 1);
    }
    p.x /= std::max(p.count, 1), p.y /= std::max(p.count, 1);
    return p;
}
Pixels find(const Bytes& rgb, const Rgb& colour) {
    return find(rgb, [&](const Rgb& c) { return c == colour; });
}

const Rgb black = {0, 0, 0}, blue = {0, 85, 234}, green = {66, 163, 66}, red = {228, 35, 26}, well = {102, 102, 102},
          light = {244, 242, 240};
const float notANumber = std::numeric_limits<float>::quiet_NaN();
const std::pair<float, float> unusableSizes[] = {{0, 0}, {-768, 384}, {768, -384}, {notANumber, 9}};

}  // namespace

// Drawn three times the window's width, shifted, so the bar's steps are wider than a pixel. The fill is blue below
// 100, green at 100, red from 101 to 200 (as long as the blue 100 less) with the panel above, centred where the
// gauge says; it never covers the frame. Unusable window sizes keep the last.
TEST(TimingGauge, FillGrowsWithTheValueInItsBandsColourAndThePanelShowsAbove100) {
    REQUIRE_GL_CONTEXT();
    TimingGauge gauge;
    gauge.reset(768, 384);
    const float centre = gauge.getPanelCentreY();
    for (auto [w, h] : unusableSizes) gauge.reset(w, h);
    EXPECT_EQ(gauge.getPanelCentreY(), centre);
    auto draw = [&](int value) { return drawn({-256, 0, 768, 384}, [&] { gauge.draw(value); }); };
    auto pixels = [&](int value, const Rgb& colour) { return find(draw(value), colour).count; };
    const int full = pixels(100, green);
    for (int value : {0, 201, INT_MIN}) EXPECT_EQ(pixels(value, black), GlContext::width() * GlContext::height());
    ASSERT_GT(full, 1000);
    EXPECT_EQ(pixels(200, red), full);
    for (int value : {1, 99}) EXPECT_EQ(pixels(value + 100, red), pixels(value, blue)) << value;
    EXPECT_EQ(pixels(1, light), pixels(100, light)) << "the fill painted over the frame";
    const Pixels panel = find(draw(200), well);  // the bar's well is all red
    ASSERT_GT(panel.count, 1000);
    EXPECT_NEAR(panel.y, (centre + 1) * 384 / 2, 1.0);
}

// The panel's well is square, 0.22 of the window's width across (0.44 of the frame's 0.6 over a width of 2) at 5:4
// and narrower; a wider window of the same height gets the very same well as 5:4, centred, never a taller one.
TEST(TimingGauge, PanelKeepsItsFiveByFourSizeInWiderWindows) {
    REQUIRE_GL_CONTEXT();
    const int height = 192;
    auto wellBox = [&](int width) {  // the viewport's middle on the window's
        TimingGauge gauge;
        gauge.reset(width, height);
        const Pixels p = find(drawn({128 - width / 2, 0, width, height}, [&] { gauge.draw(200); }), well);
        return std::vector<float>{p.box[0], p.box[1], p.box[2], p.box[3]};
    };
    for (int width : {160, 192, 240}) {
        const std::vector<float> box = wellBox(width);
        EXPECT_NEAR(box[2] - box[0], 0.22f * width, 1.0f) << width;
        EXPECT_NEAR(box[3] - box[1], 0.22f * width, 1.0f) << width;
    }
    for (int width : {256, 342, 448}) EXPECT_EQ(wellBox(width), wellBox(240)) << width;
}

// The cross's red centres on the balance point, 1 reaching the outer ring; the rings are round.
TEST(BalanceGauge, CrossSitsAtTheBalancePointInRoundRings) {
    REQUIRE_GL_CONTEXT();
    BalanceGauge gauge;
    gauge.reset(768, 384);
    for (auto [w, h] : unusableSizes) gauge.reset(w, h);
    for (auto [x, y] : {std::pair{0.0f, 0.0f}, {1.0f, 0.0f}, {0.5f, -0.75f}}) {
        gauge.update(x, y);
        const Bytes rgb = drawn({-256, -64, 768, 384}, [&] { gauge.draw(0, 0); });
        const Pixels rings = find(rgb, [](const Rgb& c) { return c[0] > 200 && c[1] > 200 && c[2] < 60; });
        const Pixels cross = find(rgb, [](const Rgb& c) { return c[0] > 200 && c[1] < 60; });
        const float radiusX = (rings.box[2] - rings.box[0]) / 2, radiusY = (rings.box[3] - rings.box[1]) / 2;
        ASSERT_GT(cross.count, 4);
        EXPECT_NEAR(radiusX, radiusY, 1.5f);
        EXPECT_NEAR(cross.x, rings.box[0] + radiusX * (1 + x), 1.0f) << x << ", " << y;
        EXPECT_NEAR(cross.y, rings.box[1] + radiusY * (1 + y), 1.0f) << x << ", " << y;
    }
}

// One pixel up to 1024 lines, two at 2160 (a 4K screen): the spoke along x, a column through it counted near the
// middle row, where no other line passes.
TEST(BalanceGauge, LinesThickenWithTheWindowsHeight) {
    REQUIRE_GL_CONTEXT();
    for (auto [height, pixels] : {std::pair{1024, 1}, {2160, 2}}) {
        BalanceGauge gauge;
        gauge.reset(height * 16 / 9, height);
        const int width = height * 16 / 9;
        const Bytes rgb = drawn({128 - width / 2, 128 - height / 2, width, height}, [&] { gauge.draw(0, 0); });
        int thickness = 0;
        for (int y = 118; y < 138; ++y) thickness += at(rgb, 192, y) == Rgb{255, 255, 0};
        EXPECT_EQ(thickness, pixels) << height << " lines";
    }
}

// A screen's picture is uploaded with an unpack alignment of 1, left for every later upload; one too small for RGB
// (8 bits here) is not uploaded at all. The aspect is the window's height over its width, 4:3 without a size.
TEST(Screens, PicturesUploadOnlyWhatTheyHoldAndTheAspectFollowsTheWindow) {
    REQUIRE_GL_CONTEXT();
    TempDir dir;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    for (auto [bits, width] : {std::pair{24, 16}, {8, 0}}) {
        const std::string file = dir.write("screen.tga", tga(bits == 8 ? 3 : 2, 16, 16, bits, Bytes(256 * bits / 8)));
        const MenuScreen menu(file.c_str(), 1024, 768);
        GLint alignment = 0, uploaded = -1;  // the screen's texture is left bound
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &uploaded);
        EXPECT_EQ(std::make_tuple(alignment, uploaded), std::make_tuple(1, width)) << bits << " bits";
    }
    for (auto [w, h, aspect] : {std::tuple{1024, 768, 0.75f}, {1280, 1024, 0.8f}, {0, 0, 0.75f}, {-3, 768, 0.75f}})
        EXPECT_FLOAT_EQ(HelpScreen("absent.bmp", w, h).aspectRatio(), aspect) << w << " x " << h;
}
