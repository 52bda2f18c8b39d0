#include "UiTestSupport.h"

#include "support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

void useStartupState() {
    static GLuint leftover = 0;
    const GLfloat none[] = {0.0f, 0.0f, 0.0f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
    for (GLenum part : {GL_AMBIENT, GL_DIFFUSE, GL_SPECULAR}) glLightfv(GL_LIGHT0, part, none);
    for (GLenum on : {GL_CULL_FACE, GL_DEPTH_TEST, GL_BLEND, GL_TEXTURE_2D, GL_LIGHTING, GL_LIGHT0, GL_COLOR_MATERIAL})
        glEnable(on);
    glCullFace(GL_FRONT);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    if (leftover == 0) glGenTextures(1, &leftover);
    const unsigned char black[4] = {0, 0, 0, 255};
    glBindTexture(GL_TEXTURE_2D, leftover);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, black);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

std::vector<float> stateSnapshot() {
    std::vector<float> state;
    for (GLenum cap : {GL_CULL_FACE, GL_LIGHTING, GL_DEPTH_TEST, GL_TEXTURE_2D, GL_COLOR_MATERIAL})
        state.push_back(glIsEnabled(cap));
    for (GLenum name : {GL_CULL_FACE_MODE, GL_MATRIX_MODE, GL_MODELVIEW_STACK_DEPTH, GL_PROJECTION_STACK_DEPTH,
                        GL_MODELVIEW_MATRIX, GL_PROJECTION_MATRIX}) {
        GLfloat values[16] = {};
        glGetFloatv(name, values);
        const bool matrix = name == GL_MODELVIEW_MATRIX || name == GL_PROJECTION_MATRIX;
        state.insert(state.end(), values, values + (matrix ? 16 : 1));
    }
    return state;
}

void expectPixel(int x, int y, const Rgb& want) {
    const auto got = GlContext::pixel(x, y);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(got[i], want[i], 3) << "channel " << i << " at (" << x << ", " << y << ")";
}

std::vector<unsigned char> tgaFile(int size, int bits, const std::function<std::array<int, 4>(int, int)>& colour) {
    std::vector<unsigned char> out(18, 0);
    out[2] = bits == 8 ? 3 : 2;
    out[12] = out[14] = static_cast<unsigned char>(size & 0xFF);
    out[13] = out[15] = static_cast<unsigned char>(size >> 8);
    out[16] = static_cast<unsigned char>(bits);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const std::array<int, 4> c = colour(x, y);
            const int stored[4] = {bits == 8 ? c[0] : c[2], c[1], c[0], c[3]};  // blue first
            for (int i = 0; i < bits / 8; ++i) out.push_back(static_cast<unsigned char>(stored[i]));
        }
    }
    return out;
}
