// MenuScreen: the full-screen menu picture and its three buttons (start, help, quit).
#pragma once

#include "ui/ScreenPicture.h"

class MenuScreen {
public:
    MenuScreen(const char* fileName, int windowWidth, int windowHeight);
    virtual ~MenuScreen();

    void draw() const { picture.draw(); }
    float getAspect() const { return picture.getAspect(); }

    // The pointer in window fractions, y from the top. Only the fixed button
    // rectangles are consulted.
    static bool isOverButton(float fx, float fy);
    // 1 start, 2 help, 3 quit, 0 none.
    static int buttonAt(float fx, float fy);

private:
    ScreenPicture picture;
};
