// GLUT's calls over the page's canvas: one window, the game's callbacks, and
// a main loop the browser drives. A reshape, the input that came meanwhile,
// the display asked for and the idle call follow each other in every turn,
// as in freeglut's loop.
#include "Canvas.h"
#include "GlutCallbacks.h"
#include "WebInput.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>
#include <emscripten/emscripten.h>

namespace {

Canvas canvas;
WebInput input(canvas);
GlutCallbacks callbacks;
bool initialised = false;
double startTime = 0.0;
int wantedWidth = 300;
int wantedHeight = 300;
bool redisplayDue = false;
bool reshapeDue = false;
bool firstTurn = true;

// The page asks for it on a timed demo: frames as fast as they draw, not
// at the display's pace.
bool unthrottled() {
    return EM_ASM_INT({ return Module["frameTiming"] == "immediate" ? 1 : 0; }) != 0;
}

void turn() {
    if (firstTurn) {
        firstTurn = false;
        if (unthrottled()) emscripten_set_main_loop_timing(EM_TIMING_SETIMMEDIATE, 0);
    }
    if (canvas.update()) reshapeDue = true;
    if (reshapeDue) {
        reshapeDue = false;
        if (callbacks.reshape) callbacks.reshape(canvas.width(), canvas.height());
        redisplayDue = true;
    }
    input.deliver(callbacks);
    if (redisplayDue && callbacks.display) {
        redisplayDue = false;
        callbacks.display();
    }
    if (callbacks.idle) callbacks.idle();
}

}  // namespace

void glutInit(int*, char**) {
    initialised = true;
    startTime = emscripten_get_now();
}

void glutInitDisplayMode(unsigned int) {}

void glutInitWindowSize(int width, int height) {
    wantedWidth = width;
    wantedHeight = height;
}

void glutInitWindowPosition(int, int) {}

int glutCreateWindow(const char*) {
    if (!canvas.create(wantedWidth, wantedHeight)) {
        std::fprintf(stderr, "quorvel: this browser gives the page no WebGL\n");
        std::exit(1);
    }
    input.listen();
    reshapeDue = true;
    return 1;
}

void glutFullScreen() {
    canvas.followPage();
    reshapeDue = true;
}

void glutGameModeString(const char*) {}
int glutEnterGameMode() { return 0; }
void glutLeaveGameMode() {}
int glutGameModeGet(GLenum) { return 0; }

void glutDisplayFunc(void (*callback)()) { callbacks.display = callback; }
void glutReshapeFunc(void (*callback)(int, int)) { callbacks.reshape = callback; }
void glutKeyboardFunc(void (*callback)(unsigned char, int, int)) { callbacks.keyboard = callback; }
void glutMouseFunc(void (*callback)(int, int, int, int)) { callbacks.mouse = callback; }
void glutMotionFunc(void (*callback)(int, int)) { callbacks.motion = callback; }
void glutPassiveMotionFunc(void (*callback)(int, int)) { callbacks.passiveMotion = callback; }
void glutIdleFunc(void (*callback)()) { callbacks.idle = callback; }
void glutWindowStatusFunc(void (*)(int)) {}

void glutMainLoop() {
    // The game ends by exit(), which the browser's calls to the loop would
    // outlive: they stop with it.
    std::atexit([] { emscripten_cancel_main_loop(); });
    emscripten_set_main_loop(turn, 0, EM_TRUE);
}
void glutLeaveMainLoop() { emscripten_cancel_main_loop(); }
void glutPostRedisplay() { redisplayDue = true; }
// The browser shows what was drawn once the turn ends.
void glutSwapBuffers() {}

int glutGet(GLenum query) {
    switch (query) {
    case GLUT_INIT_STATE: return initialised ? 1 : 0;
    case GLUT_WINDOW_WIDTH: return canvas.width();
    case GLUT_WINDOW_HEIGHT: return canvas.height();
    case GLUT_SCREEN_WIDTH: return Canvas::pageWidth();
    case GLUT_SCREEN_HEIGHT: return Canvas::pageHeight();
    case GLUT_ELAPSED_TIME: return static_cast<int>(emscripten_get_now() - startTime);
    default: return 0;
    }
}

void glutSetCursor(int cursor) {
    canvas.setCursor(cursor);
    input.showPointer(cursor != GLUT_CURSOR_NONE);
}
