// Feeds arbitrary bytes to the material texture decoding (no GL, no exit); what
// it accepts must be exactly width x height pixels of 24 or 32 bits, what it
// refuses must leave nothing behind.
#include "image/TgaTextureReader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<unsigned char> bytes(data, data + size);
    std::FILE* file = fmemopen(bytes.data(), bytes.size(), "rb");
    if (!file) return 0;
    TgaTexture texture;
    bool decoded = readTgaTexture(file, texture);
    std::fclose(file);
    if (!decoded) {
        if (!texture.imageData.empty() || texture.width != 0 || texture.height != 0) std::abort();
        return 0;
    }
    if (texture.bitsPerPixel != 24 && texture.bitsPerPixel != 32) std::abort();
    size_t expected = static_cast<size_t>(texture.width) * texture.height * (texture.bitsPerPixel / 8);
    if (expected == 0 || texture.imageData.size() != expected) std::abort();
    return 0;
}
