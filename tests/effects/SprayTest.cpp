// The snow sprays: what any order of draws does to the particles, and the GL state they give back.
#include "effects/CrashSpray.h"
#include "effects/SlopeSpray.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <vector>

namespace {

using P = SprayParticle;
constexpr const char* picture = "textures\\particle1.bmp";

GLint integer(GLenum name) {
    GLint value = 0;
    glGetIntegerv(name, &value);
    return value;
}

std::array<float, 15> fields(const P& p) {
    return {p.life, p.fade, p.x, p.y, p.z, p.xi, p.yi, p.zi, p.xg, p.yg, p.zg, p.size, p.splitA, p.splitB, p.r};
}

// Draws in a random order of sprays, speeds (any float) and pauses. Every particle stays finite
// and near the board with splitA + splitB = 1; one not thrown again (a throw puts y at 0) stands
// still while paused, loses life while not, and below a speed of 0.5 ends with no sideways drift.
// From the game's start-up state the draws give back the cull face and mode, the depth test and
// the blend function, and leave lighting and texturing alone.
TEST(Spray, AnyOrderOfDrawsKeepsParticlesFiniteNearByAndDyingAndGivesBackTheSceneState) {
    REQUIRE_GL_CONTEXT();
    SlopeSpray slope(picture);
    CrashSpray crash(picture);
    const GLenum caps[] = {GL_CULL_FACE, GL_DEPTH_TEST, GL_BLEND, GL_LIGHTING, GL_TEXTURE_2D};
    for (GLenum cap : caps) glEnable(cap);
    glCullFace(GL_FRONT);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const float speeds[] = {0, 0.4f, 0.5f, 1, 15, 60, NAN, INFINITY, -INFINITY};
    std::mt19937 pick(2024);
    for (int call = 0; call < 300; ++call) {
        const bool crashed = pick() % 2, paused = pick() % 4 == 0;
        const float speed = speeds[pick() % 9];
        const bool still = !(speed >= 0.5f) || std::isinf(speed);
        const std::vector<P> before = crashed ? crash.particles() : slope.particles();
        crashed ? crash.draw(speed, paused) : slope.draw(speed, paused);
        const std::vector<P>& after = crashed ? crash.particles() : slope.particles();
        for (size_t i = 0; i < after.size(); ++i) {
            const P &a = after[i], &b = before[i];
            bool ok = std::fabs(a.x) < 100 && std::fabs(a.y) < 100 && std::fabs(a.z) < 100 && a.life <= 1 &&
                      std::fabs(a.splitA + a.splitB - 1) < 1e-6f;
            for (float v : fields(a)) ok = ok && std::isfinite(v);
            if (a.y != 0.0f) ok = ok && (paused ? fields(a) == fields(b) : a.life < b.life && (!still || a.xi == 0));
            ASSERT_TRUE(ok) << "call " << call << " speed " << speed << " particle " << i;
        }
    }
    // The crash cloud billows up; the ride's spray falls back into the snow.
    for (const P& p : crash.particles()) EXPECT_GT(p.yg, 0.0f);
    for (const P& p : slope.particles()) EXPECT_LT(p.yg, 0.0f);
    for (GLenum cap : caps) EXPECT_TRUE(glIsEnabled(cap)) << std::hex << cap;
    EXPECT_TRUE(integer(GL_CULL_FACE_MODE) == GL_FRONT && integer(GL_BLEND_SRC) == GL_SRC_ALPHA &&
                integer(GL_BLEND_DST) == GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
