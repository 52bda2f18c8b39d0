// The snow sprays: how they use the shared random sequence, what any order of draws does to
// the particles, and the GL state they give back.
#include "common/Random.h"
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

// The fill draws R = rand() % 100 for fade, [xi, yi, zi], x, [y], z, size and splitA in turn, and
// each field is a fixed increasing or decreasing function of its own draw: a straight line
// through the particles with the lowest and the highest draw holds every other one.
void expectFillInDrawOrder(const SprayConstants& c, const std::vector<P>& pool, uint32_t before, uint32_t after) {
    std::vector<float P::*> order = {&P::fade};
    if (c.startsMoving) order.insert(order.end(), {&P::xi, &P::yi, &P::zi});
    order.push_back(&P::x);
    if (c.startsAtRandomHeight) order.push_back(&P::y);
    order.insert(order.end(), {&P::z, &P::size, &P::splitA});
    std::vector<int> r(pool.size() * order.size());
    Random::setState(before);
    for (int& value : r) value = Random::rand() % 100;
    EXPECT_EQ(Random::state(), after) << "the fill draws once per field";
    for (size_t k = 0; k < order.size(); ++k) {
        const auto draw = [&](size_t i) { return r[i * order.size() + k]; };
        size_t low = 0, high = 0;
        for (size_t i = 0; i < pool.size(); ++i) {
            if (draw(i) < draw(low)) low = i;
            if (draw(i) > draw(high)) high = i;
        }
        const float f0 = pool[low].*order[k], slope = (pool[high].*order[k] - f0) / (draw(high) - draw(low));
        ASSERT_NE(slope, 0.0f) << k;
        for (size_t i = 0; i < pool.size(); ++i) {
            const float f = pool[i].*order[k];
            ASSERT_NEAR(f, f0 + slope * (draw(i) - draw(low)), 1e-5f * (1 + std::fabs(f))) << "field " << k << " " << i;
        }
    }
}

TEST(Spray, FillsDrawEachFieldFromItsPlaceInTheSequence) {
    REQUIRE_GL_CONTEXT();
    Random::setState(0x2468ACE1u);
    const SlopeSpray slope(picture);
    const uint32_t between = Random::state();
    const CrashSpray crash(picture);
    const uint32_t after = Random::state();  // the checks below draw from the generator again
    expectFillInDrawOrder(slope.constants(), slope.particles(), 0x2468ACE1u, between);
    expectFillInDrawOrder(crash.constants(), crash.particles(), between, after);
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
    for (GLenum cap : caps) EXPECT_TRUE(glIsEnabled(cap)) << std::hex << cap;
    EXPECT_TRUE(integer(GL_CULL_FACE_MODE) == GL_FRONT && integer(GL_BLEND_SRC) == GL_SRC_ALPHA &&
                integer(GL_BLEND_DST) == GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
