// GameContext: the game's own full-screen window and start-up GL state, for benchmarks that draw.
#pragma once

#include <memory>

class Window;

class GameContext {
public:
    // Opens the window once per process (later calls reuse it), with the
    // game's GL state, viewport and projection. False without an X display.
    static bool open();
    static int width();
    static int height();
    // Waits until the drawing so far has reached the pixels.
    static void finish();

private:
    static std::unique_ptr<Window> window;
};
