// Sky, banners and kicker: every banner picture found in the generated data folder and the GL
// state the draws give back.
#include "image/Image.h"
#include "scene/Banners.h"
#include "scene/Kicker.h"
#include "scene/Skybox.h"
#include "support/GlContext.h"
#include "support/TestPaths.h"

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

}  // namespace
