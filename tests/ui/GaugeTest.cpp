#include "ui/BalanceGauge.h"
#include "ui/TimingGauge.h"

#include "UiTestSupport.h"
#include "support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {
// Viewports three times the window's width, shifted so the bar (x -0.3..0.3,
// y -0.99..-0.79), the panel and the rings land inside the 256-pixel window.
struct View {
    int left, bottom, width, height;
    float px(float x) const { return left + (x + 1.0f) * width / 2.0f; }
    float py(float y) const { return bottom + (y + 1.0f) * height / 2.0f; }
    void expectAt(float x, float y, const Rgb& want) const {
        expectPixel(static_cast<int>(std::floor(px(x))), static_cast<int>(std::floor(py(y))), want);
    }
    template <typename Draw>
    void draw(Draw drawing) const {
        useStartupState();
        glViewport(left, bottom, width, height);
        const std::vector<float> before = stateSnapshot();
        drawing();
        EXPECT_EQ(stateSnapshot(), before);
    }
};
const View tall = {-256, 0, 768, 384}, wide = {-256, 0, 768, 256}, rings = {-256, -64, 768, 384};

const Rgb blue = {0, 85, 234}, green = {66, 163, 66}, red = {228, 35, 26}, black = {0, 0, 0};
const Rgb light = {244, 242, 240}, beige = {236, 233, 216}, dark = {190, 185, 180};
const Rgb well = {102, 102, 102};  // white at alpha 0.4 over black
const float notANumber = std::numeric_limits<float>::quiet_NaN();
}

TEST(TimingGauge, FillColourLengthAndPanelFollowTheValue) {
    REQUIRE_GL_CONTEXT();
    TimingGauge gauge;
    gauge.reset(768.0f, 384.0f);
    for (int value : {0, 201, INT_MIN}) {
        tall.draw([&] { gauge.draw(value); });
        int lit = 0;
        for (unsigned char c : GlContext::readPixels()) lit += c != 0;
        EXPECT_EQ(lit, 0) << "value " << value;
    }
    struct Case { int value, amount; Rgb fill; bool panel; };
    for (const Case& c : {Case{1, 1, blue, false}, Case{99, 99, blue, false}, Case{100, 100, green, false},
                          Case{101, 1, red, true}, Case{200, 100, red, true}}) {
        SCOPED_TRACE(testing::Message() << "value " << c.value);
        tall.draw([&] { gauge.draw(c.value); });
        const float end = -0.22f + 0.0044f * c.amount, pixel = 2.0f / tall.width;
        tall.expectAt(-0.22f + pixel, -0.89f, c.fill);
        tall.expectAt(end - pixel, -0.89f, c.fill);
        if (c.amount < 100) tall.expectAt(end + pixel, -0.89f, well);
        tall.expectAt(0.0f, gauge.getPanelCentreY(), c.panel ? well : black);
        tall.expectAt(-0.26f, gauge.getPanelCentreY(), c.panel ? beige : black);
    }
}

// Outer edge light left and bottom, dark right and top, the inner edge the
// other way round, beige between; the fill covers the well's height; the
// thirteen quads leave no gap in bar or panel.
TEST(TimingGauge, BevelledFrameTilesBarAndPanel) {
    REQUIRE_GL_CONTEXT();
    TimingGauge gauge;
    gauge.reset(768.0f, 384.0f);
    tall.draw([&] { gauge.draw(150); });
    const Rgb bands[] = {light, beige, dark, red, red, light, beige, dark};
    const float across[] = {-0.295f, -0.26f, -0.225f, -0.2f, -0.1f, 0.225f, 0.26f, 0.295f};
    const float up[] = {-0.985f, -0.97f, -0.955f, -0.945f, -0.835f, -0.825f, -0.81f, -0.795f};
    for (int i = 0; i < 8; ++i) {
        if (i != 4) tall.expectAt(across[i], -0.89f, bands[i]);
        tall.expectAt(-0.1f, up[i], bands[i]);
    }
    const std::vector<unsigned char> rgb = GlContext::readPixels();
    const int width = GlContext::width();
    int holes = 0;
    for (int y = static_cast<int>(tall.py(-0.99f)) + 1; y < static_cast<int>(tall.py(0.25f)) - 1; ++y)
        for (int x = static_cast<int>(tall.px(-0.3f)) + 1; x < static_cast<int>(tall.px(0.3f)) - 1; ++x)
            holes += rgb[(y * width + x) * 3] == 0;
    EXPECT_EQ(holes, 0);
}

