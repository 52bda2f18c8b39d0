#include "GlStateSnapshot.h"

#include <GL/gl.h>

GlStateSnapshot GlStateSnapshot::capture() {
    GlStateSnapshot state;
    state.cullFace = glIsEnabled(GL_CULL_FACE);
    glGetIntegerv(GL_CULL_FACE_MODE, &state.cullFaceMode);
    state.lighting = glIsEnabled(GL_LIGHTING);
    state.depthTest = glIsEnabled(GL_DEPTH_TEST);
    state.texture2D = glIsEnabled(GL_TEXTURE_2D);
    state.colorMaterial = glIsEnabled(GL_COLOR_MATERIAL);
    glGetIntegerv(GL_MATRIX_MODE, &state.matrixMode);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &state.modelviewDepth);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &state.projectionDepth);
    glGetFloatv(GL_MODELVIEW_MATRIX, state.modelview.data());
    glGetFloatv(GL_PROJECTION_MATRIX, state.projection.data());
    return state;
}

bool GlStateSnapshot::operator==(const GlStateSnapshot& o) const {
    return cullFace == o.cullFace && cullFaceMode == o.cullFaceMode && lighting == o.lighting &&
           depthTest == o.depthTest && texture2D == o.texture2D && colorMaterial == o.colorMaterial &&
           matrixMode == o.matrixMode && modelviewDepth == o.modelviewDepth &&
           projectionDepth == o.projectionDepth && modelview == o.modelview && projection == o.projection;
}

std::ostream& operator<<(std::ostream& out, const GlStateSnapshot& s) {
    out << "cull " << s.cullFace << " face 0x" << std::hex << s.cullFaceMode << std::dec << ", lighting "
        << s.lighting << ", depth " << s.depthTest << ", texture " << s.texture2D << ", colour material "
        << s.colorMaterial << ", matrix mode 0x" << std::hex << s.matrixMode << std::dec << ", stacks "
        << s.modelviewDepth << "/" << s.projectionDepth << ", modelview[12..14] " << s.modelview[12] << " "
        << s.modelview[13] << " " << s.modelview[14] << ", projection[0] " << s.projection[0];
    return out;
}

namespace {
// A black texture left bound, as the scene leaves its last one: anything a
// routine forgets to draw untextured comes out black.
void bindLeftoverTexture() {
    static GLuint texture = 0;
    if (texture == 0) {
        const unsigned char black[4] = {0, 0, 0, 255};
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, black);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    }
    glBindTexture(GL_TEXTURE_2D, texture);
}
}

void useStartupState() {
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    // A dark light: anything a routine forgets to draw unlit comes out black.
    const GLfloat none[] = {0.0f, 0.0f, 0.0f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
    glLightfv(GL_LIGHT0, GL_AMBIENT, none);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, none);
    glLightfv(GL_LIGHT0, GL_SPECULAR, none);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    bindLeftoverTexture();
}
