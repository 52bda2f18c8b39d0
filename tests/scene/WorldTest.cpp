#include "support/CourseFiles.h"
#include "rider/Rider.h"
#include "scene/World.h"
#include "support/GlContext.h"
#include "support/TempDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

// Builds the World inside a data folder that holds only a sloped course.
class WorldTest : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_GL_CONTEXT();
        data.write("models/kicka.txt", slopedPlaneModel());
        previous = std::filesystem::current_path();
        std::filesystem::current_path(data.path());
        testing::internal::CaptureStdout();
        world = std::make_unique<World>();
        loadMessages = testing::internal::GetCapturedStdout();
        glEnable(GL_LIGHT0);
        for (int i = 1; i <= 7; ++i) glDisable(GL_LIGHT0 + i);
        world->reset(1024.0f, 768.0f);
    }
    void TearDown() override {
        world.reset();
        if (!previous.empty()) std::filesystem::current_path(previous);
    }

    static bool lightEnabled(int index) { return glIsEnabled(GL_LIGHT0 + index) == GL_TRUE; }
    static bool floodlightsEnabled() {
        for (int i = 1; i <= 7; ++i)
            if (!lightEnabled(i)) return false;
        return true;
    }

    TempDir data;
    std::filesystem::path previous;
    std::unique_ptr<World> world;
    std::string loadMessages;
};

}  // namespace

TEST_F(WorldTest, ReportsEachMissingModelOnceInLoadingOrder) {
    // The course loaded; board, arrows and surround are missing.
    EXPECT_EQ(loadMessages, "Couldn't load the model\nCouldn't load the model\nCouldn't load the model\n");
}

TEST_F(WorldTest, NightLightingSurvivesAResetAndTogglesBack) {
    EXPECT_FALSE(world->isNight());
    EXPECT_TRUE(world->toggleLights());
    EXPECT_FALSE(lightEnabled(0));
    EXPECT_TRUE(floodlightsEnabled());

    // The lamps are rebuilt switched off, but the lights and the flag stay.
    world->reset(1280.0f, 1024.0f);
    EXPECT_TRUE(world->isNight());
    EXPECT_FALSE(lightEnabled(0));
    EXPECT_TRUE(floodlightsEnabled());

    EXPECT_FALSE(world->toggleLights());
    EXPECT_TRUE(lightEnabled(0));
    for (int i = 1; i <= 7; ++i) EXPECT_FALSE(lightEnabled(i)) << "light " << i;
}

TEST_F(WorldTest, RenderStepsTheRiderOnTheCourseUnlessPaused) {
    Rider& rider = *world->rider;
    rider.setFrameRate(50);
    world->render();
    // Each frame measures the ground at the points of the step before, then
    // steps: the board stands on the course from the first frame on.
    const float measuredAtX = rider.worldPoints()[2].x;
    world->render();
    EXPECT_NEAR(rider.groundSamples()[2].height, 50.0f - 0.1f * measuredAtX, 0.01f);
    EXPECT_NEAR(rider.position().y, 50.0f - 0.1f * rider.position().x, 0.2f);

    EXPECT_TRUE(world->togglePause());
    world->reset(1024.0f, 768.0f);
    EXPECT_TRUE(world->isPaused()) << "a reset doesn't unpause";
    for (int frame = 0; frame < 5; ++frame) world->render();
    EXPECT_EQ(rider.position().x, 0.0f);
    EXPECT_EQ(rider.speed(), 10.0f);

    EXPECT_FALSE(world->togglePause());
    for (int frame = 0; frame < 5; ++frame) world->render();
    EXPECT_GT(rider.position().x, 0.5f);
}

TEST_F(WorldTest, RenderLeavesTheSceneStateAsItFoundIt) {
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    GLint depthBefore = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);

    world->rider->setFrameRate(50);
    for (int frame = 0; frame < 3; ++frame) world->render();

    GLint value = 0;
    glGetIntegerv(GL_CULL_FACE_MODE, &value);
    EXPECT_EQ(value, GL_FRONT);
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    glGetIntegerv(GL_BLEND_DST, &value);
    EXPECT_EQ(value, GL_ONE_MINUS_SRC_ALPHA);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &value);
    EXPECT_EQ(value, depthBefore);
    glGetIntegerv(GL_MATRIX_MODE, &value);
    EXPECT_EQ(value, GL_MODELVIEW);
    // The rider's transform is undone exactly: the view is back to identity.
    float matrix[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(matrix[i], i % 5 == 0 ? 1.0f : 0.0f, 1e-4f) << "element " << i;
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
