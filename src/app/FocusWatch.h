// FocusWatch: tells when a window has lost the keyboard to another window.
// GLUT passes no focus events on, so the watch asks the X server for them
// over a connection of its own, made through the libX11 that GLUT loaded (the
// game links no X library itself). Without X it never reports a loss.
#pragma once

class FocusWatch {
public:
    FocusWatch() = default;
    ~FocusWatch();
    FocusWatch(const FocusWatch&) = delete;
    FocusWatch& operator=(const FocusWatch&) = delete;

    // Watches the window the current GL context draws into.
    void watchCurrentWindow();
    // True when the window has lost the keyboard since the last call.
    bool lost();

private:
    void* display = nullptr;
};
