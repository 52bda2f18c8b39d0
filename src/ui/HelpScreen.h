// HelpScreen: the full-screen help picture and its one button, 1 back to the menu.
#pragma once

#include "ui/ButtonScreen.h"
#include "ui/ScreenLayout.h"

class HelpScreen : public ButtonScreen<screenLayout::helpButtons> {
public:
    // What buttonAt returns.
    enum Button { noButton = 0, backButton = 1 };

    using ButtonScreen::ButtonScreen;
};
