// The snow sprays: their use of the shared random sequence, their stepping
// rules and the GL state they give back.
#include "common/Random.h"
#include "effects/CrashSpray.h"
#include "effects/SlopeSpray.h"
#include "support/GlContext.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// The shared generator written out independently; r() is one R term.
struct Reference {
    uint32_t state;
    float operator()() {
        state = state * 214013u + 2531011u;
        return static_cast<float>(((state >> 16) & 32767u) % 100u);
    }
};

void expectSame(const SprayParticle& got, const SprayParticle& want, size_t index) {
    const float g[] = {got.life, got.fade, got.x, got.y, got.z, got.xi, got.yi, got.zi,
                       got.xg, got.yg, got.zg, got.size, got.splitA, got.splitB};
    const float w[] = {want.life, want.fade, want.x, want.y, want.z, want.xi, want.yi, want.zi,
                       want.xg, want.yg, want.zg, want.size, want.splitA, want.splitB};
    for (int i = 0; i < 14; ++i) ASSERT_FLOAT_EQ(g[i], w[i]) << "particle " << index << " field " << i;
    ASSERT_TRUE(got.active);
}

// The fill's or a throw's closing terms.
void sizeAndSplit(SprayParticle& p, Reference& r, float size) {
    p.size = size;
    p.splitA = r() * 0.01f;
    p.splitB = 1 - p.splitA;
}

// Throws written out term by term, applied to the particle as it was.
SprayParticle slopeThrow(SprayParticle p, Reference& r, float speed, bool fromBelowSnow) {
    p.life = speed > 1 ? std::min(speed / 30, 1.0f) : 0;
    p.fade = speed > 1 ? r() * 0.001f + 0.005f : 1;
    p.x = r() * 0.004f - 0.2f - 0.9f;
    p.y = 0;
    p.z = r() * 0.003f - 0.15f;
    p.xi = (r() * 0.01f - 0.5f - 1.0f) * speed;
    p.yi = (r() * 0.001f - 0.05f + 0.2f) * speed;
    p.zi = (r() * 0.01f - 0.5f + 0.2f) * speed;
    sizeAndSplit(p, r, fromBelowSnow ? 1 : r() * 0.01f + 0.5f);
    return p;
}

SprayParticle crashThrow(SprayParticle p, Reference& r, float speed) {
    p.life = std::min(speed / 30, 1.0f);
    p.fade = r() / 1500 + 0.005f;
    p.x = r() * 0.01f - 0.5f;
    p.y = 0;
    p.z = r() * 0.0015f;
    p.xi = (r() * 0.02f - 1.0f + 0.7f) * speed;
    p.yi = -((r() * 0.005f - 0.25f + 0.3f) * speed);
    p.zi = (r() * 0.005f - 0.25f + 0.7f) * speed * 0.5f;
    sizeAndSplit(p, r, r() * 0.01f + 1.0f);
    return p;
}

constexpr const char* picture = "textures\\particle1.bmp";

// The fills draw 6 (ride) and 8 (crash) terms per particle in the stated
// order. Every ride particle starts dead, so the first step throws each with
// eight terms (life speed / 30, capped at 1); the next steps throw none.
TEST(SpraySequence, FillsAndFirstThrowsDrawTheirTermsInOrder) {
    REQUIRE_GL_CONTEXT();
    for (float speed : {15.0f, 60.0f}) {
        Random::setState(0x2468ACE1u);
        Reference r{0x2468ACE1u};
        SlopeSpray slope(picture);
        CrashSpray crash(picture);
        ASSERT_EQ(slope.particles().size(), 500u);
        ASSERT_EQ(crash.particles().size(), 1000u);
        for (size_t i = 0; i < 500; ++i) {
            SprayParticle e;
            e.fade = r() * 0.001f + 0.005f;
            e.x = r() * 0.001f - 0.05f;
            e.y = r() * 0.001f - 0.05f;
            e.z = r() * 0.002f - 0.1f;
            sizeAndSplit(e, r, r() * 0.01f + 0.5f);
            e.yg = -0.8f;
            expectSame(slope.particles()[i], e, i);
        }
        for (size_t i = 0; i < 1000; ++i) {
            SprayParticle e;
            e.life = 1;
            e.fade = r() * 0.001f + 0.005f;
            e.xi = r() * 0.005f - 0.5f;
            e.yi = -(r() * 0.005f - 0.5f);
            e.zi = r() * 0.005f - 0.5f;
            e.x = r() * 0.001f - 0.05f - 0.95f;
            e.z = r() * 0.002f - 0.1f;
            sizeAndSplit(e, r, r() * 0.01f + 1.0f);
            e.yg = 2;
            e.zg = -1.5f;
            expectSame(crash.particles()[i], e, i);
        }
        const std::vector<SprayParticle> before = slope.particles();
        slope.draw(speed, false);
        for (size_t i = 0; i < 500; ++i) expectSame(slope.particles()[i], slopeThrow(before[i], r, speed, false), i);
        slope.draw(speed, false);
        slope.draw(speed, false);
        EXPECT_EQ(Random::state(), r.state);
    }
}

