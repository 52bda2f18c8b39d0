// The snow sprays: their use of the shared random sequence, their stepping
// rules and the GL state they give back.
#include "common/Random.h"
#include "effects/CrashSpray.h"
#include "effects/SlopeSpray.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace {

using P = SprayParticle;
constexpr const char* picture = "textures\\particle1.bmp";

// The shared generator written out independently.
struct Reference {
    uint32_t state;
    float operator()() {
        state = state * 214013u + 2531011u;
        return static_cast<float>(((state >> 16) & 32767u) % 100u);
    }
};

// One random term, in the order drawn: field = (R * scale + offset + shift) * factor.
struct Term {
    float P::*field;
    float scale, offset, shift = 0, factor = 1;
};

// The particle after the terms (and splitB = 1 - splitA).
P drawn(P p, Reference& r, const std::vector<Term>& terms) {
    for (const Term& t : terms) p.*t.field = (r() * t.scale + t.offset + t.shift) * t.factor;
    p.splitB = 1 - p.splitA;
    return p;
}

// The fills: ride particles start dead and still, crash particles alive and moving.
const std::vector<Term> slopeFill = {{&P::fade, 0.001f, 0.005f}, {&P::x, 0.001f, -0.05f}, {&P::y, 0.001f, -0.05f},
                                     {&P::z, 0.002f, -0.1f},     {&P::size, 0.01f, 0.5f},  {&P::splitA, 0.01f, 0}};
const std::vector<Term> crashFill = {{&P::fade, 0.001f, 0.005f},     {&P::xi, 0.005f, -0.5f},
                                     {&P::yi, 0.005f, -0.5f, 0, -1},  {&P::zi, 0.005f, -0.5f},
                                     {&P::x, 0.001f, -0.05f, -0.95f}, {&P::z, 0.002f, -0.1f},
                                     {&P::size, 0.01f, 1},            {&P::splitA, 0.01f, 0}};

// Throws, the velocity terms carrying the speed in their factor. At a speed up
// to 1 a throw gives life 0 and fade 1 and draws no fade term; the ride
// spray's throw from below the snow keeps size 1 and draws no size term.
P slopeThrow(P p, Reference& r, float speed, bool fromBelowSnow) {
    p.life = speed > 1 ? std::min(speed / 30, 1.0f) : 0, p.fade = 1, p.y = 0, p.size = 1;
    std::vector<Term> terms = {{&P::x, 0.004f, -0.2f, -0.9f},   {&P::z, 0.003f, -0.15f},
                               {&P::xi, 0.01f, -0.5f, -1, speed}, {&P::yi, 0.001f, -0.05f, 0.2f, speed},
                               {&P::zi, 0.01f, -0.5f, 0.2f, speed}};
    if (speed > 1) terms.insert(terms.begin(), {&P::fade, 0.001f, 0.005f});
    if (!fromBelowSnow) terms.push_back({&P::size, 0.01f, 0.5f});
    terms.push_back({&P::splitA, 0.01f, 0});
    return drawn(p, r, terms);
}

P crashThrow(P p, Reference& r, float speed) {
    p.life = std::min(speed / 30, 1.0f), p.y = 0;
    return drawn(p, r, {{&P::fade, 1 / 1500.0f, 0.005f}, {&P::x, 0.01f, -0.5f}, {&P::z, 0.0015f, 0},
                        {&P::xi, 0.02f, -1, 0.7f, speed}, {&P::yi, 0.005f, -0.25f, 0.3f, -speed},
                        {&P::zi, 0.005f, -0.25f, 0.7f, speed / 2}, {&P::size, 0.01f, 1}, {&P::splitA, 0.01f, 0}});
}

std::array<float, 15> fields(const P& p) {
    return {p.life, p.fade, p.x,  p.y,    p.z,      p.xi,     p.yi,           p.zi,
            p.xg,   p.yg,   p.zg, p.size, p.splitA, p.splitB, float(p.active)};
}

void expectSame(const std::vector<P>& got, const std::vector<P>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (size_t k = 0; k < got.size(); ++k) {
        const auto g = fields(got[k]), w = fields(want[k]);
        for (size_t i = 0; i < g.size(); ++i) ASSERT_FLOAT_EQ(g[i], w[i]) << "particle " << k << " field " << i;
    }
}

