#include "common/ExactMaths.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>

namespace {

// How many float ulps got lies from the exact value.
double ulpsFrom(float got, long double exact) {
    int exponent = 0;
    std::frexp(static_cast<double>(exact), &exponent);
    const long double ulp = std::ldexp(1.0L, std::max(exponent, FLT_MIN_EXP) - FLT_MANT_DIG);
    return static_cast<double>(std::fabs(got - exact) / ulp);
}

struct Function {
    const char* name;
    float (*ours)(float);
    long double (*exact)(long double);
    float low, high;  // the arguments the game gives it
};

// The worst error over floats spread evenly across [low, high] and random bit
// patterns inside it (which are mostly tiny or, for a wide range, huge).
double worstUlps(const Function& f) {
    const int count = 100000;
    std::mt19937 random(5);
    double worst = 0.0;
    float worstAt = 0.0f;
    for (int i = 0; i < 2 * count; ++i) {
        float x = static_cast<float>(f.low + (static_cast<double>(f.high) - f.low) * i / count);
        if (i >= count) {
            const uint32_t bits = random();
            std::memcpy(&x, &bits, sizeof x);
            if (!(x >= f.low && x <= f.high)) continue;
        }
        const double error = ulpsFrom(f.ours(x), f.exact(x));
        if (!(error <= worst)) worst = error, worstAt = x;
    }
    EXPECT_LT(worst, 1.0) << f.name << "(" << std::hexfloat << worstAt << ")";
    return worst;
}

}  // namespace

// Within an ulp of the exact value, and nearly always the correctly rounded
// float: the worst error is printed, 0.5 being the best there is.
TEST(ExactMaths, StaysWithinAnUlpOverTheArgumentsTheGameGives) {
    const float turns = 8.0f * 3.14159265f;
    const Function functions[] = {
        {"sin", exact::sin, sinl, -turns, turns},  {"sin", exact::sin, sinl, -FLT_MAX, FLT_MAX},
        {"cos", exact::cos, cosl, -turns, turns},  {"cos", exact::cos, cosl, -FLT_MAX, FLT_MAX},
        {"asin", exact::asin, asinl, -1.0f, 1.0f}, {"atan", exact::atan, atanl, -FLT_MAX, FLT_MAX},
    };
    for (const Function& f : functions) {
        std::printf("%s over [%g, %g]: at most %.4f ulp\n", f.name, f.low, f.high, worstUlps(f));
    }
}

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
