#include "GameContext.h"

#include "app/Window.h"

#include <GL/freeglut.h>

#include <cstdlib>

std::unique_ptr<Window> GameContext::window;

bool GameContext::open() {
    if (window) return true;
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) return false;
    static int argc = 1;
    static char name[] = "quorvel-bench";
    static char* argv[] = {name, nullptr};
    window = std::make_unique<Window>(argc, argv, "Quorvel", 1024, 768, 32, 60);
    Window::initGL();
    // Redraws happen in the benchmarks, not in GLUT's events.
    glutDisplayFunc([] {});
    // The game learns its real size from the first reshape; take it at once.
    glutMainLoopEvent();
    window->resize(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    window->reshape();
    return true;
}

int GameContext::width() { return window ? window->width() : 0; }

int GameContext::height() { return window ? window->height() : 0; }

void GameContext::finish() { glFinish(); }
