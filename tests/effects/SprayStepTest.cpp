// Stepping rules of the sprays: slow riders, non-finite speeds, the order of a step.
#include "SprayTestSupport.h"

#include "common/Random.h"
#include "effects/CrashSpray.h"
#include "effects/SlopeSpray.h"
#include "support/GlContext.h"

#include <cmath>

namespace {

bool allFinite(const SprayParticle& p) {
    for (float v : {p.life, p.fade, p.x, p.y, p.z, p.xi, p.yi, p.zi, p.size, p.splitA, p.splitB}) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

// The crash cloud lives long enough to watch single steps: x moves by the old
// velocity, then the velocity is zeroed below a speed of 0.5 (not at 0.5).
// Particles thrown at a speed of at most 1 get life 0 and fade 1.
TEST(SprayStep, SlowRiderStopsSidewaysDriftAndThrowsInvisibleParticles) {
    REQUIRE_GL_CONTEXT();
    ParticlePictureFolder folder;
    ASSERT_TRUE(folder.ready());
    for (float speed : {0.0f, 0.4f, 0.5f, 0.9f}) {
        SCOPED_TRACE("speed " + std::to_string(speed));
        Random::setState(77);
        CrashSpray spray(particlePicture);
        const std::vector<SprayParticle> before = spray.particles();
        spray.draw(speed, false);
        int stepped = 0;
        int thrown = 0;
        for (size_t i = 0; i < before.size(); ++i) {
            const SprayParticle& p = spray.particles()[i];
            const SprayParticle& old = before[i];
            const bool wasThrown = old.z + old.zi / 40.0f < 0.0f;
            if (wasThrown) {
                ++thrown;
                EXPECT_EQ(p.life, 0.0f) << i;
                EXPECT_EQ(p.fade, 1.0f) << i;
                EXPECT_EQ(p.y, 0.0f) << i;
                continue;
            }
            ++stepped;
            EXPECT_FLOAT_EQ(p.x, old.x + old.xi / 40.0f) << i;
            EXPECT_FLOAT_EQ(p.y, old.y + old.yi / 40.0f) << i;
            EXPECT_EQ(p.xi, speed < 0.5f ? 0.0f : old.xi) << i;
            EXPECT_FLOAT_EQ(p.yi, old.yi + 2.0f) << i;
            EXPECT_FLOAT_EQ(p.zi, old.zi - 1.5f) << i;
            EXPECT_FLOAT_EQ(p.life, old.life - old.fade) << i;
            EXPECT_FLOAT_EQ(p.size, old.size + 0.8f) << i;
        }
        EXPECT_GT(stepped, 100);
        EXPECT_GT(thrown, 100);
    }
}

// At a speed of at most 1 the ride spray stays invisible: every particle is
// thrown again on every step, with life 0 and fade 1.
TEST(SprayStep, SlopeSprayStaysInvisibleAtWalkingSpeed) {
    REQUIRE_GL_CONTEXT();
    ParticlePictureFolder folder;
    ASSERT_TRUE(folder.ready());
    Random::setState(5);
    SlopeSpray spray(particlePicture);
    for (int frame = 0; frame < 5; ++frame) {
        const uint32_t state = Random::state();
        spray.draw(1.0f, false);
        ReferenceRandom r{state};
        for (size_t i = 0; i < spray.particles().size(); ++i) {
            expectThrown(spray.particles()[i], slopeThrow(r, 1.0f, false), static_cast<int>(i));
        }
        ASSERT_FALSE(HasFailure()) << "frame " << frame;
    }
}

// A non-finite speed counts as 0: the spray goes invisible and still, and a
// finite speed afterwards brings it back.
TEST(SprayStep, NonFiniteSpeedCountsAsStandingStill) {
    REQUIRE_GL_CONTEXT();
    ParticlePictureFolder folder;
    ASSERT_TRUE(folder.ready());
    for (float speed : {NAN, INFINITY, -INFINITY}) {
        SCOPED_TRACE("speed " + std::to_string(speed));
        Random::setState(11);
        SlopeSpray slope(particlePicture);
        CrashSpray crash(particlePicture);
        for (int frame = 0; frame < 3; ++frame) {
            slope.draw(speed, false);
            crash.draw(speed, false);
        }
        for (const SprayParticle& p : slope.particles()) {
            ASSERT_TRUE(allFinite(p));
            ASSERT_EQ(p.life, 0.0f);
            ASSERT_EQ(p.xi, 0.0f);
        }
        for (const SprayParticle& p : crash.particles()) {
            ASSERT_TRUE(allFinite(p));
            ASSERT_EQ(p.xi, 0.0f);
        }
        slope.draw(30.0f, false);
        for (const SprayParticle& p : slope.particles()) {
            ASSERT_TRUE(allFinite(p));
            ASSERT_EQ(p.life, 1.0f);
        }
    }
}

}  // namespace
