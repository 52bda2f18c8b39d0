// MenuScreen: the full-screen menu picture and its three buttons, 1 start, 2 help, 3 quit.
#pragma once

#include "ui/ButtonScreen.h"
#include "ui/ScreenLayout.h"

class MenuScreen : public ButtonScreen<screenLayout::menuButtons> {
public:
    // What buttonAt returns, in the table's order.
    enum Button { noButton = 0, startButton = 1, helpButton = 2, quitButton = 3 };

    using ButtonScreen::ButtonScreen;
};
