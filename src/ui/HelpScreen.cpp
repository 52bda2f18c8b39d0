#include "ui/HelpScreen.h"

#include "ui/ButtonRect.h"

namespace {
// Painted where the menu has its quit button.
const ButtonRect backButton = {0.195f, 0.446f, 0.767f, 0.89f};
}

HelpScreen::HelpScreen(const char* fileName, int windowWidth, int windowHeight)
    : picture(fileName, windowWidth, windowHeight) {}

HelpScreen::~HelpScreen() = default;

bool HelpScreen::isOverButton(float fx, float fy) { return backButton.contains(fx, fy); }

int HelpScreen::buttonAt(float fx, float fy) { return isOverButton(fx, fy) ? 1 : 0; }
