// Feeds arbitrary bytes to the BMP reader; a picture it accepts must hold exactly its size.
#include "image/BmpReader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<unsigned char> bytes(data, data + size);
    std::FILE* file = fmemopen(bytes.data(), bytes.size(), "rb");
    if (!file) return 0;
    BmpInfoHeader info;
    std::vector<unsigned char> pixels = readBmp(file, info);
    std::fclose(file);
    if (!pixels.empty() && pixels.size() != static_cast<size_t>(info.width) * static_cast<size_t>(info.height) * 3) {
        std::abort();
    }
    return 0;
}
