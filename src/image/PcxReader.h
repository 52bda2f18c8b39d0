// PcxReader: reads 8-bit run-length encoded PCX files into palette indices.
#pragma once

#include <cstdint>
#include <cstdio>
#include <vector>

struct PcxHeader {
    std::uint16_t xMin = 0;
    std::uint16_t yMin = 0;
    std::uint16_t xMax = 0;
    std::uint16_t yMax = 0;
    std::vector<unsigned char> palette;  // 256 entries of red, green, blue
};

// One palette index per pixel, top row first; pixels past the end of the data
// read as 255. Empty when the file is missing, not a version 5 PCX, has an
// inverted or too large window, or lacks the 769-byte palette block at its end.
std::vector<unsigned char> readPcx(const char* fileName, PcxHeader& header);

// The same from an open file positioned at the start of the PCX; the file stays open.
std::vector<unsigned char> readPcx(std::FILE* file, PcxHeader& header);
