#include "common/ExactMaths.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(ExactMaths, GivesNaNInfinityLimitsAndSignedZeros) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    for (float x : {nan, infinity, -infinity}) {
        EXPECT_TRUE(std::isnan(exact::sin(x)) && std::isnan(exact::cos(x))) << x;
    }
    EXPECT_TRUE(std::isnan(exact::asin(nan)) && std::isnan(exact::atan(nan)));
    EXPECT_TRUE(std::isnan(exact::asin(std::nextafter(1.0f, 2.0f))) && std::isnan(exact::asin(-2.0f)));

    const float quarterTurn = static_cast<float>(2.0L * std::atan(1.0L));
    EXPECT_EQ(exact::asin(1.0f), quarterTurn);
    EXPECT_EQ(exact::asin(-1.0f), -quarterTurn);
    EXPECT_EQ(exact::atan(infinity), quarterTurn);
    EXPECT_EQ(exact::atan(-infinity), -quarterTurn);

    for (float (*odd)(float) : {exact::sin, exact::asin, exact::atan}) {
        EXPECT_TRUE(odd(-0.0f) == 0.0f && std::signbit(odd(-0.0f)));
    }
    EXPECT_EQ(exact::cos(-0.0f), 1.0f);
}
