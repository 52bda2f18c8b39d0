// Window: the game's full-screen window, its one-time GL state and frame rate.
#pragma once

#include "app/FocusWatch.h"
#include "app/FrameRateCounter.h"

// How the player asked to be shown the game; game mode unless one says otherwise.
struct Windowed {
    // A window instead of full screen; a size of 0 x 0 means 1280x1024, or
    // the largest of that shape that fits the screen.
    bool wanted = false;
    int width = 0;
    int height = 0;
    // A borderless window at the desktop's own size, its mode left as it is.
    bool fullScreen = false;
};

class Window {
public:
    // The vertical field of view of every frame, in degrees: a wider window
    // shows more to the sides.
    static constexpr double fieldOfViewY = 30.0;

    // Opens GLUT game mode "1280x1024:32@60"; where the display can't switch
    // modes, a full-screen window titled `title` instead, and a plain or a
    // full-screen window when `windowed` asks for one. bitsPerPixel and
    // refreshRate are accepted and not used: the mode string is fixed. The
    // display's mode comes back however the game ends (app/ModeGuard.h).
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

    // Leaves game mode if it was entered; safe to call more than once, and
    // after GLUT has gone.
    void leaveGameMode();

    // A window the player asked for (--window, --fullscreen) pauses a run
    // when it is hidden or loses the keyboard; game mode, and the full-screen
    // window that stands in for it, keep the screen to themselves.
    bool pausesWhenAway() const { return playersWindow; }
    // True when the player's window lost the keyboard to another window since
    // the last call; never otherwise.
    bool lostFocus();

    int width() const { return drawableWidth; }
    int height() const { return drawableHeight; }

    // ---- Test support: not part of the game's own API. ----
    bool isGameMode() const { return gameMode; }

private:
    void openFullScreenWindow();
    void openWindow(Windowed windowed);

    const char* title;
    int drawableWidth;
    int drawableHeight;
    bool gameMode;
    bool playersWindow;
    FrameRateCounter frameRate;
    FocusWatch focus;
};
