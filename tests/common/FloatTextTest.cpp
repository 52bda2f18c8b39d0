#include "common/FloatText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <utility>
#include <vector>

namespace {

uint32_t bitsOf(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

bool read(const char* text, float& out, const char** problem = nullptr) {
    return FloatText::read(text, text + std::strlen(text), out, problem);
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

TEST(FloatText, ReadsOnlyWholeFiniteNumbersAndSaysWhatIsWrong) {
    const std::pair<const char*, const char*> bad[] = {{"", "is empty"},
                                                       {"-", "is not a number"},
                                                       {"+1", "is not a number"},
                                                       {"1 ", "has characters after the number"},
                                                       {"0x1p3", "has characters after the number"},
                                                       {"1e+", "has no digits in its exponent"},
                                                       {"-Infinity", "is not a finite number"},
                                                       {"3.4028237e38", "is out of range"},
                                                       {"1e-46", "is out of range"}};
    for (const auto& [text, expected] : bad) {
        float out = 42.0f;
        const char* problem = nullptr;
        EXPECT_FALSE(read(text, out, &problem) || out != 42.0f) << text;
        EXPECT_STREQ(problem, expected) << text;
    }

    const std::pair<const char*, float> good[] = {{".5", 0.5f}, {"-2.5E+1", -25.0f}, {"0e99999999999", 0.0f}};
    for (const auto& [text, value] : good) {
        float out = 42.0f;
        EXPECT_TRUE(read(text, out) && out == value) << text;
    }
    float out = 0.0f;
    EXPECT_TRUE(read("-0", out) && std::signbit(out));
    // A field of a longer line ends where it is told to.
    const char* line = "1234 5";
    EXPECT_TRUE(FloatText::read(line, line + 2, out) && out == 12.0f);
}
