// Sky, banners, kicker and floodlights: every banner picture found in the generated data
// folder, the GL state and the view the draws give back, and where a lamp's light goes.
#include "image/Image.h"
#include "scene/Banners.h"
#include "scene/Floodlight.h"
#include "scene/Kicker.h"
#include "scene/Skybox.h"
#include "support/GlContext.h"
#include "support/TestPaths.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

std::vector<GLfloat> light(GLenum id, GLenum name) {
    std::vector<GLfloat> v(4);
    glGetLightfv(id, name, v.data());
    return v;
}

// Under an identity view a lamp turned by 180 degrees has its light in the head, shining down
// toward -z. Under any view, a tilted lamp's setupLight, updateLightPosition and draw take their
// transform off again.
TEST(Floodlight, SpotFollowsTheLampTheViewStaysAndStrayLampsLeaveTheDayLight) {
    REQUIRE_GL_CONTEXT();
    glLoadIdentity();
    Floodlight lamp(2);
    lamp.setPosition({26.22f, 100.42f, 21.8f});
    lamp.setRotation({0, 180, 0});
    lamp.setupLight();
    const std::vector<GLfloat> head = {26.22f, 107.92f, 18.07f, 1}, down = {0, -0.8f, -0.5f};
    const auto at = light(GL_LIGHT2, GL_POSITION), to = light(GL_LIGHT2, GL_SPOT_DIRECTION);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(at[i], head[i], 1e-4f) << i;
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(to[i], down[i], 1e-5f) << i;

    gluLookAt(-20, 130, 40, 30, 90, 0, 0, 1, 0);
    lamp.setRotation({10, 180, -30});
    GLdouble view[16], after[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, view);
    lamp.draw();
    lamp.setupLight();
    lamp.updateLightPosition();
    glGetDoublev(GL_MODELVIEW_MATRIX, after);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(after[i], view[i], 1e-3) << i;

    // Only lamps 1 to 7 own a light; the others report GL_LIGHT0 but never touch the day light.
    const auto day = light(GL_LIGHT0, GL_POSITION);
    for (int index : {0, 8}) {
        Floodlight stray(index);
        glEnable(GL_LIGHT0);
        stray.setupLight();
        stray.updateLightPosition();
        stray.switchOff();
        EXPECT_TRUE(stray.lightId() == GL_LIGHT0 && glIsEnabled(GL_LIGHT0) && light(GL_LIGHT0, GL_POSITION) == day &&
                    light(GL_LIGHT0, GL_SPOT_CUTOFF)[0] == 180.0f)
            << index;
        glDisable(GL_LIGHT0);
        stray.switchOn();
        EXPECT_FALSE(glIsEnabled(GL_LIGHT0)) << index;
    }
}

// From the game's start-up state, each draw leaves culling (of front faces), blending, depth
// test, lighting and texturing on, and sky and banners leave colour material on the front only,
// whatever face it tracked before.
TEST(Scenery, PicturesLoadAndDrawsGiveBackTheSceneState) {
    REQUIRE_GL_CONTEXT();
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(TestPaths::data());
    const Skybox sky;
    const Banners banners;
    Kicker kicker;
    std::filesystem::current_path(previous);
    for (int picture = 0; picture < Banners::pictureCount; ++picture)
        EXPECT_TRUE(banners.hasPicture(Banners::Picture(picture))) << picture;

    const GLenum caps[] = {GL_CULL_FACE, GL_BLEND, GL_DEPTH_TEST, GL_LIGHTING, GL_TEXTURE_2D};
    for (int draw = 0; draw < 5; ++draw) {
        for (GLenum cap : caps) glEnable(cap);
        glCullFace(GL_FRONT);
        glColorMaterial(draw % 2 ? GL_BACK : GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
        draw < 2 ? sky.draw() : draw < 4 ? banners.draw() : kicker.draw();
        GLint cull = 0, face = 0;
        glGetIntegerv(GL_CULL_FACE_MODE, &cull);
        glGetIntegerv(GL_COLOR_MATERIAL_FACE, &face);
        EXPECT_TRUE(cull == GL_FRONT && (face == GL_FRONT || draw == 4)) << draw;
        for (GLenum cap : caps) EXPECT_TRUE(glIsEnabled(cap)) << draw << " " << std::hex << cap;
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
