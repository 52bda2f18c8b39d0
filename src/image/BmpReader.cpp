#include "image/BmpReader.h"

#include "image/PictureBytes.h"

#include <cstdlib>
#include <cstring>

using namespace pictureBytes;

namespace {

constexpr std::size_t fileHeaderSize = 14;
constexpr std::size_t infoHeaderSize = 40;

BmpInfoHeader parseInfo(const unsigned char* b) {
    BmpInfoHeader info;
    info.size = u32(b);
    info.width = static_cast<std::int32_t>(u32(b + 4));
    info.height = static_cast<std::int32_t>(u32(b + 8));
    info.planes = u16(b + 12);
    info.bitCount = u16(b + 14);
    info.compression = u32(b + 16);
    info.sizeImage = u32(b + 20);
    info.xPelsPerMeter = static_cast<std::int32_t>(u32(b + 24));
    info.yPelsPerMeter = static_cast<std::int32_t>(u32(b + 28));
    info.clrUsed = u32(b + 32);
    info.clrImportant = u32(b + 36);
    return info;
}

// Rows are padded to 4 bytes in the file; the last row's padding may be missing.
std::vector<unsigned char> readRows(std::FILE* file, long width, long rows, bool topDown) {
    std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    std::size_t stride = (rowBytes + 3) / 4 * 4;
    std::size_t needed = stride * static_cast<std::size_t>(rows - 1) + rowBytes;
    long available = remaining(file);
    if (available < 0 || static_cast<std::size_t>(available) < needed) return {};
    std::vector<unsigned char> raw(needed);
    if (!readExactly(file, raw.data(), needed)) return {};
    std::vector<unsigned char> pixels(rowBytes * static_cast<std::size_t>(rows));
    for (long row = 0; row < rows; ++row) {
        long target = topDown ? rows - 1 - row : row;
        std::memcpy(&pixels[rowBytes * static_cast<std::size_t>(target)], &raw[stride * static_cast<std::size_t>(row)],
                    rowBytes);
    }
    swapRedBlue(pixels, 3);
    return pixels;
}

}  // namespace

std::vector<unsigned char> readBmp(const char* fileName, BmpInfoHeader& info) {
    return readFile(fileName, info, readBmp);
}

std::vector<unsigned char> readBmp(std::FILE* file, BmpInfoHeader& info) {
    unsigned char fileHeader[fileHeaderSize];
    if (!readExactly(file, fileHeader, fileHeaderSize) || u16(fileHeader) != 0x4D42) return {};
    unsigned char infoBytes[infoHeaderSize];
    if (!readExactly(file, infoBytes, infoHeaderSize)) return {};
    info = parseInfo(infoBytes);
    if (info.bitCount != 24 || info.compression != 0) return {};

    long width = info.width;
    long rows = std::labs(static_cast<long>(info.height));
    std::size_t bytes = pixelBytes(width, rows, 3);
    if (bytes == 0) return {};
    bool topDown = info.height < 0;
    info.height = static_cast<std::int32_t>(rows);
    if (info.sizeImage == 0) {
        std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
        info.sizeImage = static_cast<std::uint32_t>(stride * static_cast<std::size_t>(rows));
    }

    long dataOffset = static_cast<long>(u32(fileHeader + 10));
    if (std::fseek(file, dataOffset, SEEK_SET) != 0) return {};
    return readRows(file, width, rows, topDown);
}
