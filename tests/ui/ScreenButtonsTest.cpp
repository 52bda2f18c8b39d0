#include "ui/HelpScreen.h"
#include "ui/MenuScreen.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
struct Expected {
    float x;
    float y;
    int menu;
    int help;
};

void expectButtons(float x, float y, int menu, int help) {
    SCOPED_TRACE(testing::Message() << "at (" << x << ", " << y << ")");
    EXPECT_EQ(MenuScreen::buttonAt(x, y), menu);
    EXPECT_EQ(MenuScreen::isOverButton(x, y), menu != 0);
    EXPECT_EQ(HelpScreen::buttonAt(x, y), help);
    EXPECT_EQ(HelpScreen::isOverButton(x, y), help != 0);
}
}

TEST(ScreenButtons, PositionsInAndBetweenTheButtons) {
    const Expected cases[] = {
        {0.3f, 0.5f, 1, 0},   // start; nothing on the help screen
        {0.3f, 0.6f, 2, 0},   // help
        {0.3f, 0.8f, 3, 1},   // quit on the menu, back on the help screen
        {0.3f, 0.56f, 0, 0},  // the gap between start and help
        {0.3f, 0.73f, 0, 0},  // the gap between help and quit
        {0.5f, 0.5f, 0, 0},   // right of the column
        {0.1f, 0.8f, 0, 0},   // left of it
        {0.3f, 0.95f, 0, 0},  // below the last button
        {NAN, 0.5f, 0, 0},
    };
    for (const Expected& c : cases) expectButtons(c.x, c.y, c.menu, c.help);
}

// Bounds are strict and compared in single precision: a float on an edge is
// outside, the next float inwards is inside.
TEST(ScreenButtons, EdgesBelongToNoButton) {
    struct Rect {
        float left, right, top, bottom;
        int menu, help;
    };
    const Rect rects[] = {
        {0.195f, 0.446f, 0.425f, 0.549f, 1, 0},
        {0.195f, 0.446f, 0.573f, 0.695f, 2, 0},
        {0.195f, 0.446f, 0.767f, 0.89f, 3, 1},
    };
    for (const Rect& r : rects) {
        const float midX = (r.left + r.right) / 2;
        const float midY = (r.top + r.bottom) / 2;
        expectButtons(r.left, midY, 0, 0);
        expectButtons(r.right, midY, 0, 0);
        expectButtons(midX, r.top, 0, 0);
        expectButtons(midX, r.bottom, 0, 0);
        expectButtons(std::nextafter(r.left, 1.0f), midY, r.menu, r.help);
        expectButtons(std::nextafter(r.right, 0.0f), midY, r.menu, r.help);
        expectButtons(midX, std::nextafter(r.top, 1.0f), r.menu, r.help);
        expectButtons(midX, std::nextafter(r.bottom, 0.0f), r.menu, r.help);
        expectButtons(std::nextafter(r.left, 0.0f), midY, 0, 0);
        expectButtons(midX, std::nextafter(r.bottom, 1.0f), 0, 0);
    }
}
