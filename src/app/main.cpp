// Quorvel: start-up. Builds every long-lived object in order, then hands
// control to GLUT's main loop, which never returns.
#include "app/Callbacks.h"
#include "app/Camera.h"
#include "app/Globals.h"
#include "app/Window.h"
#include "scene/World.h"
#include "ui/BitmapFont.h"
#include "ui/HelpScreen.h"
#include "ui/MenuScreen.h"

#include <GL/freeglut.h>

int main(int argc, char** argv) {
    framesPerSecond = 130;
    mouseX = mouseY = 0;
    dragStarted = 0;

    window = new Window(argc, argv, "Quorvel", 1024, 768, 32, 60);
    Window::initGL();
    // GLUT reports the real size only at the first reshape, inside the loop.
    mouseX = window->width() / 2;
    mouseY = window->height() / 2;

    menuScreen = new MenuScreen("textures/menu.bmp", window->width(), window->height());
    helpScreen = new HelpScreen("textures/help.bmp", window->width(), window->height());
    world = new World();
    camera = new Camera();
    font = new BitmapFont();
    font->load("textures/font.tga");

    world->reset(static_cast<float>(window->width()), static_cast<float>(window->height()));
    registerCallbacks();
    glutMainLoop();
    return 0;
}
