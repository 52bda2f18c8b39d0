// Feeds arbitrary bytes to the TGA reader; a picture it accepts must hold exactly its size.
#include "image/TgaReader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<unsigned char> bytes(data, data + size);
    std::FILE* file = fmemopen(bytes.data(), bytes.size(), "rb");
    if (!file) return 0;
    TgaHeader header;
    std::vector<unsigned char> pixels = readTga(file, header);
    std::fclose(file);
    if (pixels.empty()) return 0;
    if (header.width <= 0 || header.height <= 0) std::abort();
    size_t expected = static_cast<size_t>(header.width) * static_cast<size_t>(header.height) *
                      (header.bitsPerPixel / 8u);
    if (pixels.size() != expected) std::abort();
    return 0;
}