// Paused, nothing steps; only fill particles below the snow (ride: y < 0,
// crash: z < 0) are thrown. The ride spray's throw from below the snow keeps
// size 1 and draws no size term, at a speed up to 1 no fade term either.
TEST(SpraySequence, PausedDrawThrowsOnlyParticlesBelowTheSnow) {
    REQUIRE_GL_CONTEXT();
    Random::setState(7);
    SlopeSpray slope(picture);
    CrashSpray crash(picture);
    Reference r{Random::state()};
    std::vector<SprayParticle> before = slope.particles();
    slope.draw(0.8f, true);
    for (size_t i = 0; i < 500; ++i) {
        expectSame(slope.particles()[i], before[i].y < 0 ? slopeThrow(before[i], r, 0.8f, true) : before[i], i);
    }
    before = crash.particles();
    crash.draw(45.0f, true);
    for (size_t i = 0; i < 1000; ++i) {
        expectSame(crash.particles()[i], before[i].z < 0 ? crashThrow(before[i], r, 45.0f) : before[i], i);
    }
    slope.draw(0.8f, true);
    crash.draw(45.0f, true);
    EXPECT_EQ(Random::state(), r.state);
}

// Below a speed of 0.5 (not at it) a step ends with no sideways velocity; at
// most 1, thrown particles get life 0 and fade 1. A non-finite speed counts
// as 0 and leaves every particle finite and still.
TEST(SprayStep, SlowAndNonFiniteSpeeds) {
    REQUIRE_GL_CONTEXT();
    for (float speed : {0.4f, 0.5f}) {
        CrashSpray crash(picture);
        const std::vector<SprayParticle> before = crash.particles();
        crash.draw(speed, false);
        for (size_t i = 0; i < before.size(); ++i) {
            const SprayParticle& p = crash.particles()[i];
            if (before[i].z + before[i].zi / 40 < 0) {
                ASSERT_TRUE(p.life == 0 && p.fade == 1) << i;
            } else {
                ASSERT_FLOAT_EQ(p.x, before[i].x + before[i].xi / 40) << i;
                ASSERT_EQ(p.xi, speed < 0.5f ? 0 : before[i].xi) << i;
            }
        }
    }
    for (float speed : {NAN, INFINITY, -INFINITY}) {
        SlopeSpray slope(picture);
        CrashSpray crash(picture);
        for (int frame = 0; frame < 3; ++frame) slope.draw(speed, false), crash.draw(speed, false);
        for (const auto* pool : {&slope.particles(), &crash.particles()}) {
            for (const SprayParticle& p : *pool) {
                for (float v : {p.life, p.x, p.y, p.z, p.yi, p.zi, p.size}) ASSERT_TRUE(std::isfinite(v));
                ASSERT_EQ(p.xi, 0.0f);
            }
        }
    }
}

// From the game's start-up state, both give back what they switch and leave
// lighting and texturing as they found them.
TEST(SprayDraw, GivesBackTheSceneState) {
    REQUIRE_GL_CONTEXT();
    SlopeSpray slope(picture);
    CrashSpray crash(picture);
    for (GLboolean lit : {GL_TRUE, GL_FALSE}) {
        glEnable(GL_CULL_FACE);
        glCullFace(GL_FRONT);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
        lit ? glEnable(GL_LIGHTING) : glDisable(GL_LIGHTING);
        lit ? glEnable(GL_TEXTURE_2D) : glDisable(GL_TEXTURE_2D);
        slope.draw(20.0f, false);
        crash.draw(20.0f, true);
        GLint cull = 0, source = 0, destination = 0, face = 0;
        glGetIntegerv(GL_CULL_FACE_MODE, &cull);
        glGetIntegerv(GL_BLEND_SRC, &source);
        glGetIntegerv(GL_BLEND_DST, &destination);
        glGetIntegerv(GL_COLOR_MATERIAL_FACE, &face);
        EXPECT_TRUE(glIsEnabled(GL_CULL_FACE) && glIsEnabled(GL_DEPTH_TEST) && glIsEnabled(GL_BLEND));
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING) == lit && glIsEnabled(GL_TEXTURE_2D) == lit);
        EXPECT_TRUE(cull == GL_FRONT && face == GL_FRONT_AND_BACK);
        EXPECT_TRUE(source == GL_SRC_ALPHA && destination == GL_ONE_MINUS_SRC_ALPHA);
    }
    glEnable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
