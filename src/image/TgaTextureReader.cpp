#include "image/TgaTextureReader.h"

#include "image/PictureBytes.h"

#include <algorithm>
#include <cstring>
#include <utility>

using namespace pictureBytes;

namespace {

const unsigned char uncompressedStart[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
const unsigned char compressedStart[12] = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0};

constexpr std::size_t longestPacket = 128;

// Size and depth from the 6 header bytes; false for a size or depth we don't read.
bool readShape(const unsigned char* header, TgaTexture& shape, std::size_t& bytes) {
    shape.width = u16(header);
    shape.height = u16(header + 2);
    shape.bitsPerPixel = header[4];
    if (shape.bitsPerPixel != 24 && shape.bitsPerPixel != 32) return false;
    bytes = pixelBytes(shape.width, shape.height, static_cast<int>(shape.bitsPerPixel / 8));
    return bytes != 0;
}

bool fail(TgaTexture& texture) {
    texture = TgaTexture();
    return false;
}

// Reads one packet into pixels at stored; false when the file ends early or
// the packet would run past the last pixel.
bool readPacket(std::FILE* file, std::vector<unsigned char>& pixels, std::size_t& stored, std::size_t bytesPerPixel) {
    int head = std::fgetc(file);
    if (head == EOF) return false;
    bool run = head >= 128;
    std::size_t count = run ? static_cast<std::size_t>(head - 127) : static_cast<std::size_t>(head + 1);
    std::size_t bytes = count * bytesPerPixel;
    if (bytes > pixels.size() - stored) return false;
    unsigned char* at = pixels.data() + stored;
    if (!run) {
        if (!readExactly(file, at, bytes)) return false;
    } else {
        if (!readExactly(file, at, bytesPerPixel)) return false;
        for (std::size_t i = 1; i < count; ++i) std::memcpy(at + i * bytesPerPixel, at, bytesPerPixel);
    }
    stored += bytes;
    return true;
}

}  // namespace

bool readTgaTexture(std::FILE* file, TgaTexture& texture) {
    unsigned char start[12];
    unsigned char header[6];
    if (!readExactly(file, start, sizeof start) || !readExactly(file, header, sizeof header)) {
        return fail(texture);
    }
    if (std::memcmp(start, uncompressedStart, sizeof start) == 0) {
        return readUncompressedTga(texture, header, file);
    }
    if (std::memcmp(start, compressedStart, sizeof start) == 0) {
        return readCompressedTga(texture, header, file);
    }
    return fail(texture);
}

bool readUncompressedTga(TgaTexture& texture, const unsigned char* header, std::FILE* file) {
    TgaTexture decoded;
    std::size_t bytes = 0;
    if (!readShape(header, decoded, bytes)) return fail(texture);
    long available = remaining(file);
    if (available < 0 || static_cast<std::size_t>(available) < bytes) return fail(texture);
    decoded.imageData.resize(bytes);
    if (!readExactly(file, decoded.imageData.data(), bytes)) return fail(texture);
    swapRedBlue(decoded.imageData, static_cast<int>(decoded.bitsPerPixel / 8));
    texture = std::move(decoded);
    return true;
}

bool readCompressedTga(TgaTexture& texture, const unsigned char* header, std::FILE* file) {
    TgaTexture decoded;
    std::size_t bytes = 0;
    if (!readShape(header, decoded, bytes)) return fail(texture);
    std::size_t bytesPerPixel = decoded.bitsPerPixel / 8;
    // Even all-run packets need this many bytes; less can't fill the picture.
    std::size_t pixelCount = bytes / bytesPerPixel;
    std::size_t fewest = (pixelCount + longestPacket - 1) / longestPacket * (1 + bytesPerPixel);
    long available = remaining(file);
    if (available < 0 || static_cast<std::size_t>(available) < fewest) return fail(texture);

    decoded.imageData.resize(bytes);
    std::size_t stored = 0;
    while (stored < bytes) {
        if (!readPacket(file, decoded.imageData, stored, bytesPerPixel)) return fail(texture);
    }
    swapRedBlue(decoded.imageData, static_cast<int>(bytesPerPixel));
    texture = std::move(decoded);
    return true;
}
