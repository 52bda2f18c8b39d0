// Sky, banners and kicker: every banner picture found in the generated data folder and the GL
// state the draws give back.
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

// From the game's start-up state, each draw leaves culling (of front faces), blending, depth
// test, lighting and texturing on, and sky and banners leave colour material on the front only,
// whatever face it tracked before.
TEST(Scenery, PicturesLoadAndDrawsGiveBackTheSceneState) {
    REQUIRE_GL_CONTEXT();
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(TestPaths::data());
    const Skybox sky;
    GLint wrap[2] = {};  // the sky's last picture, clamped both ways: a repeat seams the box's edges
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrap[0]);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrap[1]);
    EXPECT_TRUE(wrap[0] == GL_CLAMP && wrap[1] == GL_CLAMP);
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

// Seen from below, unlit, a lamp's glass glows warm yellow while the lamp is on and is cold
// white while it is off.
TEST(Floodlight, GlassGlowsWarmOnlyWhileOn) {
    REQUIRE_GL_CONTEXT();
    Floodlight lamp(1);
    const Floodlight::Geometry& shape = lamp.geometry();
    Vec3 glass{0.0f, 0.0f, 0.0f};
    for (const Vec3& corner : {shape.backFace[1], shape.backFace[2], shape.frontFace[1], shape.frontFace[2]})
        glass = add(glass, Vec3{corner.x / 4, corner.y / 4, corner.z / 4});
    const Vec3& down = shape.faceNormals[5];
    const Vec3 eye = add(glass, Vec3{down.x * 2, down.y * 2, down.z * 2});
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_CULL_FACE);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(30.0, 1.0, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(eye.x, eye.y, eye.z, glass.x, glass.y, glass.z, 0.0, 0.0, 1.0);
    for (bool on : {true, false}) {
        on ? lamp.switchOn() : lamp.switchOff();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        lamp.draw();
        const std::vector<unsigned char> rgb = GlContext::readPixels();
        const std::size_t middle = 3 * (GlContext::width() * (GlContext::height() / 2) + GlContext::width() / 2);
        const int warmth = rgb[middle] - rgb[middle + 2];
        EXPECT_TRUE(on ? warmth > 100 : warmth < 20) << on << " " << warmth;
    }
    glEnable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
}

}  // namespace
