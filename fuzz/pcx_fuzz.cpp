// Feeds arbitrary bytes to the PCX reader; a picture it accepts must hold one
// index per pixel of its window and a whole palette.
#include "image/PcxReader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<unsigned char> bytes(data, data + size);
    std::FILE* file = fmemopen(bytes.data(), bytes.size(), "rb");
    if (!file) return 0;
    PcxHeader header;
    std::vector<unsigned char> indices = readPcx(file, header);
    std::fclose(file);
    if (indices.empty()) return 0;
    size_t width = static_cast<size_t>(header.xMax - header.xMin + 1);
    size_t height = static_cast<size_t>(header.yMax - header.yMin + 1);
    if (indices.size() != width * height || header.palette.size() != 768) std::abort();
    return 0;
}
