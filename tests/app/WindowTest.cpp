#include "app/Window.h"
#include "support/GlContext.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {
std::array<float, 4> lightValue(GLenum light, GLenum name) {
    std::array<float, 4> value{};
    glGetLightfv(light, name, value.data());
    return value;
}
}

TEST(Window, InitGLSetsTheGameWideState) {
    REQUIRE_GL_CONTEXT();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Window::initGL();

    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_TRUE(glIsEnabled(GL_COLOR_MATERIAL));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));

    GLint value = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &value);
    EXPECT_EQ(value, GL_FRONT);
    glGetIntegerv(GL_SHADE_MODEL, &value);
    EXPECT_EQ(value, GL_SMOOTH);
    glGetIntegerv(GL_BLEND_SRC, &value);
    EXPECT_EQ(value, GL_SRC_ALPHA);
    glGetIntegerv(GL_BLEND_DST, &value);
    EXPECT_EQ(value, GL_ONE_MINUS_SRC_ALPHA);
    glGetIntegerv(GL_COLOR_MATERIAL_FACE, &value);
    EXPECT_EQ(value, GL_FRONT_AND_BACK);
    glGetIntegerv(GL_COLOR_MATERIAL_PARAMETER, &value);
    EXPECT_EQ(value, GL_AMBIENT_AND_DIFFUSE);
    glGetIntegerv(GL_MATRIX_MODE, &value);
    EXPECT_EQ(value, GL_MODELVIEW);
    glGetIntegerv(GL_PERSPECTIVE_CORRECTION_HINT, &value);
    EXPECT_EQ(value, GL_NICEST);

    float shininess = 0.0f;
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
    EXPECT_FLOAT_EQ(shininess, 1.0f);
    float specular[4] = {};
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    EXPECT_FLOAT_EQ(specular[0], 0.0f);
    EXPECT_FLOAT_EQ(specular[3], 1.0f);

    EXPECT_FLOAT_EQ(lightValue(GL_LIGHT0, GL_AMBIENT)[0], 0.8f);
    EXPECT_FLOAT_EQ(lightValue(GL_LIGHT0, GL_DIFFUSE)[1], 0.8f);
    EXPECT_FLOAT_EQ(lightValue(GL_LIGHT0, GL_SPECULAR)[2], 1.0f);
    // Given under the identity: stored in eye space unchanged.
    auto position = lightValue(GL_LIGHT0, GL_POSITION);
    EXPECT_FLOAT_EQ(position[1], 500.0f);
    EXPECT_FLOAT_EQ(position[3], 1.0f);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(Window, OpensFullScreenWhereGameModeIsUnavailableAndKeepsUsableSizes) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr);
    int argc = 1;
    char name[] = "quorvel";
    char* argv[] = {name, nullptr};
    Window window(argc, argv, "Quorvel", 1024, 768, 32, 60);
    // Xvfb can't switch modes: the fallback window stands in, at the size
    // given until GLUT's first reshape.
    EXPECT_FALSE(window.isGameMode());
    EXPECT_NE(glutGetWindow(), 0);
    EXPECT_EQ(window.width(), 1024);
    EXPECT_EQ(window.height(), 768);

    window.resize(640, 480);
    window.reshape();
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 640);
    EXPECT_EQ(viewport[3], 480);
    float projection[16];
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    const double f = 1.0 / std::tan(15.0 * M_PI / 180.0);
    EXPECT_NEAR(projection[5], f, 1e-5);
    EXPECT_NEAR(projection[0], f / (640.0 / 480.0), 1e-5);
    EXPECT_NEAR(projection[10], -(800.0 + 1.0) / (800.0 - 1.0), 1e-5);
    GLint mode = 0;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);

    // A minimised window reshapes to 0 x 0: the last usable size stays.
    window.resize(0, 0);
    window.resize(800, 0);
    EXPECT_EQ(window.width(), 640);
    EXPECT_EQ(window.height(), 480);
    window.leaveGameMode();
    window.leaveGameMode();
}
