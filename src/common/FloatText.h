// FloatText: a float as decimal text and back, alike on every C library. The
// text is the shortest that reads back to the same bits, laid out as
// std::to_chars lays it out ("0.1", "123.45", "1e+30"); but not every library
// has to_chars for floats, so it is found with printf and checked with strtof,
// which glibc and musl both round exactly. Both follow the "C" locale, which
// the game never leaves.
#pragma once

#include <string>

class FloatText {
public:
    // "inf", "-inf" and "nan" for what is not finite, which read() refuses.
    static std::string write(float value);

    // Reads all of [begin, end) as a finite float: an optional '-', digits with
    // an optional point, an optional exponent ("e-5", "E+07"). On failure out is
    // left alone and, if problem is given, it names what is wrong, to follow the
    // text in a message: "is not a number", "is out of range"...
    static bool read(const char* begin, const char* end, float& out, const char** problem = nullptr);
};
