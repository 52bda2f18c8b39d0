#include "ui/TimingGauge.h"

#include "GlStateSnapshot.h"
#include "HudView.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {
using Rgb = std::array<int, 3>;
const Rgb fillBlue = {0, 85, 234};
const Rgb fillGreen = {66, 163, 66};
const Rgb fillRed = {228, 35, 26};
const Rgb light = {244, 242, 240};
const Rgb beige = {236, 233, 216};
const Rgb dark = {190, 185, 180};
const Rgb emptyWell = {102, 102, 102};  // white at alpha 0.4 over black
const Rgb black = {0, 0, 0};

// Three times magnified across, the whole bar and the panel above it fit the
// 256-pixel window: the bar spans x -0.3..0.3 and y -0.99..-0.79.
const HudView view = {-256, 0, 768, 384};

void expectColour(int x, int y, const Rgb& want) {
    const auto got = GlContext::pixel(x, y);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(got[i], want[i], 2) << "channel " << i << " at (" << x << ", " << y << ")";
}

// Pixel column just inside the fill's end for amount n, and the one just past it.
int fillEnd(int n) { return view.pixelX(-0.22f + 0.0044f * n - 0.5f / view.unitX()); }
int pastFill(int n) { return view.pixelX(-0.22f + 0.0044f * n + 1.0f / view.unitX()); }

class TimingGaugeTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GlContext::ensure()) << "no X display: run the tests with ./test";
        ASSERT_GE(GlContext::width(), 256);
        ASSERT_GE(GlContext::height(), 256);
        gauge.reset(static_cast<float>(view.width), static_cast<float>(view.height));
    }

    void drawValue(int value) {
        useStartupState();
        view.apply();
        const GlStateSnapshot before = GlStateSnapshot::capture();
        gauge.draw(value);
        EXPECT_EQ(GlStateSnapshot::capture(), before) << "value " << value;
    }

    int barRow() const { return view.pixelY(-0.89f); }
    int panelRow() const { return view.pixelY(gauge.getPanelCentreY()); }

    TimingGauge gauge;
};
}

TEST_F(TimingGaugeTest, ValuesOutsideOneToTwoHundredDrawNothing) {
    for (int value : {0, 201, -1, INT_MIN, INT_MAX}) {
        drawValue(value);
        const std::vector<unsigned char> rgb = GlContext::readPixels();
        size_t lit = 0;
        for (unsigned char c : rgb) lit += c != 0;
        EXPECT_EQ(lit, 0u) << "value " << value;
    }
}

TEST_F(TimingGaugeTest, FillColourAndLengthFollowTheValue) {
    struct Case {
        int value;
        int amount;
        Rgb colour;
        bool panel;
    };
    const Case cases[] = {
        {1, 1, fillBlue, false},    {99, 99, fillBlue, false},  {100, 100, fillGreen, false},
        {101, 1, fillRed, true},    {200, 100, fillRed, true},  {150, 50, fillRed, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "value " << c.value);
        drawValue(c.value);
        expectColour(view.pixelX(-0.22f) + 1, barRow(), c.colour);
        expectColour(fillEnd(c.amount), barRow(), c.colour);
        if (c.amount < 100) expectColour(pastFill(c.amount), barRow(), emptyWell);
        expectColour(view.pixelX(0.0f), panelRow(), c.panel ? emptyWell : black);
        expectColour(view.pixelX(-0.26f), panelRow(), c.panel ? beige : black);
    }
}

// Outer edge light left and bottom, dark right and top; the inner edge the
// other way round; beige between; the fill exactly covers the well's height.
TEST_F(TimingGaugeTest, BevelShadesAcrossAndUpTheBar) {
    drawValue(50);
    const int row = barRow();
    const float across[] = {-0.295f, -0.26f, -0.225f, 0.225f, 0.26f, 0.295f};
    const Rgb acrossColours[] = {light, beige, dark, light, beige, dark};
    for (int i = 0; i < 6; ++i) expectColour(view.pixelX(across[i]), row, acrossColours[i]);

    const int column = view.pixelX(-0.1f);
    const float up[] = {-0.985f, -0.97f, -0.955f, -0.945f, -0.835f, -0.825f, -0.81f, -0.795f};
    const Rgb upColours[] = {light, beige, dark, fillBlue, fillBlue, light, beige, dark};
    for (int i = 0; i < 8; ++i) expectColour(column, view.pixelY(up[i]), upColours[i]);
}

// The thirteen quads and the fill tile the bar and the panel without a gap.
TEST_F(TimingGaugeTest, FrameHasNoGaps) {
    drawValue(200);
    const int left = view.pixelX(-0.3f) + 1;
    const int right = view.pixelX(0.3f) - 1;
    const int bottom = view.pixelY(-0.99f) + 1;
    const int top = view.pixelY(-0.79f + 0.52f * view.width / view.height) - 1;
    const std::vector<unsigned char> rgb = GlContext::readPixels();
    const size_t width = static_cast<size_t>(GlContext::width());
    int holes = 0;
    for (int y = bottom; y <= top; ++y) {
        for (int x = left; x <= right; ++x) {
            const unsigned char* p = &rgb[(y * width + x) * 3];
            if (p[0] == 0 && p[1] == 0 && p[2] == 0) ++holes;
        }
    }
    EXPECT_EQ(holes, 0);
}

// The panel stands on the bar's top edge, 0.26 of the window width high in
// pixels whatever the window's shape, centred where getPanelCentreY says.
TEST_F(TimingGaugeTest, PanelSitsOnTheBarWithAFixedPixelShape) {
    const HudView wide = {-256, 0, 768, 256};
    for (const HudView& shape : {view, wide}) {
        SCOPED_TRACE(testing::Message() << shape.width << "x" << shape.height);
        gauge.reset(static_cast<float>(shape.width), static_cast<float>(shape.height));
        useStartupState();
        shape.apply();
        gauge.draw(150);
        const int column = shape.pixelX(0.1f);
        const float barTop = shape.bottom + (1.0f - 0.79f) * shape.unitY();
        int top = shape.pixelY(-0.79f);
        while (top + 1 < GlContext::height() && GlContext::pixel(column, top + 1)[0] != 0) ++top;
        EXPECT_NEAR(top + 1 - barTop, 0.26f * shape.width, 1.5f);
        const float centre = shape.bottom + (gauge.getPanelCentreY() + 1.0f) * shape.unitY();
        EXPECT_NEAR(centre, (barTop + top + 1) / 2.0f, 1.0f);
        EXPECT_FLOAT_EQ(gauge.getPanelCentreX(), 0.0f);
    }
}

TEST_F(TimingGaugeTest, ResetIgnoresUnusableSizes) {
    gauge.reset(1024.0f, 768.0f);
    EXPECT_NEAR(gauge.getPanelCentreY(), 1024.0f / 768.0f * 0.26f - 0.89f + 0.1f, 1e-5f);

    gauge.reset(static_cast<float>(view.width), static_cast<float>(view.height));
    const float centre = gauge.getPanelCentreY();
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::pair<float, float> unusable[] = {{0, 0}, {768, 0}, {0, 384}, {-768, 384}, {nan, 384}, {768, inf}};
    for (const auto& size : unusable) {
        gauge.reset(size.first, size.second);
        EXPECT_EQ(gauge.getPanelCentreY(), centre) << size.first << "x" << size.second;
    }
    // The panel still has the last usable shape: its top edge at y 0.25.
    drawValue(150);
    expectColour(view.pixelX(0.1f), view.pixelY(0.24f), dark);
    expectColour(view.pixelX(0.1f), view.pixelY(0.26f), black);
}
