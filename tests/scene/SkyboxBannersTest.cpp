// Skybox and Banners: the boards as the player sees them from the finish
// area, and the GL state both draws give back.
#include "scene/Banners.h"
#include "scene/Skybox.h"
#include "support/GlContext.h"
#include "support/TempDir.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// Inside a fresh folder where each banner picture ("textures\ulmar.bmp" ...)
// is an 8 x 8 BMP, red on its left half, blue on its right.
class BannerPictures : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<unsigned char> bmp = {'B', 'M', 246, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 8, 0,
                                          0,   0,   8,   0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 192};
        bmp.resize(54);
        const unsigned char red[] = {40, 40, 200}, blue[] = {200, 40, 40};  // stored blue, green, red
        for (int pixel = 0; pixel < 64; ++pixel) {
            const unsigned char* bgr = pixel % 8 < 4 ? red : blue;
            bmp.insert(bmp.end(), bgr, bgr + 3);
        }
        for (const char* name : {"dapplecrux", "brolunt", "wornel", "krenn", "ulmar", "qvl_banner"}) {
            folder.write(std::string("textures/") + name + ".bmp", bmp);
        }
        std::filesystem::current_path(folder.path());
    }
    void TearDown() override { std::filesystem::current_path(previous); }

    std::filesystem::path previous = std::filesystem::current_path();
    TempDir folder;
};

// Looks (unlit) from `eye` (x, z; eye height 2.7) at the middle of the board
// running from `start` to `end` (x, z) and walks out from the middle of the
// picture to the first pure half on either side: "LR" for the picture's left
// half on the viewer's left, "RL" mirrored.
std::string seen(const Banners& banners, const GLdouble eye[2], const GLdouble start[2], const GLdouble end[2]) {
    const int w = GlContext::width(), h = GlContext::height();
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(40, static_cast<double>(w) / h, 1, 500);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(eye[0], 2.7, eye[1], (start[0] + end[0]) / 2, 2.7, (start[1] + end[1]) / 2, 0, 1, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glColor3f(1, 1, 1);
    banners.draw();
    glEnable(GL_LIGHTING);
    auto firstHalf = [&](int step) {
        for (int x = w / 2; x >= 0 && x < w; x += step) {
            const auto p = GlContext::pixel(x, h / 2);
            if (p[0] > 180 && p[2] < 60) return 'L';
            if (p[2] > 180 && p[0] < 60) return 'R';
        }
        return '?';
    };
    return {firstHalf(-1), firstHalf(1)};
}

// From inside the finish area the -z row reads unmirrored and the +z row
// mirrored (both run their pictures toward +x), likewise the -z and +z
// boards of the end wall; the event banner reads unmirrored from both sides.
TEST_F(BannerPictures, BoardsReadAsTheyStandAroundTheFinish) {
    REQUIRE_GL_CONTEXT();
    for (GLenum cap : {GL_CULL_FACE, GL_DEPTH_TEST, GL_TEXTURE_2D}) glEnable(cap);
    glCullFace(GL_FRONT);
    const Banners banners;
    const struct { GLdouble eye[2], start[2], end[2]; const char* reads; } views[] = {
        {{240, 0}, {235, -65}, {250, -65}, "LR"}, {{240, 0}, {235, 65}, {250, 65}, "RL"},
        {{240, 0}, {265, -50}, {265, -35}, "LR"}, {{240, 0}, {265, 50}, {265, 35}, "RL"},
        {{200, 0}, {265, -35}, {265, 35}, "LR"},  {{330, 0}, {265.05, 35}, {265.05, -35}, "LR"},
    };
    for (const auto& v : views) EXPECT_EQ(seen(banners, v.eye, v.start, v.end), v.reads) << v.start[0] << v.start[1];
}

// From the game's start-up state, each draw leaves culling (of front faces),
// blending, depth test, lighting and texturing on, and colour material on
// the front only, whatever face it tracked before.
TEST(SceneryDraw, SkyboxAndBannersGiveBackTheSceneState) {
    REQUIRE_GL_CONTEXT();
    const Skybox sky;
    const Banners banners;
    const GLenum caps[] = {GL_CULL_FACE, GL_BLEND, GL_DEPTH_TEST, GL_LIGHTING, GL_TEXTURE_2D};
    for (int draw = 0; draw < 4; ++draw) {
        for (GLenum cap : caps) glEnable(cap);
        glCullFace(GL_FRONT);
        glColorMaterial(draw % 2 ? GL_BACK : GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
        draw < 2 ? sky.draw() : banners.draw();
        GLint cull = 0, face = 0;
        glGetIntegerv(GL_CULL_FACE_MODE, &cull);
        glGetIntegerv(GL_COLOR_MATERIAL_FACE, &face);
        EXPECT_TRUE(cull == GL_FRONT && face == GL_FRONT) << draw;
        for (GLenum cap : caps) EXPECT_TRUE(glIsEnabled(cap)) << draw << " " << std::hex << cap;
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
