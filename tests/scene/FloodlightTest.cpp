// Floodlight: the spot light it sets up, the view it hands back, and lamps that own no light.
#include "scene/Floodlight.h"
#include "support/GlContext.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<GLfloat> light(GLenum id, GLenum name) {
    std::vector<GLfloat> v(4);
    glGetLightfv(id, name, v.data());
    return v;
}

// Under an identity view a lamp turned by 180 degrees has its light in the head, shining down
// toward -z. Under any view, a tilted lamp's setupLight, updateLightPosition and draw take their
// transform off again; the switches enable and disable the lamp's own light.
TEST(Floodlight, SpotFollowsTheLampAndTheViewStays) {
    REQUIRE_GL_CONTEXT();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    Floodlight lamp(2);
    lamp.setPosition({26.22f, 100.42f, 21.8f});
    lamp.setRotation({0, 180, 0});
    lamp.setupLight();
    const std::vector<GLfloat> head = {26.22f, 107.92f, 18.07f, 1}, down = {0, -0.8f, -0.5f};
    const auto position = light(GL_LIGHT2, GL_POSITION), spot = light(GL_LIGHT2, GL_SPOT_DIRECTION);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(position[i], head[i], 1e-4f) << i;
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(spot[i], down[i], 1e-5f) << i;

    gluLookAt(-20, 130, 40, 30, 90, 0, 0, 1, 0);
    lamp.setRotation({10, 180, -30});
    GLdouble view[16], after[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, view);
    lamp.draw();
    lamp.setupLight();
    lamp.updateLightPosition();
    glGetDoublev(GL_MODELVIEW_MATRIX, after);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(after[i], view[i], 1e-3) << i;

    EXPECT_FALSE(glIsEnabled(GL_LIGHT2));
    lamp.switchOn();
    EXPECT_TRUE(lamp.isOn() && glIsEnabled(GL_LIGHT2));
    lamp.switchOff();
    EXPECT_FALSE(lamp.isOn() || glIsEnabled(GL_LIGHT2));
}

// Only lamps 1 to 7 own a light; the others report GL_LIGHT0 but never touch the day light.
TEST(Floodlight, StrayLampsLeaveTheDayLight) {
    REQUIRE_GL_CONTEXT();
    EXPECT_EQ(Floodlight(7).lightId(), static_cast<GLenum>(GL_LIGHT7));
    glEnable(GL_LIGHT0);
    const auto day = light(GL_LIGHT0, GL_POSITION);
    for (int index : {0, 8}) {
        Floodlight stray(index);
        EXPECT_EQ(stray.lightId(), static_cast<GLenum>(GL_LIGHT0));
        stray.setPosition({3, 4, 5});
        stray.setupLight();
        stray.updateLightPosition();
        stray.switchOff();
        EXPECT_TRUE(glIsEnabled(GL_LIGHT0) && light(GL_LIGHT0, GL_POSITION) == day) << index;
        EXPECT_EQ(light(GL_LIGHT0, GL_SPOT_CUTOFF)[0], 180.0f) << index;
        glDisable(GL_LIGHT0);
        stray.switchOn();
        EXPECT_FALSE(glIsEnabled(GL_LIGHT0)) << index;
        glEnable(GL_LIGHT0);
    }
}

}  // namespace
