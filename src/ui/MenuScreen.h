// MenuScreen: the full-screen menu picture and its three buttons, 1 start, 2 help, 3 quit.
#pragma once

#include "ui/ButtonScreen.h"
#include "ui/ScreenLayout.h"

class MenuScreen : public ButtonScreen<screenLayout::menuButtons> {
public:
    using ButtonScreen::ButtonScreen;
};
