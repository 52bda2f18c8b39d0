#include "app/Window.h"
#include "support/GlContext.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

// What a frame would show wrong: the faces culled, the day light on and its place above the eye.
TEST(Window, InitGLSetsTheGameWideState) {
    REQUIRE_GL_CONTEXT();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Window::initGL();
    for (GLenum cap : {GL_CULL_FACE, GL_DEPTH_TEST, GL_BLEND, GL_TEXTURE_2D, GL_LIGHTING, GL_LIGHT0, GL_COLOR_MATERIAL})
        EXPECT_TRUE(glIsEnabled(cap)) << std::hex << cap;
    GLint cull = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &cull);
    float position[4] = {};
    glGetLightfv(GL_LIGHT0, GL_POSITION, position);
    EXPECT_TRUE(cull == GL_FRONT && position[1] == 500.0f);
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
    EXPECT_TRUE(window.width() == 1024 && window.height() == 768);

    window.resize(640, 480);
    window.reshape();
    GLint viewport[4] = {};
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_TRUE(viewport[2] == 640 && viewport[3] == 480);
    float projection[16];  // 30 degrees of view up and down
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    EXPECT_NEAR(projection[5], 1.0 / std::tan(15.0 * M_PI / 180.0), 1e-5);
    // A minimised window reshapes to 0 x 0: the last usable size stays.
    window.resize(0, 0);
    window.resize(800, 0);
    EXPECT_TRUE(window.width() == 640 && window.height() == 480);
    window.leaveGameMode();
    window.leaveGameMode();
}
