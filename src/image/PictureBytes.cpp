#include "image/PictureBytes.h"

#include <utility>

namespace pictureBytes {

std::size_t pixelBytes(long width, long height, int bytesPerPixel) {
    if (width < 1 || width > maxSide || height < 1 || height > maxSide) return 0;
    if (bytesPerPixel < 1 || bytesPerPixel > 4) return 0;
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * static_cast<std::size_t>(bytesPerPixel);
}

long remaining(std::FILE* file) {
    long here = std::ftell(file);
    if (here < 0 || std::fseek(file, 0, SEEK_END) != 0) return -1;
    long end = std::ftell(file);
    if (std::fseek(file, here, SEEK_SET) != 0 || end < here) return -1;
    return end - here;
}

bool readExactly(std::FILE* file, unsigned char* into, std::size_t count) {
    return std::fread(into, 1, count, file) == count;
}

std::uint16_t u16(const unsigned char* bytes) { return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8); }

std::uint32_t u32(const unsigned char* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

void swapRedBlue(std::vector<unsigned char>& pixels, int bytesPerPixel) {
    if (bytesPerPixel < 3) return;
    std::size_t step = static_cast<std::size_t>(bytesPerPixel);
    for (std::size_t i = 0; i + step <= pixels.size(); i += step) std::swap(pixels[i], pixels[i + 2]);
}

}  // namespace pictureBytes
