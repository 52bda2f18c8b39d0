#include "common/FloatText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace {

uint32_t bitsOf(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

}  // namespace

// The browser's library has no to_chars for floats; this desktop's is the yardstick.
TEST(FloatText, WritesWhatToCharsWritesAndReadsTheSameBitsBack) {
    const float smallest = std::numeric_limits<float>::denorm_min();
    std::vector<float> values = {0.0f, -0.0f, smallest, FLT_MIN - smallest, FLT_MIN, FLT_MAX, -FLT_MAX, 0.1f, 123.45f};
    // At a power of two the gap below is half the gap above.
    for (int power = -149; power <= 127; ++power) values.push_back(std::ldexp(1.0f, power));
    std::mt19937 random(3);
    while (values.size() < 30000) {
        const uint32_t bits = random();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value)) values.push_back(value);
    }
    for (float value : values) {
        const std::string text = FloatText::write(value);
        char expected[64];
        char* end = std::to_chars(expected, expected + sizeof expected, value).ptr;
        ASSERT_EQ(text, std::string(expected, end)) << std::hexfloat << value;
        float back = 0.0f;
        ASSERT_TRUE(FloatText::read(text.data(), text.data() + text.size(), back)) << text;
        ASSERT_EQ(bitsOf(back), bitsOf(value)) << text;
    }
    EXPECT_EQ(FloatText::write(std::numeric_limits<float>::infinity()), "inf");
    EXPECT_EQ(FloatText::write(-std::numeric_limits<float>::infinity()), "-inf");
    EXPECT_EQ(FloatText::write(std::numeric_limits<float>::quiet_NaN()), "nan");
}
