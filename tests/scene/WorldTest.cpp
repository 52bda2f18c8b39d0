// The World in the generated data folder: night lighting across a reset, and frames that hand
// back the GL state and the view whatever the rider is doing.
#include "rider/Rider.h"
#include "scene/World.h"
#include "support/GlContext.h"
#include "support/TestPaths.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

class WorldTest : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_GL_CONTEXT();
        std::filesystem::current_path(TestPaths::data());
        world = std::make_unique<World>();
        std::filesystem::current_path(previous);
        glEnable(GL_LIGHT0);
        for (int i = 1; i <= 7; ++i) glDisable(GL_LIGHT0 + i);
        world->reset(1024.0f, 768.0f);
    }

    // The day light off and every lamp's light on, or the other way round.
    static bool lit(bool night) {
        bool agrees = glIsEnabled(GL_LIGHT0) != night;
        for (int i = 1; i <= 7; ++i) agrees = agrees && glIsEnabled(GL_LIGHT0 + i) == night;
        return agrees;
    }

    std::filesystem::path previous = std::filesystem::current_path();
    std::unique_ptr<World> world;
};

}  // namespace

// The lamps are rebuilt switched off at a reset, but night lighting stays as the player left it.
TEST_F(WorldTest, NightLightingSurvivesAResetAndTogglesBack) {
    EXPECT_FALSE(world->isNight());
    EXPECT_TRUE(world->toggleLights());
    EXPECT_TRUE(lit(true));
    world->reset(1280.0f, 1024.0f);
    EXPECT_TRUE(world->isNight() && lit(true));
    EXPECT_FALSE(world->toggleLights());
    EXPECT_TRUE(lit(false));
}

// Riding, crashed (turned the other way round) and in the air, by day and by night.
TEST_F(WorldTest, FramesLeaveTheSceneStateAndTheViewAsTheyFoundThem) {
    RiderState& s = world->rider().state();
    for (int frame = 0; frame < 6; ++frame) {
        if (frame == 2) {
            s.crashed = s.airborne = true;
            s.rotation = Vec3{5, 30, 40};
        }
        if (frame == 4) {
            world->reset(1024.0f, 768.0f);
            s.airborne = true;
            s.trickRotation = Vec3{20, 60, 90};
        }
        if (frame % 2) world->toggleLights();
        glEnable(GL_CULL_FACE);
        glCullFace(GL_FRONT);
        for (GLenum cap : {GL_DEPTH_TEST, GL_LIGHTING, GL_BLEND}) glEnable(cap);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        GLint depth = 0, value = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        world->rider().setFrameRate(50);
        world->render();
        glGetIntegerv(GL_CULL_FACE_MODE, &value);
        EXPECT_EQ(value, GL_FRONT) << frame;
        for (GLenum cap : {GL_CULL_FACE, GL_DEPTH_TEST, GL_LIGHTING, GL_BLEND}) EXPECT_TRUE(glIsEnabled(cap)) << frame;
        glGetIntegerv(GL_BLEND_DST, &value);
        EXPECT_EQ(value, GL_ONE_MINUS_SRC_ALPHA) << frame;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &value);
        EXPECT_EQ(value, depth) << frame;
        glGetIntegerv(GL_MATRIX_MODE, &value);
        EXPECT_EQ(value, GL_MODELVIEW) << frame;
        float matrix[16];  // every transform undone exactly: the view is back to identity
        glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
        for (int i = 0; i < 16; ++i) EXPECT_NEAR(matrix[i], i % 5 == 0 ? 1.0f : 0.0f, 1e-4f) << frame << " " << i;
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
