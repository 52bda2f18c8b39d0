#include "common/FloatText.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// A positive decimal: digits times ten to the power of exponent.
struct Decimal {
    uint32_t digits;
    int exponent;
};

// Nine significant digits tell every float apart.
const int mostDigits = 9;

// The nearest decimal of count significant digits to magnitude (printf rounds
// the exact binary value, ties to even, as to_chars does).
Decimal nearest(float magnitude, int count) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*e", count - 1, static_cast<double>(magnitude));
    uint32_t digits = 0;
    const char* p = text;
    for (; *p != 'e'; ++p) {
        if (*p != '.') digits = digits * 10 + static_cast<uint32_t>(*p - '0');
    }
    return {digits, std::atoi(p + 1) - (count - 1)};
}

bool readsBack(const Decimal& decimal, float magnitude) {
    char text[32];
    char* end = std::to_chars(text, text + 12, decimal.digits).ptr;
    *end++ = 'e';
    *std::to_chars(end, text + sizeof text - 1, decimal.exponent).ptr = '\0';
    return std::strtof(text, nullptr) == magnitude;
}

// The decimal of count digits that reads back as magnitude, if there is one.
bool readingBack(float magnitude, int count, Decimal& found) {
    const Decimal near = nearest(magnitude, count);
    // At a power of two the gap below is half the gap above: the nearest
    // decimal can miss on the narrow side while the next one on the other
    // side reads back.
    for (const Decimal candidate :
         {near, Decimal{near.digits + 1, near.exponent}, Decimal{near.digits - 1, near.exponent}}) {
        if (candidate.digits > 0 && readsBack(candidate, magnitude)) {
            found = candidate;
            return true;
        }
    }
    return false;
}

// Fixed notation where it is no longer than scientific, as to_chars chooses;
// like to_chars, a whole number in fixed notation is written exactly (its
// shortest digits may end in zeros it does not have).
std::string layout(bool negative, float magnitude, const Decimal& decimal) {
    std::string digits = std::to_string(decimal.digits);
    int exponent = decimal.exponent;
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
        ++exponent;
    }
    const int count = static_cast<int>(digits.size());
    const int first = exponent + count - 1;  // the power of ten of the first digit

    std::string fixed;
    if (exponent >= 0) {
        char whole[48];
        std::snprintf(whole, sizeof whole, "%.0f", static_cast<double>(magnitude));
        fixed = whole;
    } else if (first >= 0) {
        fixed = digits.substr(0, first + 1) + "." + digits.substr(first + 1);
    } else {
        fixed = "0." + std::string(-first - 1, '0') + digits;
    }
    std::string scientific = digits.substr(0, 1);
    if (count > 1) scientific += "." + digits.substr(1);
    char power[16];
    std::snprintf(power, sizeof power, "e%c%02d", first < 0 ? '-' : '+', std::abs(first));
    scientific += power;

    const std::string& shorter = fixed.size() <= scientific.size() ? fixed : scientific;
    return negative ? "-" + shorter : shorter;
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Past the digits from p, noting whether any of them is not 0.
const char* skipDigits(const char* p, const char* end, bool& nonZero) {
    for (; p != end && isDigit(*p); ++p) nonZero = nonZero || *p != '0';
    return p;
}

bool startsWithWord(const char* p, const char* end, const char* word) {
    for (; *word; ++p, ++word) {
        if (p == end || (*p | 0x20) != *word) return false;
    }
    return true;
}

// What is wrong with the text as a number, or nullptr; nonZero tells whether its digits are all 0.
const char* checkSyntax(const char* begin, const char* end, bool& nonZero) {
    if (begin == end) return "is empty";
    const char* p = begin;
    if (*p == '-') ++p;
    if (startsWithWord(p, end, "inf") || startsWithWord(p, end, "nan")) return "is not a finite number";
    const char* digitsStart = p;
    p = skipDigits(p, end, nonZero);
    bool hasDigits = p != digitsStart;
    if (p != end && *p == '.') {
        const char* afterPoint = ++p;
        p = skipDigits(p, end, nonZero);
        hasDigits = hasDigits || p != afterPoint;
    }
    if (!hasDigits) return "is not a number";
    if (p != end && (*p == 'e' || *p == 'E')) {
        ++p;
        if (p != end && (*p == '+' || *p == '-')) ++p;
        bool ignored = false;
        const char* exponentStart = p;
        p = skipDigits(p, end, ignored);
        if (p == exponentStart) return "has no digits in its exponent";
    }
    if (p != end) return "has characters after the number";
    return nullptr;
}

}  // namespace

std::string FloatText::write(float value) {
    if (std::isnan(value)) return "nan";
    if (std::isinf(value)) return value < 0.0f ? "-inf" : "inf";
    const bool negative = std::signbit(value);
    const float magnitude = std::fabs(value);
    if (magnitude == 0.0f) return negative ? "-0" : "0";
    // Some decimal of count digits reads back from some count on: search for it.
    int fewest = 1, most = mostDigits;
    Decimal shortest = nearest(magnitude, mostDigits);
    while (fewest < most) {
        const int count = (fewest + most) / 2;
        Decimal found;
        if (readingBack(magnitude, count, found)) {
            most = count;
            shortest = found;
        } else {
            fewest = count + 1;
        }
    }
    return layout(negative, magnitude, shortest);
}

bool FloatText::read(const char* begin, const char* end, float& out, const char** problem) {
    bool nonZero = false;
    const char* wrong = checkSyntax(begin, end, nonZero);
    float value = 0.0f;
    if (!wrong) {
        const std::string text(begin, end);
        char* stop = nullptr;
        value = std::strtof(text.c_str(), &stop);
        // Judged by the value, not errno, which the C libraries set differently.
        if (stop != text.c_str() + text.size()) {
            wrong = "is not a number";
        } else if (std::isinf(value) || (value == 0.0f && nonZero)) {
            wrong = "is out of range";
        }
    }
    if (wrong) {
        if (problem) *problem = wrong;
        return false;
    }
    out = value;
    return true;
}
