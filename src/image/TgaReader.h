// TgaReader: reads uncompressed true-colour and grey-scale TGA files.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

struct TgaHeader {
    std::uint8_t imageType = 0;  // 2 true-colour, 3 grey-scale
    std::int16_t width = 0;
    std::int16_t height = 0;
    std::uint8_t bitsPerPixel = 0;
};

// width x height pixels of bitsPerPixel (8, 16, 24 or 32), rows in file order,
// 24- and 32-bit pixels turned to RGB(A). The ID field and colour map are
// skipped. Empty when the file is missing, of another type or depth, of zero
// or too large a size, or shorter than its pixels.
std::vector<unsigned char> readTga(const char* fileName, TgaHeader& header);

// The same from an open file positioned at the start of the TGA; the file stays open.
std::vector<unsigned char> readTga(std::FILE* file, TgaHeader& header);
