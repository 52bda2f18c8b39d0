#include "app/Input.h"

#include "app/Camera.h"
#include "app/DemoSession.h"
#include "app/Globals.h"
#include "app/Window.h"
#include "rider/Rider.h"
#include "scene/World.h"
#include "ui/HelpScreen.h"
#include "ui/HudArea.h"
#include "ui/MenuScreen.h"

#include <GL/freeglut.h>

#include <cstdlib>

namespace {

float fractionOf(int value, int size) { return static_cast<float>(value) / static_cast<float>(size); }

float fractionX(int x) { return fractionOf(x, window->width()); }
float fractionY(int y) { return fractionOf(y, window->height()); }

// Drags and balance moves count in shares of the HUD's area (at most 5:4 of
// the height, ui/HudArea.h) and steering in pixels of a 1024-line screen, so
// a gesture does the same on a wide or a 4K screen as at 1280x1024.
HudArea hudArea() { return HudArea(static_cast<float>(window->width()), static_cast<float>(window->height())); }
float areaFractionX(int x) { return static_cast<float>(x) / hudArea().width(); }
double steeringPixels(int x) { return x / static_cast<double>(hudArea().pixelSize()); }

// Up to 5:4 the button rectangles are taken in the window's own fractions, as
// the game has always had them. In a wider window they would drift off the
// painted buttons, so there the pointer is first found on the picture.
template <typename Screen>
PicturePoint onPicture(const Screen& screen, int x, int y) {
    const double windowAspect = static_cast<double>(window->width()) / window->height();
    if (windowAspect <= HudArea::widestAspect) return {fractionX(x), fractionY(y)};
    return screen.pointAt(fractionX(x), fractionY(y), windowAspect, Window::fieldOfViewY);
}

void setHoverCursor(bool overButton) { glutSetCursor(overButton ? GLUT_CURSOR_CROSSHAIR : GLUT_CURSOR_RIGHT_ARROW); }

void hoverMenu(int x, int y) {
    const PicturePoint p = onPicture(*menuScreen, x, y);
    setHoverCursor(MenuScreen::isOverButton(p.x, p.y));
}
void hoverHelp(int x, int y) {
    const PicturePoint p = onPicture(*helpScreen, x, y);
    setHoverCursor(HelpScreen::isOverButton(p.x, p.y));
}

void startRun() {
    framesPerSecond = 50;
    dragStarted = 0;
    world->reset(static_cast<float>(window->width()), static_cast<float>(window->height()));
}

void enterRun() {
    startRun();
    glutSetCursor(GLUT_CURSOR_NONE);
    inMenu = false;
}

void restartRun() {
    startRun();
    // The reset rebuilt the lamps switched off while the World stays in night
    // lighting: switch round and back so the lamps are lit again and the
    // player's choice holds.
    if (nightMode) {
        world->toggleLights();
        world->toggleLights();
    }
}

void leaveRun() {
    inMenu = true;
    hoverMenu(mouseX, mouseY);
    if (nightMode) {
        world->toggleLights();
        nightMode = false;
    }
}

void menuKey(unsigned char key) {
    switch (key) {
    case 'q': quitGame();
    case 'h':
        helpShown = true;
        hoverHelp(mouseX, mouseY);
        break;
    case 's': enterRun(); break;
    default: break;
    }
}

void helpKey(unsigned char key) {
    if (key != 'b') return;
    helpShown = false;
    hoverMenu(mouseX, mouseY);
}

void runKey(unsigned char key) {
    switch (key) {
    case 'q': leaveRun(); break;
    case 'r': restartRun(); break;
    case 'd': camera->increaseAngle(); break;
    case 'a': camera->decreaseAngle(); break;
    case 's': camera->moveAway(); break;
    case 'w': camera->moveCloser(); break;
    case 'n':
        world->toggleLights();
        nightMode = !nightMode;
        break;
    case 'b': world->togglePause(); break;
    default: break;
    }
}

void menuClick(int x, int y) {
    const PicturePoint p = onPicture(*menuScreen, x, y);
    switch (MenuScreen::buttonAt(p.x, p.y)) {
    case MenuScreen::quitButton: quitGame();
    case MenuScreen::helpButton: helpShown = true; break;
    case MenuScreen::startButton: enterRun(); break;
    default: break;
    }
}

void helpClick(int x, int y) {
    const PicturePoint p = onPicture(*helpScreen, x, y);
    if (HelpScreen::buttonAt(p.x, p.y) != HelpScreen::backButton) return;
    helpShown = false;
    glutSetCursor(GLUT_CURSOR_CROSSHAIR);
}

// Inside the dead zone of +-2 a dialled rate counts as none.
float outsideDeadZone(float rate) { return rate > -2.0f && rate < 2.0f ? 0.0f : rate; }

}  // namespace

// Every way out ends here: a display left in 1280x1024 would outlive the
// game, and a recording takes its file's place only now.
void quitGame() {
    window->leaveGameMode();
    std::exit(demoSession ? demoSession->finish() : 0);
}

void keyboard(unsigned char key, int /*x*/, int /*y*/) {
    if (!inMenu)
        runKey(key);
    else if (helpShown)
        helpKey(key);
    else
        menuKey(key);
}

void mouse(int button, int state, int x, int y) {
    if (button == GLUT_LEFT_BUTTON) {
        if (inMenu && state == GLUT_UP) {
            if (helpShown)
                helpClick(x, y);
            else
                menuClick(x, y);
        } else if (!inMenu && state == GLUT_DOWN) {
            world->rider->pop();
        }
    }
    // Dragging doesn't move the steering reference; take the pointer as it
    // is when the button comes up, or the next movement jumps the heading.
    if (state == GLUT_UP) {
        mouseX = x;
        mouseY = y;
    }
}

void motion(int x, int y) {
    Rider& rider = *world->rider;
    if (!rider.isAirborne()) return;
    if (dragStarted == 0) {
        dragStartX = x;
        dragStartY = y;
        dragStarted = 1;
        return;
    }
    float spin = outsideDeadZone(areaFractionX(x - dragStartX) * 50.0f);
    float flip = outsideDeadZone(fractionY(y - dragStartY) * 30.0f);
    rider.addSpin(spin);
    rider.addFlip(flip);
}

void passiveMotion(int x, int y) {
    if (inMenu) {
        if (helpShown)
            hoverHelp(x, y);
        else
            hoverMenu(x, y);
        mouseX = x;
        mouseY = y;
        return;
    }
    Rider& rider = *world->rider;
    rider.steer(static_cast<float>(steeringPixels(mouseX - x) * 0.1));
    if (rider.isLandingApproach()) rider.shiftBalance(areaFractionX(mouseX - x), fractionY(mouseY - y));
    mouseX = x;
    mouseY = y;
    glutPostRedisplay();
}
