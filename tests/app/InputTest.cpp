#include "app/Camera.h"
#include "app/Globals.h"
#include "app/Input.h"
#include "app/Window.h"
#include "rider/Rider.h"
#include "scene/World.h"
#include "support/CourseFiles.h"
#include "support/TempDir.h"
#include "ui/HelpScreen.h"
#include "ui/MenuScreen.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

namespace {

// The real start-up objects over a data folder holding only a sloped course;
// every test starts in the menu with the pointer in the middle.
class InputTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr);
        static TempDir data;
        data.write("models/kicka.txt", slopedPlaneModel());
        std::filesystem::current_path(data.path());
        int argc = 1;
        static char name[] = "quorvel";
        static char* argv[] = {name, nullptr};
        testing::internal::CaptureStdout();
        window = new Window(argc, argv, "Quorvel", 1024, 768, 32, 60);
        Window::initGL();
        menuScreen = new MenuScreen("textures/menu.bmp", 1024, 768);
        helpScreen = new HelpScreen("textures/help.bmp", 1024, 768);
        world = new World();
        camera = new Camera();
        testing::internal::GetCapturedStdout();
    }

    void SetUp() override {
        inMenu = true;
        helpShown = false;
        if (nightMode) world->toggleLights();
        nightMode = false;
        if (world->isPaused()) world->togglePause();
        mouseX = 512;
        mouseY = 384;
        dragStarted = 0;
        framesPerSecond = 130;
        world->reset(1024.0f, 768.0f);
    }

    static Rider& rider() { return world->rider(); }
    static void click(float fx, float fy) {
        int x = static_cast<int>(std::lround(fx * 1024.0f));
        int y = static_cast<int>(std::lround(fy * 768.0f));
        mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, x, y);
        mouse(GLUT_LEFT_BUTTON, GLUT_UP, x, y);
    }
    static float cameraDistance() {
        camera->update(Vec3{});
        Vec3 eye = camera->eye();
        return std::hypot(eye.x, eye.z);
    }
    static bool floodlightsLit() {
        for (int i = 1; i <= 7; ++i)
            if (!glIsEnabled(GL_LIGHT0 + i)) return false;
        return !glIsEnabled(GL_LIGHT0);
    }
};

}  // namespace

TEST_F(InputTest, MenuAndHelpKeysMoveBetweenScreens) {
    keyboard('S', 0, 0);
    keyboard('b', 0, 0);
    keyboard('r', 0, 0);
    EXPECT_TRUE(inMenu);
    EXPECT_FALSE(helpShown);

    keyboard('h', 0, 0);
    EXPECT_TRUE(helpShown);
    keyboard('s', 0, 0);  // not a help-screen key
    keyboard('q', 0, 0);
    EXPECT_TRUE(inMenu);
    EXPECT_TRUE(helpShown);
    keyboard('b', 0, 0);
    EXPECT_FALSE(helpShown);

    keyboard('s', 0, 0);
    EXPECT_FALSE(inMenu);
    EXPECT_EQ(framesPerSecond, 50);
}

TEST_F(InputTest, ButtonsStartHelpAndBack) {
    click(0.3f, 0.63f);
    EXPECT_TRUE(helpShown);
    click(0.3f, 0.5f);  // the help screen has no button there
    EXPECT_TRUE(helpShown);
    click(0.3f, 0.8f);
    EXPECT_FALSE(helpShown);
    click(0.3f, 0.56f);  // between start and help
    EXPECT_TRUE(inMenu);
    click(0.3f, 0.5f);
    EXPECT_FALSE(inMenu);
}

// Quitting (exit code 0 by key and by button) is checked on the real game
// in the shell tests: a forked child can't exit cleanly with GL threads up.

