#include "ui/BalanceGauge.h"

#include "GlStateSnapshot.h"
#include "HudView.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {
// A 2:1 viewport centred on the window: the rings only come out round if the
// gauge corrects for the shape it was reset with.
const HudView view = {-256, -64, 768, 384};
const float ringPixels = 0.2f * 768 / 2;  // outer radius, the same both ways

struct Centroid {
    int count = 0;
    float x = 0.0f;
    float y = 0.0f;
};

// Mean position of the pure red pixels: the cross.
Centroid redCentroid() {
    const std::vector<unsigned char> rgb = GlContext::readPixels();
    const int w = GlContext::width();
    Centroid c;
    for (size_t i = 0; i < rgb.size() / 3; ++i) {
        if (rgb[i * 3] > 200 && rgb[i * 3 + 1] < 60 && rgb[i * 3 + 2] < 60) {
            ++c.count;
            c.x += static_cast<float>(i % w) + 0.5f;
            c.y += static_cast<float>(i / w) + 0.5f;
        }
    }
    if (c.count > 0) {
        c.x /= c.count;
        c.y /= c.count;
    }
    return c;
}

bool yellowNear(float x, float y) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const auto p = GlContext::pixel(static_cast<int>(x) + dx, static_cast<int>(y) + dy);
            if (p[0] > 200 && p[1] > 200 && p[2] < 60) return true;
        }
    }
    return false;
}

class BalanceGaugeTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GlContext::ensure()) << "no X display: run the tests with ./test";
        gauge.reset(static_cast<float>(view.width), static_cast<float>(view.height));
    }

    void drawAtCentre() {
        useStartupState();
        view.apply();
        const GlStateSnapshot before = GlStateSnapshot::capture();
        gauge.draw(0.0f, 0.0f);
        EXPECT_EQ(GlStateSnapshot::capture(), before);
    }

    // Where the cross should be for a balance point, in window pixels.
    void expectCrossAt(float balanceX, float balanceY) {
        const Centroid cross = redCentroid();
        ASSERT_GT(cross.count, 4);
        EXPECT_NEAR(cross.x, view.left + view.unitX() + balanceX * ringPixels, 1.0f);
        EXPECT_NEAR(cross.y, view.bottom + view.unitY() + balanceY * ringPixels, 1.0f);
    }

    BalanceGauge gauge;
};
}

TEST_F(BalanceGaugeTest, CrossStartsAtTheCentreAndFollowsTheBalancePoint) {
    drawAtCentre();
    expectCrossAt(0.0f, 0.0f);
    const std::pair<float, float> points[] = {{1.0f, 0.0f}, {0.5f, -0.75f}, {-0.3f, 0.6f}};
    for (const auto& p : points) {
        SCOPED_TRACE(testing::Message() << "balance (" << p.first << ", " << p.second << ")");
        gauge.update(p.first, p.second);
        drawAtCentre();
        expectCrossAt(p.first, p.second);
    }
}

// Checked between the spokes, so only a round ring can light these pixels.
TEST_F(BalanceGaugeTest, RingsAreRoundOnScreen) {
    drawAtCentre();
    const float cx = view.left + view.unitX();
    const float cy = view.bottom + view.unitY();
    for (float degrees : {22.5f, 67.5f, 112.5f, 247.5f}) {
        const float a = degrees * 3.14159265f / 180.0f;
        EXPECT_TRUE(yellowNear(cx + std::cos(a) * ringPixels, cy + std::sin(a) * ringPixels)) << "outer " << degrees;
        EXPECT_FALSE(yellowNear(cx + std::cos(a) * ringPixels * 0.8f, cy + std::sin(a) * ringPixels * 0.8f))
            << "inside " << degrees;
    }
}

TEST_F(BalanceGaugeTest, ResetIgnoresUnusableSizes) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::pair<float, float> unusable[] = {{0, 0}, {768, 0}, {768, -384}, {nan, 384}};
    for (const auto& size : unusable) gauge.reset(size.first, size.second);
    gauge.update(0.0f, 1.0f);
    drawAtCentre();
    expectCrossAt(0.0f, 1.0f);
}
