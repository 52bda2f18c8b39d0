// ButtonScreen: a full-screen picture with a fixed table of buttons painted on it (the menu, the help).
#pragma once

#include "ui/ButtonRect.h"
#include "ui/ScreenPicture.h"

#include <cstddef>
#include <iterator>

template <const auto& buttons>
class ButtonScreen {
public:
    ButtonScreen(const char* fileName, int windowWidth, int windowHeight)
        : picture(fileName, windowWidth, windowHeight) {}

    void draw() const { picture.draw(); }
    float aspectRatio() const { return picture.aspectRatio(); }
    // Where a window point lands on the picture (ScreenPicture::pointAt).
    PicturePoint pointAt(float fx, float fy, double windowAspect, double fieldOfViewY) const {
        return picture.pointAt(fx, fy, windowAspect, fieldOfViewY);
    }

    // A point of the picture in fractions of it, y from the top (pointAt
    // finds it for the pointer). Only the fixed button rectangles are consulted.
    static bool isOverButton(float fx, float fy) { return buttonAt(fx, fy) != 0; }
    // The button's number, counted from 1 in the table's order; 0 for none.
    static int buttonAt(float fx, float fy) {
        for (std::size_t i = 0; i < std::size(buttons); ++i)
            if (buttons[i].contains(fx, fy)) return static_cast<int>(i) + 1;
        return 0;
    }

private:
    ScreenPicture picture;
};
