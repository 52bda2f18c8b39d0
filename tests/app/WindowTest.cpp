#include "app/Camera.h"
#include "app/Window.h"
#include "rider/Rider.h"
#include "scene/World.h"
#include "support/GlContext.h"
#include "support/TestPaths.h"
#include "ui/TimingGauge.h"

#include <GL/freeglut.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <utility>
#include <vector>

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

// A straight run, drawn as the game draws it, to its landing approach; then, at each screen size, every frame of the
// approach seen through the game's projection and camera: the rider's drawn position lies above the balance panel's
// top edge. The smallest margin is printed for each size.
TEST(Window, BalancePanelStaysBelowTheRiderAtEveryScreenSize) {
    ASSERT_NE(std::getenv("DISPLAY"), nullptr);
    std::filesystem::current_path(TestPaths::data());
    int argc = 1;
    char name[] = "quorvel";
    char* argv[] = {name, nullptr};
    Window window(argc, argv, "Quorvel", 1024, 768, 32, 60, {true, 256, 256});
    window.resize(256, 256);
    window.reshape();
    Window::initGL();
    World world;
    Camera camera;
    world.reset(256.0f, 256.0f);
    std::vector<std::pair<Vec3, Vec3>> approach;  // where the camera looked, where the rider was drawn
    for (int frame = 0; frame < 1000 && (approach.empty() || world.rider->isLandingApproach()); ++frame) {
        const Vec3 target = world.rider->position();
        world.rider->setFrameRate(30);
        Window::clear();
        camera.update(target);
        world.render();
        if (world.rider->isLandingApproach()) approach.emplace_back(target, world.rider->position());
    }
    ASSERT_GT(approach.size(), 10u);

    for (auto [width, height] : {std::pair{800, 600}, {1280, 1024}, {1920, 1080}, {2560, 1080}, {3840, 2160}}) {
        window.resize(width, height);
        window.reshape();
        TimingGauge gauge;
        gauge.reset(static_cast<float>(width), static_cast<float>(height));
        const double panelTop = (gauge.panelRect().top + 1.0) / 2.0 * height;
        double margin = height;
        for (const auto& [target, drawn] : approach) {
            GLdouble modelview[16], projection[16], x, y, z;
            const GLint viewport[4] = {0, 0, width, height};
            glLoadIdentity();
            camera.update(target);
            glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
            glGetDoublev(GL_PROJECTION_MATRIX, projection);
            ASSERT_TRUE(gluProject(drawn.x, drawn.y, drawn.z, modelview, projection, viewport, &x, &y, &z));
            EXPECT_TRUE(x > 0 && x < width) << width << " x " << height;
            margin = std::min(margin, y - panelTop);
        }
        std::printf("%d x %d: panel top %.0f pixels up, the rider at least %.0f pixels above it\n", width, height,
                    panelTop, margin);
        EXPECT_GT(margin, 0.0) << width << " x " << height;
    }
}
