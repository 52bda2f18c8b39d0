#include "ui/MenuScreen.h"

#include "ui/ButtonRect.h"

namespace {
// Start, help and quit, top to bottom in the left half of the picture.
const ButtonRect buttons[] = {
    {0.195f, 0.446f, 0.425f, 0.549f},
    {0.195f, 0.446f, 0.573f, 0.695f},
    {0.195f, 0.446f, 0.767f, 0.89f},
};
}

MenuScreen::MenuScreen(const char* fileName, int windowWidth, int windowHeight)
    : picture(fileName, windowWidth, windowHeight) {}

MenuScreen::~MenuScreen() = default;

bool MenuScreen::isOverButton(float fx, float fy) { return buttonAt(fx, fy) != 0; }

int MenuScreen::buttonAt(float fx, float fy) {
    int number = 1;
    for (const ButtonRect& button : buttons) {
        if (button.contains(fx, fy)) return number;
        ++number;
    }
    return 0;
}