// From a known state: the fills (500 ride particles, dead; 1000 crash ones,
// alive); a paused draw of each, which steps nothing and throws only the fill
// particles below the snow (ride y < 0, crash z < 0); an unpaused ride draw,
// which throws every particle (its life ran out); then no further terms.
TEST(SpraySequence, FillsAndThrowsDrawTheirTermsInOrder) {
    REQUIRE_GL_CONTEXT();
    Random::setState(0x2468ACE1u);
    Reference r{0x2468ACE1u};
    SlopeSpray slope(picture);
    CrashSpray crash(picture);
    P ride, cloud;
    ride.active = cloud.active = true, ride.yg = -0.8f, cloud.life = 1, cloud.yg = 2, cloud.zg = -1.5f;
    std::vector<P> want(500);
    for (P& p : want) p = drawn(ride, r, slopeFill);
    expectSame(slope.particles(), want);
    want.resize(1000);
    for (P& p : want) p = drawn(cloud, r, crashFill);
    expectSame(crash.particles(), want);
    const auto step = [&](auto& spray, float speed, bool paused, auto expected) {
        want = spray.particles();
        for (P& p : want) p = expected(p);
        spray.draw(speed, paused);
        expectSame(spray.particles(), want);
    };
    step(slope, 0.8f, true, [&](const P& p) { return p.y < 0 ? slopeThrow(p, r, 0.8f, true) : p; });
    step(crash, 15.0f, true, [&](const P& p) { return p.z < 0 ? crashThrow(p, r, 15.0f) : p; });
    step(slope, 60.0f, false, [&](const P& p) { return slopeThrow(p, r, 60.0f, false); });
    slope.draw(60.0f, false);
    crash.draw(15.0f, true);
    EXPECT_EQ(Random::state(), r.state);
}

// Below a speed of 0.5 (not at it) a step ends with no sideways velocity. A
// non-finite speed counts as 0 and leaves every particle finite.
TEST(SprayStep, SlowAndNonFiniteSpeeds) {
    REQUIRE_GL_CONTEXT();
    for (float speed : {0.4f, 0.5f, NAN, INFINITY, -INFINITY}) {
        SlopeSpray slope(picture);
        CrashSpray crash(picture);
        const std::vector<P> before = crash.particles();
        slope.draw(speed, false);
        crash.draw(speed, false);
        for (size_t i = 0; i < before.size(); ++i) {
            if (before[i].z + before[i].zi / 40 < 0) continue;  // thrown again
            const float xi = std::isfinite(speed) && speed >= 0.5f ? before[i].xi : 0;
            ASSERT_EQ(crash.particles()[i].xi, xi) << speed << " " << i;
        }
        for (const auto* pool : {&slope.particles(), &crash.particles()}) {
            for (const P& p : *pool) {
                for (float v : fields(p)) ASSERT_TRUE(std::isfinite(v)) << speed;
            }
        }
    }
}

// From the game's start-up state, both give back the cull face and mode, the
// depth test and the blend function, and leave lighting, texturing and the
// colour material alone.
TEST(SprayDraw, GivesBackTheSceneState) {
    REQUIRE_GL_CONTEXT();
    SlopeSpray slope(picture);
    CrashSpray crash(picture);
    for (GLboolean lit : {GL_TRUE, GL_FALSE}) {
        for (GLenum cap : {GL_CULL_FACE, GL_DEPTH_TEST, GL_BLEND}) glEnable(cap);
        for (GLenum cap : {GL_LIGHTING, GL_TEXTURE_2D}) lit ? glEnable(cap) : glDisable(cap);
        glCullFace(GL_FRONT);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
        slope.draw(20.0f, false);
        crash.draw(20.0f, true);
        EXPECT_TRUE(glIsEnabled(GL_CULL_FACE) && glIsEnabled(GL_DEPTH_TEST) && glIsEnabled(GL_BLEND));
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING) == lit && glIsEnabled(GL_TEXTURE_2D) == lit);
        const std::pair<GLenum, GLint> kept[] = {{GL_CULL_FACE_MODE, GL_FRONT}, {GL_BLEND_SRC, GL_SRC_ALPHA},
                                                 {GL_BLEND_DST, GL_ONE_MINUS_SRC_ALPHA},
                                                 {GL_COLOR_MATERIAL_FACE, GL_FRONT_AND_BACK}};
        for (const auto& [name, value] : kept) {
            GLint got = 0;
            glGetIntegerv(name, &got);
            EXPECT_EQ(got, value) << std::hex << name;
        }
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
