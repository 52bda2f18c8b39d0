#include "app/Callbacks.h"

#include "app/Camera.h"
#include "app/DemoSession.h"
#include "app/Globals.h"
#include "app/Input.h"
#include "app/Window.h"
#include "rider/Rider.h"
#include "scene/World.h"
#include "ui/BitmapFont.h"
#include "ui/FormatInt.h"
#include "ui/HelpScreen.h"
#include "ui/MenuScreen.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

namespace {

const unsigned char pauseKey = 'b';

void drawScreen() {
    gluLookAt(0.0, 0.0, ScreenPicture::eyeDistance, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
    if (helpShown)
        helpScreen->draw();
    else
        menuScreen->draw();
}

void drawRun() {
    const Rider& rider = *world->rider;
    camera->update(rider.position());
    world->render();

    char frameRateText[12];
    formatInt(frameRateText, framesPerSecond);
    font->print(font->leftEdge(), 0, frameRateText, 0, 0.1f);
    // Only once the crashed rider has come to rest.
    if (rider.isCrashed() && rider.speed() == 0.0f) font->print(13, 15, "CRASH", 0, 0.1f);
}

// A running run pauses as its key would, through the same door, so that a
// recording keeps the pause.
void pauseRun() {
    if (inMenu || world->isPaused() || !window->pausesWhenAway()) return;
    if (demoSession)
        DemoSession::onKey(pauseKey, mouseX, mouseY);
    else
        keyboard(pauseKey, mouseX, mouseY);
}

}  // namespace

void display() {
    if (demoSession) demoSession->beforeFrame();
    world->rider->setFrameRate(framesPerSecond);
    Window::clear();
    if (inMenu)
        drawScreen();
    else
        drawRun();
    glFlush();
    glutSwapBuffers();
    if (demoSession) demoSession->afterFrame();
}

void reshape(int width, int height) {
    window->resize(width, height);
    window->reshape();
    font->resize(static_cast<float>(window->width()), static_cast<float>(window->height()));
}

void idle() {
    if (window->lostFocus()) pauseRun();
    framesPerSecond = window->measureFrameRate();
    if (demoSession) demoSession->betweenFrames();
    glutPostRedisplay();
}

void registerCallbacks() {
    glutDisplayFunc(display);
    glutReshapeFunc(reshape);
    // A demo session stands between the player and the game.
    glutMouseFunc(demoSession ? DemoSession::onButton : mouse);
    glutMotionFunc(demoSession ? DemoSession::onDrag : motion);
    glutPassiveMotionFunc(demoSession ? DemoSession::onMove : passiveMotion);
    glutKeyboardFunc(demoSession ? DemoSession::onKey : keyboard);
    glutIdleFunc(idle);
    glutWindowStatusFunc(windowStatus);
}

void windowStatus(int state) {
    if (state == GLUT_HIDDEN || state == GLUT_FULLY_COVERED) pauseRun();
}
