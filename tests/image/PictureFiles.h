// PictureFiles: small BMP, PCX and TGA files built byte by byte for the image tests.
#pragma once

#include <cstdint>
#include <vector>

using Bytes = std::vector<unsigned char>;

namespace PictureFiles {

void putU16(Bytes& out, unsigned value);
void putU32(Bytes& out, std::uint32_t value);

struct BmpSpec {
    std::int32_t width = 1;
    std::int32_t height = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    bool writeSizeImage = true;                // false leaves sizeImage 0
    unsigned char padByte = 0xEE;              // fills row padding, so a leak shows
};

// A BMP whose rows (width x 3 bytes of BGR each, in file order) are padded to 4 bytes.
Bytes bmp(const BmpSpec& spec, const Bytes& bgrRows);

struct PcxSpec {
    unsigned xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    unsigned char manufacturer = 10;
    unsigned char version = 5;
    unsigned char paletteMarker = 12;
};

// 128-byte header, the given run-length data, then the marker and palette.
Bytes pcx(const PcxSpec& spec, const Bytes& data, const Bytes& palette);

struct TgaSpec {
    unsigned char imageType = 2;
    unsigned width = 1;
    unsigned height = 1;
    unsigned char bitsPerPixel = 24;
    Bytes idField;
    Bytes colourMap;                           // written as 24-bit entries
};

// 18-byte header, ID field, colour map, then the pixel bytes as given.
Bytes tga(const TgaSpec& spec, const Bytes& pixelBytes);

// 256 palette entries, entry i being (i, 255 - i, i / 2).
Bytes rampPalette();

}  // namespace PictureFiles
