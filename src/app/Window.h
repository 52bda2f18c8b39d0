// Window: the game's full-screen window, its one-time GL state and frame rate.
#pragma once

#include "app/FrameRateCounter.h"

// A window the player asked for instead of full screen; a size of 0 x 0
// means 1280x1024, or the largest of that shape that fits the screen.
struct Windowed {
    bool wanted = false;
    int width = 0;
    int height = 0;
};

class Window {
public:
    // Opens GLUT game mode "1280x1024:32@60"; where the display can't switch
    // modes, a full-screen window titled `title` instead, and a plain window
    // when `windowed` asks for one. bitsPerPixel and refreshRate are accepted
    // and not used: the mode string is fixed.
    Window(int& argc, char** argv, const char* title, int width, int height, int bitsPerPixel, int refreshRate,
           Windowed windowed = {});
    virtual ~Window();

    // The start-up GL state, set once; needs only a current context.
    static void initGL();
    static void clear();
    // Viewport and projection for the stored size.
    void reshape();
    // Stores a new drawable size; a zero or negative size (a minimised window)
    // keeps the last usable one, so nothing divides by it.
    void resize(int newWidth, int newHeight);
    // Counts this frame; returns the frames of the last reported second.
    int measureFrameRate();

    // Leaves game mode if it was entered; safe to call more than once.
    void leaveGameMode();

    int width() const { return drawableWidth; }
    int height() const { return drawableHeight; }

    // ---- Test and demo support: not part of the game's own API. ----
    bool isGameMode() const { return gameMode; }

private:
    void openFallbackWindow();
    void openWindow(Windowed windowed);

    const char* title;
    int drawableWidth;
    int drawableHeight;
    bool gameMode;
    FrameRateCounter frameRate;
};
