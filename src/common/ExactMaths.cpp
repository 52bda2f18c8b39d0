#include "common/ExactMaths.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

// Worked in double, a float result has 29 bits to spare: rounding it to float
// goes wrong only where the exact value lies within about 2^-52 of a midpoint.

constexpr double halfPi = 0x1.921fb54442d18p+0;
constexpr double quarterPi = 0x1.921fb54442d18p-1;
constexpr double twoOverPi = 0x1.45f306dc9c883p-1;
// pi/2 in three parts, the first two short enough (31 bits) that a quarter
// turn count below 2^20 multiplies them exactly.
constexpr double halfPi1 = 0x1.921fb544p+0;
constexpr double halfPi2 = 0x1.0b4611a6p-34;
constexpr double halfPi3 = 0x1.3198a2e037073p-69;
constexpr float threePartLimit = 0x1p20f;

// The bits of 2/pi, after a word of zeros that lets a window start up to 31
// bits before the binary point.
constexpr uint32_t twoOverPiBits[] = {0,          0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0,
                                      0xDB629599, 0x3C439041, 0xFE5163AB, 0xDEBBC561};

// An angle as whole quarter turns (0 to 3) and what is left of it, |rest| <= pi/4.
struct Reduced {
    int quarter;
    double rest;
};

int quarterOf(long long turns) { return static_cast<int>(((turns % 4) + 4) % 4); }

// Payne and Hanek's reduction for |x| >= 2^20: x = m 2^e with a 24-bit m, and
// only the 128 bits of 2/pi from bit e - 1 on matter: the bits before give whole
// multiples of four quarter turns, those after less than 2^-100 of one.
Reduced reduceLarge(float x) {
    uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    const uint64_t m = (bits & 0x7fffffu) | 0x800000u;
    const int e = static_cast<int>((bits >> 23) & 0xffu) - 150;  // from -3 to 104 here
    const int first = e + 30;                                    // the window's first bit, counting the zero word
    const int word = first / 32, shift = first % 32;
    uint32_t window[4];
    for (int i = 0; i < 4; ++i) {
        const uint32_t next = shift ? twoOverPiBits[word + i + 1] >> (32 - shift) : 0u;
        window[i] = (twoOverPiBits[word + i] << shift) | next;
    }
    // m times the window, 32 bits a limb; the binary point lies 126 bits up.
    const uint64_t low = 0xffffffffu;
    const uint64_t p3 = m * window[3];
    const uint64_t p2 = m * window[2] + (p3 >> 32);
    const uint64_t p1 = m * window[1] + (p2 >> 32);
    const uint64_t p0 = m * window[0] + (p1 >> 32);
    int quarter = static_cast<int>((p0 >> 30) & 3u);
    uint64_t high = ((p0 & 0x3fffffffu) << 34) | ((p1 & low) << 2) | ((p2 & low) >> 30);
    const uint64_t rest = ((p2 & 0x3fffffffu) << 32) | (p3 & low);
    // Past half a quarter turn, round up to the next and keep what is left negative.
    int64_t fraction;
    if (high >> 63) {
        ++quarter;
        fraction = -static_cast<int64_t>(~high) - 1;
    } else {
        fraction = static_cast<int64_t>(high);
    }
    const double turns = static_cast<double>(fraction) + static_cast<double>(rest) * 0x1p-62;
    const double radians = turns * (halfPi * 0x1p-64);
    if (x < 0.0f) return {quarterOf(-quarter), -radians};
    return {quarterOf(quarter), radians};
}

Reduced reduce(float x) {
    const double d = x;
    if (std::fabs(d) <= quarterPi) return {0, d};
    if (std::fabs(x) < threePartLimit) {
        const double turns = std::floor(d * twoOverPi + 0.5);
        return {quarterOf(static_cast<long long>(turns)), ((d - turns * halfPi1) - turns * halfPi2) - turns * halfPi3};
    }
    if (!std::isfinite(x)) return {0, std::numeric_limits<double>::quiet_NaN()};
    return reduceLarge(x);
}

// Taylor coefficients (-1)^k / (2k + 1)! and (-1)^k / (2k)!; the factorials up
// to 16! are exact in double. On |r| <= pi/4 the series cut after r^15 and
// r^16 are within 2^-53 of sine and cosine.
struct SineCosineSeries {
    double sine[8];
    double cosine[9];
};

