// The World in the generated data folder: night lighting across a reset, and frames that hand
// back the GL state and the view whatever the rider is doing.
#include "common/Random.h"
#include "rider/Rider.h"
#include "scene/World.h"
#include "support/GlContext.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <filesystem>

// The lamps face the course and are rebuilt switched off at a reset, but night lighting stays as the player left it.
// Frames riding, paused, crashed (turned the other way round) and in the air, by day and by
// night, leave the scene state, the matrix stack and the view as they found them; a paused
// frame moves no spray, so it draws nothing from the shared random sequence.
TEST(World, NightLightingSurvivesAResetAndFramesHandBackTheStateAndTheView) {
    REQUIRE_GL_CONTEXT();
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(TestPaths::data());
    World world;
    std::filesystem::current_path(previous);
    glLoadIdentity();
    world.reset(1024.0f, 768.0f);
    for (int i = 1; i <= 7; ++i) {  // under an identity view each lamp's spot shines across the course's middle
        GLfloat at[4], to[3];
        glGetLightfv(GL_LIGHT0 + i, GL_POSITION, at);
        glGetLightfv(GL_LIGHT0 + i, GL_SPOT_DIRECTION, to);
        EXPECT_TRUE(at[2] * to[2] < 0 && to[1] < 0) << "lamp " << i;
    }
    const auto lit = [](bool night) {  // the day light off and every lamp's light on, or the other way round
        bool agrees = glIsEnabled(GL_LIGHT0) != night;
        for (int i = 1; i <= 7; ++i) agrees = agrees && glIsEnabled(GL_LIGHT0 + i) == night;
        return agrees;
    };
    EXPECT_TRUE(!world.isNight() && world.toggleLights() && lit(true));
    world.reset(1280.0f, 1024.0f);
    EXPECT_TRUE(world.isNight() && lit(true));
    EXPECT_TRUE(!world.toggleLights() && lit(false));

    RiderState& s = world.rider->state();
    for (int frame = 0; frame < 10; ++frame) {
        if (frame == 6) {
            s.crashed = s.airborne = true;
            s.rotation = Vec3{5, 30, 40};
        }
        if (frame == 8) {
            world.reset(1024.0f, 768.0f);
            s.airborne = true;
            s.trickRotation = Vec3{20, 60, 90};
        }
        if (frame % 2) world.toggleLights();
        if (frame == 1 || frame == 6) world.togglePause();
        glCullFace(GL_FRONT);
        for (GLenum cap : {GL_CULL_FACE, GL_DEPTH_TEST, GL_LIGHTING, GL_BLEND}) glEnable(cap);
        glLoadIdentity();
        GLint depth = 0, value = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        const uint32_t drawn = Random::state();
        world.render();
        EXPECT_TRUE(frame < 1 || frame > 5 || Random::state() == drawn) << "paused frame " << frame;
        glGetIntegerv(GL_CULL_FACE_MODE, &value);
        EXPECT_EQ(value, GL_FRONT) << frame;
        for (GLenum cap : {GL_CULL_FACE, GL_DEPTH_TEST, GL_LIGHTING, GL_BLEND}) EXPECT_TRUE(glIsEnabled(cap)) << frame;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &value);
        EXPECT_EQ(value, depth) << frame;
        float matrix[16];  // every transform undone exactly: the view is back to identity
        glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
        for (int i = 0; i < 16; ++i) EXPECT_NEAR(matrix[i], i % 5 == 0 ? 1.0f : 0.0f, 1e-4f) << frame << " " << i;
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
