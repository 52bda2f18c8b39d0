// The fuzz entry point for a reader of open files. A target includes this once and defines readsConsistently,
// which reads the file and says whether what came out is consistent; an inconsistent result aborts.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

bool readsConsistently(std::FILE* file);

// No pixels, or exactly the pixels of a picture of that size.
inline bool nothingOrExactly(const std::vector<unsigned char>& pixels, long width, long height, long bytesPerPixel) {
    return pixels.empty() || (width > 0 && height > 0 && pixels.size() == size_t(width * height * bytesPerPixel));
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb");  // read only
    if (!file) return 0;
    const bool consistent = readsConsistently(file);
    std::fclose(file);
    if (!consistent) std::abort();
    return 0;
}
