#include "app/Camera.h"
#include "app/Globals.h"
#include "app/Input.h"
#include "app/Window.h"
#include "rider/Rider.h"
#include "scene/World.h"
#include "support/TempDir.h"
#include "ui/HelpScreen.h"
#include "ui/MenuScreen.h"

#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <filesystem>

// The input callbacks over the real start-up objects, for what the recorded
// demos don't reach. Every test starts in the menu with the pointer in the
// middle of a 1024 x 768 window.
class InputTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static TempDir data;  // no models: the World draws nothing, which is all these need
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
        if (world->isPaused()) world->togglePause();
        mouseX = 512;
        mouseY = 384;
        world->reset(1024.0f, 768.0f);
    }
};

// A drag doesn't move the steering reference; if the button coming up
// didn't either, the next small movement would jump the heading.
TEST_F(InputTest, ReleasingAButtonMovesTheSteeringReference) {
    keyboard('s', 0, 0);
    mouse(GLUT_RIGHT_BUTTON, GLUT_DOWN, 512, 384);
    motion(900, 384);
    mouse(GLUT_RIGHT_BUTTON, GLUT_UP, 900, 384);
    passiveMotion(890, 384);
    EXPECT_FLOAT_EQ(world->rider->rotation().y, 1.0f);
}

// The next run's q would otherwise switch the floodlights on in the menu.
TEST_F(InputTest, LeavingANightRunPutsTheDayBack) {
    for (unsigned char key : {'s', 'n'}) keyboard(key, 0, 0);
    EXPECT_TRUE(world->isNight());
    for (unsigned char key : {'q', 's', 'q'}) keyboard(key, 0, 0);
    EXPECT_FALSE(world->isNight());
}

// While the trick window is open a drag right dials spin and a drag down a forward flip.
TEST_F(InputTest, ADragRightSpinsAndADragDownFlipsForward) {
    keyboard('s', 0, 0);
    RiderState& s = world->rider->state();
    s.airborne = true;
    s.timingValue = 50;
    motion(512, 384);
    motion(712, 584);
    EXPECT_TRUE(s.spinRate > 0 && s.flipRate > 0) << s.spinRate << " " << s.flipRate;
}
