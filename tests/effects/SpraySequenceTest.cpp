// The sprays draw from the generator the rider also uses, so the number and
// order of their random calls is part of the game's behaviour.
#include "SprayTestSupport.h"

#include "common/Random.h"
#include "effects/CrashSpray.h"
#include "effects/SlopeSpray.h"
#include "support/GlContext.h"

namespace {

constexpr uint32_t seed = 0x2468ACE1u;

TEST(SpraySequence, SlopeFillDrawsSixTermsPerParticleInOrder) {
    REQUIRE_GL_CONTEXT();
    ParticlePictureFolder folder;
    ASSERT_TRUE(folder.ready());
    Random::setState(seed);
    SlopeSpray spray(particlePicture);
    ReferenceRandom r{seed};
    ASSERT_EQ(spray.particles().size(), 500u);
    for (size_t i = 0; i < spray.particles().size(); ++i) {
        SCOPED_TRACE("particle " + std::to_string(i));
        const SprayParticle& p = spray.particles()[i];
        EXPECT_TRUE(p.active);
        EXPECT_EQ(p.life, 0.0f);
        EXPECT_FLOAT_EQ(p.fade, r.percent() * 0.001f + 0.005f);
        EXPECT_FLOAT_EQ(p.x, r.percent() * 0.001f - 0.05f);
        EXPECT_FLOAT_EQ(p.y, r.percent() * 0.001f - 0.05f);
        EXPECT_FLOAT_EQ(p.z, r.percent() * 0.002f - 0.1f);
        EXPECT_FLOAT_EQ(p.size, r.percent() * 0.01f + 0.5f);
        const float splitA = r.percent() * 0.01f;
        EXPECT_FLOAT_EQ(p.splitA, splitA);
        EXPECT_FLOAT_EQ(p.splitB, 1.0f - splitA);
        EXPECT_EQ(p.xi, 0.0f);
        EXPECT_EQ(p.yi, 0.0f);
        EXPECT_EQ(p.zi, 0.0f);
        EXPECT_EQ(p.xg, 0.0f);
        EXPECT_FLOAT_EQ(p.yg, -0.8f);
        EXPECT_EQ(p.zg, 0.0f);
        EXPECT_EQ(p.r + p.g + p.b, 3.0f);
    }
    EXPECT_EQ(Random::state(), r.state) << "the fill must draw exactly 6 x 500 terms";
}

TEST(SpraySequence, CrashFillDrawsEightTermsPerParticleInOrder) {
    REQUIRE_GL_CONTEXT();
    ParticlePictureFolder folder;
    ASSERT_TRUE(folder.ready());
    Random::setState(seed);
    CrashSpray spray(particlePicture);
    ReferenceRandom r{seed};
    ASSERT_EQ(spray.particles().size(), 1000u);
    for (size_t i = 0; i < spray.particles().size(); ++i) {
        SCOPED_TRACE("particle " + std::to_string(i));
        const SprayParticle& p = spray.particles()[i];
        EXPECT_TRUE(p.active);
        EXPECT_EQ(p.life, 1.0f);
        EXPECT_FLOAT_EQ(p.fade, r.percent() * 0.001f + 0.005f);
        EXPECT_FLOAT_EQ(p.xi, r.percent() * 0.005f - 0.5f);
        EXPECT_FLOAT_EQ(p.yi, -(r.percent() * 0.005f - 0.5f));
        EXPECT_FLOAT_EQ(p.zi, r.percent() * 0.005f - 0.5f);
        EXPECT_FLOAT_EQ(p.x, r.percent() * 0.001f - 0.05f - 0.95f);
        EXPECT_EQ(p.y, 0.0f);
        EXPECT_FLOAT_EQ(p.z, r.percent() * 0.002f - 0.1f);
        EXPECT_FLOAT_EQ(p.size, r.percent() * 0.01f + 1.0f);
        EXPECT_FLOAT_EQ(p.splitA, r.percent() * 0.01f);
        EXPECT_EQ(p.xg, 0.0f);
        EXPECT_FLOAT_EQ(p.yg, 2.0f);
        EXPECT_FLOAT_EQ(p.zg, -1.5f);
    }
    EXPECT_EQ(Random::state(), r.state) << "the fill must draw exactly 8 x 1000 terms";
}

// Every slope particle starts with life 0, so the first step runs its life out
// and throws it: eight terms each, in pool order. Life starts at speed / 30,
// capped at 1.
TEST(SpraySequence, SlopeThrowsEveryParticleOnItsFirstStep) {
    REQUIRE_GL_CONTEXT();
    ParticlePictureFolder folder;
    ASSERT_TRUE(folder.ready());
    for (float speed : {15.0f, 60.0f}) {
        SCOPED_TRACE("speed " + std::to_string(speed));
        Random::setState(seed);
        SlopeSpray spray(particlePicture);
        const uint32_t afterFill = Random::state();
        spray.draw(speed, false);
        ReferenceRandom r{afterFill};
        for (size_t i = 0; i < spray.particles().size(); ++i) {
            expectThrown(spray.particles()[i], slopeThrow(r, speed, false), static_cast<int>(i));
        }
        EXPECT_EQ(r.calls, 8 * 500);
        EXPECT_EQ(Random::state(), r.state);
        EXPECT_EQ(spray.particles()[0].life, speed >= 30.0f ? 1.0f : 0.5f);
    }
}

// Paused, nothing steps, so the only throws are of fill particles that start
// below the snow (slope: y < 0). Such a throw keeps size 1 and draws no size
// term, and at a speed of at most 1 no fade term either.
TEST(SpraySequence, PausedSlopeThrowsOnlyParticlesStartingBelowTheSnow) {
    REQUIRE_GL_CONTEXT();
    ParticlePictureFolder folder;
    ASSERT_TRUE(folder.ready());
    for (float speed : {0.8f, 20.0f}) {
        SCOPED_TRACE("speed " + std::to_string(speed));
        Random::setState(seed);
        SlopeSpray spray(particlePicture);
        const std::vector<SprayParticle> filled = spray.particles();
        ReferenceRandom r{Random::state()};
        spray.draw(speed, true);
        int thrown = 0;
        for (size_t i = 0; i < filled.size(); ++i) {
            const SprayParticle& now = spray.particles()[i];
            if (filled[i].y < 0.0f) {
                expectThrown(now, slopeThrow(r, speed, true), static_cast<int>(i));
                ++thrown;
            } else {
                EXPECT_EQ(now.x, filled[i].x);
                EXPECT_EQ(now.y, filled[i].y);
                EXPECT_EQ(now.life, filled[i].life);
                EXPECT_EQ(now.size, filled[i].size);
            }
        }
        EXPECT_GT(thrown, 100);
        EXPECT_LT(thrown, 400);
        EXPECT_EQ(r.calls, thrown * (speed > 1.0f ? 7 : 6));
        EXPECT_EQ(Random::state(), r.state);

        // A second paused call finds nothing below the snow and draws nothing.
        const std::vector<SprayParticle> before = spray.particles();
        spray.draw(speed, true);
        EXPECT_EQ(Random::state(), r.state);
        for (size_t i = 0; i < before.size(); ++i) {
            ASSERT_EQ(spray.particles()[i].y, before[i].y) << "particle " << i;
            ASSERT_EQ(spray.particles()[i].life, before[i].life) << "particle " << i;
        }
    }
}

// The crash cloud's snow is the plane z = 0; its throws always draw a size.
TEST(SpraySequence, PausedCrashThrowsOnlyParticlesStartingBelowTheSnow) {
    REQUIRE_GL_CONTEXT();
    ParticlePictureFolder folder;
    ASSERT_TRUE(folder.ready());
    Random::setState(seed);
    CrashSpray spray(particlePicture);
    const std::vector<SprayParticle> filled = spray.particles();
    ReferenceRandom r{Random::state()};
    spray.draw(45.0f, true);
    int thrown = 0;
    for (size_t i = 0; i < filled.size(); ++i) {
        const SprayParticle& now = spray.particles()[i];
        if (filled[i].z < 0.0f) {
            expectThrown(now, crashThrow(r, 45.0f), static_cast<int>(i));
            ++thrown;
        } else {
            EXPECT_EQ(now.z, filled[i].z);
            EXPECT_EQ(now.xi, filled[i].xi);
            EXPECT_EQ(now.life, filled[i].life);
        }
    }
    EXPECT_GT(thrown, 200);
    EXPECT_EQ(r.calls, thrown * 8);
    EXPECT_EQ(Random::state(), r.state);
}

}  // namespace
