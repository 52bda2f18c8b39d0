// BmpReader: reads uncompressed 24-bit BMP files into RGB pixel rows.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

// The 40-byte information header, fields in file order.
struct BmpInfoHeader {
    std::uint32_t size = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::int32_t xPelsPerMeter = 0;
    std::int32_t yPelsPerMeter = 0;
    std::uint32_t clrUsed = 0;
    std::uint32_t clrImportant = 0;
};

// Exactly width x height x 3 bytes of RGB, bottom row first, row padding
// dropped; empty when the file is missing, not "BM", not uncompressed 24-bit,
// too large, or shorter than its rows. A top-down file (negative height) is
// flipped to bottom-up and info.height made positive; a sizeImage of 0 is
// filled in from the size.
std::vector<unsigned char> readBmp(const char* fileName, BmpInfoHeader& info);

// The same from an open file positioned at the start of the BMP; the file stays open.
std::vector<unsigned char> readBmp(std::FILE* file, BmpInfoHeader& info);
