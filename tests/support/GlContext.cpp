#include "support/GlContext.h"

#include <GL/freeglut.h>

#include <cstdlib>

namespace {
int windowId = 0;
}

bool GlContext::ensure() {
    if (windowId != 0) {
        glutSetWindow(windowId);
        return true;
    }
    // Another part of the test may have brought GLUT up already (a real Window).
    if (glutGet(GLUT_INIT_STATE) && glutGetWindow() != 0) {
        windowId = glutGetWindow();
        return true;
    }
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) return false;
    int argc = 1;
    char name[] = "quorvel-test";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(256, 256);
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    windowId = glutCreateWindow("quorvel-test");
    glReadBuffer(GL_BACK);
    glDrawBuffer(GL_BACK);
    return windowId != 0;
}

int GlContext::width() { return glutGet(GLUT_WINDOW_WIDTH); }

int GlContext::height() { return glutGet(GLUT_WINDOW_HEIGHT); }

std::vector<unsigned char> GlContext::readPixels() {
    std::vector<unsigned char> rgb(static_cast<size_t>(width()) * height() * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width(), height(), GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    return rgb;
}
