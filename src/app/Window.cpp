#include "app/Window.h"

#include "app/ModeGuard.h"
#include "app/XCalls.h"
#include "common/Clock.h"

#include <GL/freeglut.h>
#include <GL/glu.h>

#include <algorithm>

namespace {
const char* const gameModeString = "1280x1024:32@60";
const int gameModeWidth = 1280;
const int gameModeHeight = 1024;

// Xlib's error handler and focus calls (app/XCalls.h).
using XErrorHandlerFn = int (*)(void* display, void* event);
using XSetErrorHandlerFn = XErrorHandlerFn (*)(XErrorHandlerFn);
using XSetInputFocusFn = int (*)(void* display, unsigned long focus, int revertTo, unsigned long time);
const unsigned long pointerRoot = 1;  // Xlib's PointerRoot, also RevertToPointerRoot

void* refusingDisplay = nullptr;

int noteRefusedSwitch(void* display, void*) {
    refusingDisplay = display;
    return 0;
}

// Leaving the half-entered game mode destroys the window freeglut had given
// the keyboard focus to, leaving the focus nowhere: without a window manager
// the fallback window would never see a key. Back to the server's default.
void leaveRefusedGameMode() {
    glutLeaveGameMode();
    auto setFocus = xcalls::find<XSetInputFocusFn>("XSetInputFocus");
    if (setFocus && refusingDisplay) setFocus(refusingDisplay, pointerRoot, static_cast<int>(pointerRoot), 0);
}

// A server may offer the mode and still refuse the switch; freeglut reports
// that as an X error, whose default handler ends the process. Returns false
// when the switch was refused.
bool enterGameModeTolerantly() {
    auto setHandler = xcalls::find<XSetErrorHandlerFn>("XSetErrorHandler");
    refusingDisplay = nullptr;
    XErrorHandlerFn previous = setHandler ? setHandler(noteRefusedSwitch) : nullptr;
    glutEnterGameMode();
    if (setHandler) setHandler(previous);
    return refusingDisplay == nullptr;
}
}  // namespace

Window::Window(int& argc, char** argv, const char* title, int width, int height, int /*bitsPerPixel*/,
               int /*refreshRate*/, Windowed windowed)
    : title(title),
      drawableWidth(width),
      drawableHeight(height),
      gameMode(true),
      playersWindow(windowed.wanted || windowed.fullScreen) {
    // Test programs may have brought GLUT up already.
    if (!glutGet(GLUT_INIT_STATE)) glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    if (windowed.wanted) {
        gameMode = false;
        openWindow(windowed);
    } else if (windowed.fullScreen) {
        gameMode = false;
        openFullScreenWindow();
    } else {
        glutGameModeString(gameModeString);
        // Mode switching needs a server extension that many displays lack; asking
        // first keeps freeglut from failing (or tripping an X error) on them.
        if (glutGameModeGet(GLUT_GAME_MODE_POSSIBLE)) {
            ModeGuard::start();  // notes the desktop's mode before the switch
            if (!enterGameModeTolerantly()) leaveRefusedGameMode();
        }
        gameMode = glutGameModeGet(GLUT_GAME_MODE_ACTIVE) != 0;
        if (!gameMode) {
            ModeGuard::release();
            openFullScreenWindow();
        }
    }
    if (playersWindow) focus.watchCurrentWindow();
    glutSetCursor(GLUT_CURSOR_RIGHT_ARROW);
}

Window::~Window() { leaveGameMode(); }

void Window::openFullScreenWindow() {
    glutInitWindowPosition(0, 0);
    glutInitWindowSize(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    glutCreateWindow(title);
    glutFullScreen();
}

void Window::openWindow(Windowed windowed) {
    if (windowed.width <= 0 || windowed.height <= 0) {
        const double fit = std::min({1.0, glutGet(GLUT_SCREEN_WIDTH) / static_cast<double>(gameModeWidth),
                                     glutGet(GLUT_SCREEN_HEIGHT) / static_cast<double>(gameModeHeight)});
        windowed.width = std::max(1, static_cast<int>(gameModeWidth * fit));
        windowed.height = std::max(1, static_cast<int>(gameModeHeight * fit));
    }
    glutInitWindowSize(windowed.width, windowed.height);
    glutCreateWindow(title);
}

void Window::leaveGameMode() {
    if (!gameMode) return;
    gameMode = false;
    // Closing the last window tears GLUT down, leaving game mode on its way.
    if (glutGet(GLUT_INIT_STATE) && glutGameModeGet(GLUT_GAME_MODE_ACTIVE)) glutLeaveGameMode();
}

bool Window::lostFocus() { return focus.lost(); }

void Window::initGL() {
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glMatrixMode(GL_PROJECTION);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_DEPTH_TEST);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glHint(GL_POINT_SMOOTH_HINT, GL_NICEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);

    const GLfloat noSpecular[] = {0.0f, 0.0f, 0.0f, 1.0f};
    glMaterialfv(GL_FRONT, GL_SPECULAR, noSpecular);
    glMaterialf(GL_FRONT, GL_SHININESS, 1.0f);

    // Given under the identity and never again: the day light stays 500 units
    // above the eye.
    const GLfloat ambient[] = {0.8f, 0.8f, 0.8f, 1.0f};
    const GLfloat diffuse[] = {0.8f, 0.8f, 0.8f, 1.0f};
    const GLfloat specular[] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat position[] = {0.0f, 500.0f, 0.0f, 1.0f};
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);

    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glMatrixMode(GL_MODELVIEW);
}

void Window::clear() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
}

void Window::reshape() {
    glViewport(0, 0, drawableWidth, drawableHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(fieldOfViewY, static_cast<double>(drawableWidth) / static_cast<double>(drawableHeight), 1.0, 800.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void Window::resize(int newWidth, int newHeight) {
    if (newWidth <= 0 || newHeight <= 0) return;
    drawableWidth = newWidth;
    drawableHeight = newHeight;
}

int Window::measureFrameRate() { return frameRate.countFrame(Clock::milliseconds()); }