constexpr SineCosineSeries makeSineCosineSeries() {
    SineCosineSeries series{};
    double factorial = 1.0;
    for (int n = 0; n <= 16; ++n) {
        if (n > 0) factorial *= n;
        const double term = ((n / 2) % 2 ? -1.0 : 1.0) / factorial;
        if (n % 2) {
            series.sine[n / 2] = term;
        } else {
            series.cosine[n / 2] = term;
        }
    }
    return series;
}

constexpr SineCosineSeries series = makeSineCosineSeries();

double sineNear(double r) {
    const double r2 = r * r;
    double sum = series.sine[7];
    for (int k = 6; k >= 1; --k) sum = sum * r2 + series.sine[k];
    return r + r * r2 * sum;
}

double cosineNear(double r) {
    const double r2 = r * r;
    double sum = series.cosine[8];
    for (int k = 7; k >= 1; --k) sum = sum * r2 + series.cosine[k];
    return 1.0 + r2 * sum;
}

// atan(k/8) for k = 0 to 8, rounded to double.
constexpr double atanOfEighths[] = {0.0,
                                    0x1.fd5ba9aac2f6ep-4,
                                    0x1.f5b75f92c80ddp-3,
                                    0x1.6f61941e4def1p-2,
                                    0x1.dac670561bb4fp-2,
                                    0x1.1e00babdefeb4p-1,
                                    0x1.4978fa3269ee1p-1,
                                    0x1.700a7c5784634p-1,
                                    quarterPi};
constexpr int eighths = 8;

// (-1)^k / (2k + 1): on |u| <= 1/16 the series cut after u^13 is within 2^-59 of atan u.
struct ArctangentSeries {
    double term[7];
};

constexpr ArctangentSeries makeArctangentSeries() {
    ArctangentSeries series{};
    for (int k = 0; k < 7; ++k) series.term[k] = (k % 2 ? -1.0 : 1.0) / (2 * k + 1);
    return series;
}

constexpr ArctangentSeries arctangentSeries = makeArctangentSeries();

// atan a for a in [0, 1], from the nearest eighth c: atan a = atan c + atan((a - c) / (1 + a c)).
double arctangentUpToOne(double a) {
    const int k = static_cast<int>(a * eighths + 0.5);
    const double c = static_cast<double>(k) / eighths;
    const double u = (a - c) / (1.0 + a * c);
    const double u2 = u * u;
    double sum = arctangentSeries.term[6];
    for (int i = 5; i >= 1; --i) sum = sum * u2 + arctangentSeries.term[i];
    return atanOfEighths[k] + (u + u * u2 * sum);
}

// The angle of the point (x, y), both at least 0 and not both 0.
double angleOf(double x, double y) {
    if (y <= x) return arctangentUpToOne(y / x);
    return halfPi - arctangentUpToOne(x / y);
}

float withSignOf(float x, double magnitude) {
    const float result = static_cast<float>(magnitude);
    return std::signbit(x) ? -result : result;
}

}  // namespace

namespace exact {

float sin(float radians) {
    if (radians == 0.0f) return radians;  // the series would turn -0 into +0
    const Reduced a = reduce(radians);
    switch (a.quarter) {
    case 0: return static_cast<float>(sineNear(a.rest));
    case 1: return static_cast<float>(cosineNear(a.rest));
    case 2: return static_cast<float>(-sineNear(a.rest));
    default: return static_cast<float>(-cosineNear(a.rest));
    }
}

float cos(float radians) {
    const Reduced a = reduce(radians);
    switch (a.quarter) {
    case 0: return static_cast<float>(cosineNear(a.rest));
    case 1: return static_cast<float>(-sineNear(a.rest));
    case 2: return static_cast<float>(-cosineNear(a.rest));
    default: return static_cast<float>(sineNear(a.rest));
    }
}

float asin(float x) {
    const double a = std::fabs(static_cast<double>(x));
    if (std::isnan(x) || a > 1.0) return std::numeric_limits<float>::quiet_NaN();
    // (1 - a)(1 + a) is exact where it matters, near a = 1.
    return withSignOf(x, angleOf(std::sqrt((1.0 - a) * (1.0 + a)), a));
}

float atan(float x) {
    if (std::isnan(x)) return x;
    return withSignOf(x, angleOf(1.0, std::fabs(static_cast<double>(x))));
}

}  // namespace exact