TEST_F(InputTest, RunKeysDriveCameraPauseLightsAndReturnToTheMenu) {
    keyboard('s', 0, 0);
    const float distance = cameraDistance();
    keyboard('s', 0, 0);
    EXPECT_NEAR(cameraDistance(), distance + 2.0f, 1e-3f);
    keyboard('w', 0, 0);
    keyboard('w', 0, 0);
    EXPECT_NEAR(cameraDistance(), distance - 2.0f, 1e-3f);

    keyboard('b', 0, 0);
    EXPECT_TRUE(world->isPaused());
    keyboard('n', 0, 0);
    EXPECT_TRUE(nightMode);
    EXPECT_TRUE(world->isNight());
    EXPECT_TRUE(floodlightsLit());

    keyboard('Q', 0, 0);
    EXPECT_FALSE(inMenu);
    keyboard('q', 0, 0);
    EXPECT_TRUE(inMenu);
    EXPECT_FALSE(nightMode);
    EXPECT_FALSE(world->isNight());
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
    EXPECT_TRUE(world->isPaused()) << "the menu doesn't unpause";
}

TEST_F(InputTest, RestartKeepsNightLightingWithTheLampsLit) {
    keyboard('s', 0, 0);
    keyboard('n', 0, 0);
    keyboard('r', 0, 0);
    EXPECT_FALSE(inMenu);
    EXPECT_TRUE(nightMode);
    EXPECT_TRUE(world->isNight());
    EXPECT_TRUE(floodlightsLit());
    keyboard('n', 0, 0);
    EXPECT_FALSE(nightMode);
    EXPECT_FALSE(world->isNight());
    EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
}

TEST_F(InputTest, PointerMotionSteersInTheRunOnly) {
    passiveMotion(502, 384);
    EXPECT_EQ(rider().rotation().y, 0.0f) << "no steering from the menu";
    EXPECT_EQ(mouseX, 502);

    keyboard('s', 0, 0);
    passiveMotion(492, 384);  // 10 pixels left
    EXPECT_FLOAT_EQ(rider().rotation().y, 1.0f);
    passiveMotion(512, 384);  // 20 pixels right
    EXPECT_FLOAT_EQ(rider().rotation().y, -1.0f);
}

TEST_F(InputTest, DragDialsTricksFromItsStartPointOnlyInTheAir) {
    keyboard('s', 0, 0);
    motion(100, 100);
    EXPECT_EQ(dragStarted, 0) << "a drag on the ground sets no start";

    RiderState& state = rider().state();
    state.airborne = true;
    state.timingValue = 50;
    motion(100, 100);
    EXPECT_EQ(dragStarted, 1);
    motion(130, 100);  // 30 / 1024 * 50 is inside the dead zone
    EXPECT_EQ(state.spinRate, 0.0f);
    motion(160, 100);
    EXPECT_FLOAT_EQ(state.spinRate, 60.0f / 1024.0f * 50.0f);
    motion(160, 100);  // holding away from the start keeps adding
    EXPECT_FLOAT_EQ(state.spinRate, 2.0f * 60.0f / 1024.0f * 50.0f);
    motion(100, 160);
    EXPECT_FLOAT_EQ(state.flipRate, 60.0f / 768.0f * 30.0f);
}

TEST_F(InputTest, ReleasingAButtonMovesTheSteeringReference) {
    keyboard('s', 0, 0);
    mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 512, 384);
    mouse(GLUT_RIGHT_BUTTON, GLUT_UP, 900, 384);
    // The drag ended far right; the next small move must not read as a big one.
    passiveMotion(890, 384);
    EXPECT_FLOAT_EQ(rider().rotation().y, 1.0f);
}

TEST_F(InputTest, LeftClickInTheRunPops) {
    keyboard('s', 0, 0);
    const Vec3 before = rider().position();
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 10, 10);
    EXPECT_EQ(rider().position().x, before.x) << "no pop, no step on the ground";

    RiderState& state = rider().state();
    state.airborne = true;
    state.takeOffTime = 0.5f;
    state.flyTime = 0.25f;
    testing::internal::CaptureStdout();
    mouse(GLUT_LEFT_BUTTON, GLUT_DOWN, 10, 10);
    std::string lines = testing::internal::GetCapturedStdout();
    EXPECT_NE(lines.find("factor:\t1"), std::string::npos) << lines;
}
