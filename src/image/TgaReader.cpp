#include "image/TgaReader.h"

#include "image/PictureBytes.h"

using namespace pictureBytes;

namespace {

constexpr std::size_t headerSize = 18;

bool knownDepth(int bits) { return bits == 8 || bits == 16 || bits == 24 || bits == 32; }

// Bytes between the header and the pixels: the ID field and any colour map.
long bytesBeforePixels(const unsigned char* h) {
    long skip = h[0];
    if (h[1] != 0) skip += static_cast<long>(u16(h + 5)) * ((h[7] + 7) / 8);
    return skip;
}

}  // namespace

std::vector<unsigned char> readTga(const char* fileName, TgaHeader& header) {
    return readFile(fileName, header, readTga);
}

std::vector<unsigned char> readTga(std::FILE* file, TgaHeader& header) {
    unsigned char h[headerSize];
    if (!readExactly(file, h, headerSize)) return {};
    header.imageType = h[2];
    if (header.imageType != 2 && header.imageType != 3) return {};
    long width = u16(h + 12);
    long height = u16(h + 14);
    header.bitsPerPixel = h[16];
    if (!knownDepth(header.bitsPerPixel)) return {};
    int bytesPerPixel = header.bitsPerPixel / 8;
    std::size_t bytes = pixelBytes(width, height, bytesPerPixel);
    if (bytes == 0) return {};
    header.width = static_cast<std::int16_t>(width);
    header.height = static_cast<std::int16_t>(height);

    if (std::fseek(file, bytesBeforePixels(h), SEEK_CUR) != 0) return {};
    long available = remaining(file);
    if (available < 0 || static_cast<std::size_t>(available) < bytes) return {};
    std::vector<unsigned char> pixels(bytes);
    if (!readExactly(file, pixels.data(), bytes)) return {};
    swapRedBlue(pixels, bytesPerPixel);
    return pixels;
}
