// HelpScreen: the full-screen help picture and its one button, back to the menu.
#pragma once

#include "ui/ScreenPicture.h"

class HelpScreen {
public:
    HelpScreen(const char* fileName, int windowWidth, int windowHeight);
    virtual ~HelpScreen();

    void draw() const { picture.draw(); }
    float getAspect() const { return picture.getAspect(); }

    // The pointer in window fractions, y from the top. Only the fixed button
    // rectangle is consulted.
    static bool isOverButton(float fx, float fy);
    // 1 back, 0 none.
    static int buttonAt(float fx, float fy);

private:
    ScreenPicture picture;
};
