// GlutCallbacks: the game's GLUT callbacks, any of them unset.
#pragma once

struct GlutCallbacks {
    void (*display)() = nullptr;
    void (*reshape)(int width, int height) = nullptr;
    void (*keyboard)(unsigned char key, int x, int y) = nullptr;
    void (*mouse)(int button, int state, int x, int y) = nullptr;
    void (*motion)(int x, int y) = nullptr;
    void (*passiveMotion)(int x, int y) = nullptr;
    void (*idle)() = nullptr;
};
