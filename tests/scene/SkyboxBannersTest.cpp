// Skybox and Banners: the boards as the player sees them from the finish
// area, and the GL state both draws give back.
#include "scene/Banners.h"
#include "scene/Skybox.h"
#include "support/GlContext.h"
#include "support/TempDir.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>

namespace {

const unsigned char leftHalf[3] = {200, 40, 40}, rightHalf[3] = {40, 40, 200};

// Runs a test inside a fresh folder where each of the game's banner pictures
// ("textures\ulmar.bmp" ...) is an 8 x 8 BMP, red on its left half, blue on its right.
class BannerPictures {
public:
    BannerPictures() : previous(std::filesystem::current_path()) {
        std::vector<unsigned char> bmp = {'B', 'M', 246, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 8, 0,
                                          0,   0,   8,   0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 192};
        bmp.resize(54);
        for (int pixel = 0; pixel < 64; ++pixel) {
            const unsigned char* c = pixel % 8 < 4 ? leftHalf : rightHalf;
            bmp.insert(bmp.end(), {c[2], c[1], c[0]});
        }
        for (const char* name : {"dapplecrux", "brolunt", "wornel", "krenn", "ulmar", "qvl_banner"}) {
            folder.write(std::string("textures/") + name + ".bmp", bmp);
        }
        std::filesystem::current_path(folder.path(), failed);
    }
    ~BannerPictures() { std::filesystem::current_path(previous); }
    std::error_code failed;

private:
    TempDir folder;
    std::filesystem::path previous;
};

bool shows(double x, double y, const unsigned char* want) {
    const auto got = GlContext::pixel(static_cast<int>(x), static_cast<int>(y));
    for (int i = 0; i < 3; ++i) {
        if (std::abs(got[i] - want[i]) > 6) return false;
    }
    return true;
}

// Looks (unlit) from `eye` at the board running from `start` to `end` (x, z)
// and says whether it reads unmirrored: its left half on the viewer's left.
bool readsUnmirrored(const Banners& banners, std::array<double, 3> eye, std::array<double, 2> start,
                     std::array<double, 2> end) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(40, static_cast<double>(GlContext::width()) / GlContext::height(), 1, 500);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(eye[0], eye[1], eye[2], (start[0] + end[0]) / 2, eye[1], (start[1] + end[1]) / 2, 0, 1, 0);
    glViewport(0, 0, GlContext::width(), GlContext::height());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_LIGHTING);
    glColor3f(1, 1, 1);
    banners.draw();
    glEnable(GL_LIGHTING);
    GLdouble model[16], projection[16], x[2], y, z;
    GLint view[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, view);
    for (int i = 0; i < 2; ++i) {  // a quarter in from each end
        const double t = i ? 0.75 : 0.25;
        gluProject(start[0] + t * (end[0] - start[0]), eye[1], start[1] + t * (end[1] - start[1]), model,
                   projection, view, &x[i], &y, &z);
    }
    const bool leftAtLeft = shows(std::min(x[0], x[1]), y, leftHalf);
    EXPECT_EQ(leftAtLeft, shows(std::max(x[0], x[1]), y, rightHalf)) << "the board must show whole";
    return leftAtLeft;
}

// From inside the finish area the -z row reads unmirrored and the +z row
// mirrored (both run their pictures toward +x), likewise the -z and +z
// boards of the end wall; the event banner reads unmirrored from both sides.
TEST(BannersPicture, BoardsReadAsTheyStandAroundTheFinish) {
    REQUIRE_GL_CONTEXT();
    BannerPictures pictures;
    ASSERT_FALSE(pictures.failed);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    const Banners banners;
    const std::array<double, 3> inside = {240, 2.7, 0};
    EXPECT_TRUE(readsUnmirrored(banners, inside, {235, -65}, {250, -65}));
    EXPECT_FALSE(readsUnmirrored(banners, inside, {235, 65}, {250, 65}));
    EXPECT_TRUE(readsUnmirrored(banners, inside, {265, -50}, {265, -35}));
    EXPECT_FALSE(readsUnmirrored(banners, inside, {265, 50}, {265, 35}));
    EXPECT_TRUE(readsUnmirrored(banners, {200, 2.7, 0}, {265, -35}, {265, 35}));
    EXPECT_TRUE(readsUnmirrored(banners, {330, 2.7, 0}, {265.05, 35}, {265.05, -35}));
}

// From the game's start-up state, each draw leaves culling (of front faces),
// blending, depth test, lighting and texturing on, and colour material on
// the front only, whatever face it tracked before.
TEST(SceneryDraw, SkyboxAndBannersGiveBackTheSceneState) {
    REQUIRE_GL_CONTEXT();
    const Skybox sky;
    const Banners banners;
    for (int draw = 0; draw < 4; ++draw) {
        for (GLenum cap : {GL_CULL_FACE, GL_BLEND, GL_DEPTH_TEST, GL_LIGHTING, GL_TEXTURE_2D}) glEnable(cap);
        glCullFace(GL_FRONT);
        glColorMaterial(draw % 2 ? GL_BACK : GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
        draw < 2 ? sky.draw() : banners.draw();
        GLint cull = 0, face = 0;
        glGetIntegerv(GL_CULL_FACE_MODE, &cull);
        glGetIntegerv(GL_COLOR_MATERIAL_FACE, &face);
        EXPECT_TRUE(cull == GL_FRONT && face == GL_FRONT) << draw;
        for (GLenum cap : {GL_CULL_FACE, GL_BLEND, GL_DEPTH_TEST, GL_LIGHTING, GL_TEXTURE_2D}) {
            EXPECT_TRUE(glIsEnabled(cap)) << draw << " " << std::hex << cap;
        }
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