// For any window shape the panel stands on the bar, 0.26 of the window width
// high in pixels, centred where getPanelCentreY says; unusable sizes keep the last.
TEST(TimingGauge, PanelKeepsItsPixelShapeAndResetIgnoresUnusableSizes) {
    REQUIRE_GL_CONTEXT();
    TimingGauge gauge;
    gauge.reset(1024.0f, 768.0f);
    EXPECT_NEAR(gauge.getPanelCentreY(), 1024.0f / 768.0f * 0.26f - 0.89f + 0.1f, 1e-5f);
    for (const View& v : {tall, wide}) {
        gauge.reset(static_cast<float>(v.width), static_cast<float>(v.height));
        const float centre = gauge.getPanelCentreY();
        for (const auto& size : {std::make_pair(0.0f, 0.0f), std::make_pair(-768.0f, 384.0f), std::make_pair(notANumber, 9.0f)})
            gauge.reset(size.first, size.second);
        EXPECT_EQ(gauge.getPanelCentreY(), centre);
        v.draw([&] { gauge.draw(150); });
        const int column = static_cast<int>(v.px(0.1f));
        const float barTop = v.py(-0.79f);
        int top = static_cast<int>(barTop);
        while (top + 1 < GlContext::height() && GlContext::pixel(column, top + 1)[0] != 0) ++top;
        EXPECT_NEAR(top + 1 - barTop, 0.26f * v.width, 1.5f) << v.width << "x" << v.height;
        EXPECT_NEAR(v.py(centre), (barTop + top + 1) / 2.0f, 1.0f);
    }
}

namespace {
const float ring = 0.2f * 768 / 2;  // the outer radius in pixels, the same both ways when round

// The cross: where its red pixels lie, on average.
void expectCrossAt(float balanceX, float balanceY) {
    const std::vector<unsigned char> rgb = GlContext::readPixels();
    const size_t width = static_cast<size_t>(GlContext::width());
    float sumX = 0.0f, sumY = 0.0f;
    int count = 0;
    for (size_t i = 0; i < rgb.size() / 3; ++i) {
        if (rgb[i * 3] < 200 || rgb[i * 3 + 1] > 60) continue;
        sumX += static_cast<float>(i % width) + 0.5f;
        sumY += static_cast<float>(i / width) + 0.5f;
        ++count;
    }
    ASSERT_GT(count, 4);
    EXPECT_NEAR(sumX / count, rings.px(0.0f) + balanceX * ring, 1.0f);
    EXPECT_NEAR(sumY / count, rings.py(0.0f) + balanceY * ring, 1.0f);
}

bool yellowNear(float x, float y) {
    bool found = false;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const auto p = GlContext::pixel(static_cast<int>(x) + dx, static_cast<int>(y) + dy);
            found = found || (p[0] > 200 && p[1] > 200 && p[2] < 60);
        }
    return found;
}
}

TEST(BalanceGauge, CrossFollowsTheBalancePointInsideRoundRings) {
    REQUIRE_GL_CONTEXT();
    BalanceGauge gauge;
    gauge.reset(768.0f, 384.0f);
    rings.draw([&] { gauge.draw(0.0f, 0.0f); });
    expectCrossAt(0.0f, 0.0f);
    for (float degrees : {22.5f, 67.5f, 112.5f, 247.5f}) {  // between the spokes
        const float c = std::cos(degrees * 3.14159265f / 180.0f), s = std::sin(degrees * 3.14159265f / 180.0f);
        EXPECT_TRUE(yellowNear(rings.px(0.0f) + c * ring, rings.py(0.0f) + s * ring)) << degrees;
        EXPECT_FALSE(yellowNear(rings.px(0.0f) + c * ring * 0.8f, rings.py(0.0f) + s * ring * 0.8f)) << degrees;
    }
    for (const auto& point : {std::make_pair(1.0f, 0.0f), std::make_pair(0.5f, -0.75f)}) {
        gauge.update(point.first, point.second);
        rings.draw([&] { gauge.draw(0.0f, 0.0f); });
        expectCrossAt(point.first, point.second);
    }
    for (const auto& size : {std::make_pair(0.0f, 0.0f), std::make_pair(768.0f, -384.0f), std::make_pair(notANumber, 9.0f)})
        gauge.reset(size.first, size.second);
    gauge.update(-0.3f, 1.0f);
    rings.draw([&] { gauge.draw(0.0f, 0.0f); });
    expectCrossAt(-0.3f, 1.0f);
}
