#include "rider/RiderMath.h"

#include <gtest/gtest.h>

#include <cmath>

using riderMath::slopeAngle;

TEST(GroundSample, SlopeSignsFollowTheHeadingAndOddSamplesNeverGiveNaN) {
    EXPECT_NEAR(slopeAngle(ProbeResult{0, -0.5f, 0}, 0.0f), -30.0f, 1e-4f);  // climbing toward +x
    EXPECT_NEAR(slopeAngle(ProbeResult{0, 0, 0.5f}, 90.0f), 30.0f, 1e-4f);   // the z term is added
    EXPECT_EQ(slopeAngle(ProbeResult{0, std::nanf(""), 0}, 0.0f), 0.0f);      // a broken normal reads level
    EXPECT_FALSE(riderMath::hasGround(ProbeResult{INFINITY, 0, 0}));
    EXPECT_TRUE(riderMath::hasGround(ProbeResult{noGroundBelow, 0, 0}));
    // Near heading -18.7521 these normals sum to 1.00000012 in float.
    const float nx = 0.946975946f, nz = -0.321304619f;
    int pastOne = 0;
    for (float h = -18.7525f; h < -18.7517f; h = std::nextafter(h, 0.0f)) {
        float radians = h * (3.14159265f / 180.0f);
        pastOne += std::sin(radians) * nz + std::cos(radians) * nx > 1.0f;
        float angle = slopeAngle(ProbeResult{0, nx, nz}, h);
        ASSERT_TRUE(angle <= 90.0f && angle > 89.0f) << "heading " << h << " gives " << angle;
    }
    EXPECT_GT(pastOne, 0) << "no heading tried reaches the rounding case";
}
