#include "ui/NdcOverlay.h"

#include <GL/gl.h>

namespace {

void pushIdentity(GLenum matrix) {
    glMatrixMode(matrix);
    glPushMatrix();
    glLoadIdentity();
}

}  // namespace

void NdcOverlay::begin() {
    pushIdentity(GL_PROJECTION);
    pushIdentity(GL_MODELVIEW);
}

void NdcOverlay::beginArea(double width, double height) {
    pushIdentity(GL_PROJECTION);
    glOrtho(0.0, width, 0.0, height, -1.0, 1.0);
    pushIdentity(GL_MODELVIEW);
}

void NdcOverlay::end() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
}
