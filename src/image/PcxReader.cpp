#include "image/PcxReader.h"

#include "image/PictureBytes.h"

#include <algorithm>
#include <utility>

using namespace pictureBytes;

namespace {

constexpr long dataStart = 128;
constexpr long paletteBlock = 769;  // marker byte 12, then 768 bytes
constexpr int paletteMarker = 12;

// Fills indices from the run-length data; whatever the data doesn't reach keeps its 255.
void decodeRuns(std::FILE* file, std::vector<unsigned char>& indices) {
    std::size_t produced = 0;
    while (produced < indices.size()) {
        int c = std::fgetc(file);
        if (c == EOF) break;
        if (c <= 191) {
            indices[produced++] = static_cast<unsigned char>(c);
            continue;
        }
        int value = std::fgetc(file);
        if (value == EOF) break;
        std::size_t run = std::min<std::size_t>(static_cast<std::size_t>(c & 63), indices.size() - produced);
        std::fill_n(indices.begin() + static_cast<long>(produced), run, static_cast<unsigned char>(value));
        produced += run;
    }
}

bool readPalette(std::FILE* file, std::vector<unsigned char>& palette) {
    if (std::fseek(file, -paletteBlock, SEEK_END) != 0) return false;
    if (std::fgetc(file) != paletteMarker) return false;
    palette.resize(768);
    return readExactly(file, palette.data(), palette.size());
}

}  // namespace

std::vector<unsigned char> readPcx(const char* fileName, PcxHeader& header) {
    return readFile(fileName, header, readPcx);
}

std::vector<unsigned char> readPcx(std::FILE* file, PcxHeader& header) {
    unsigned char start[12];
    if (!readExactly(file, start, sizeof start) || start[0] != 10 || start[1] != 5) return {};
    header.xMin = u16(start + 4);
    header.yMin = u16(start + 6);
    header.xMax = u16(start + 8);
    header.yMax = u16(start + 10);
    long width = static_cast<long>(header.xMax) - header.xMin + 1;
    long height = static_cast<long>(header.yMax) - header.yMin + 1;
    std::size_t bytes = pixelBytes(width, height, 1);
    if (bytes == 0) return {};

    std::vector<unsigned char> indices(bytes, 255);
    if (std::fseek(file, dataStart, SEEK_SET) == 0) decodeRuns(file, indices);
    std::vector<unsigned char> palette;
    if (!readPalette(file, palette)) return {};
    header.palette = std::move(palette);
    return indices;
}
