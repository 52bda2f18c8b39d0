// Pointer: where the game's pointer is, in canvas pixels. Free, it is where
// the mouse is. Under pointer lock the mouse only reports how far it moved:
// the pointer moves by that much and stops at the canvas's edges, as a
// full-screen pointer stops at the screen's.
#pragma once

class Pointer {
public:
    void place(double x, double y) {
        atX = x;
        atY = y;
    }
    void move(double dx, double dy, int width, int height);
    // While a button is held the desktop reports the pointer outside the
    // window too, up to a window's size beyond it.
    void keepNear(int width, int height);

    int x() const;
    int y() const;
    bool isInside(int width, int height) const;

private:
    double atX = 0.0;
    double atY = 0.0;
};
