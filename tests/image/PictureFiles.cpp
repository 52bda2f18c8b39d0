#include "PictureFiles.h"

namespace PictureFiles {

void putU16(Bytes& out, unsigned value) {
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

void putU32(Bytes& out, std::uint32_t value) {
    putU16(out, value & 0xFFFF);
    putU16(out, value >> 16);
}

Bytes bmp(const BmpSpec& spec, const Bytes& bgrRows) {
    std::size_t rowBytes = static_cast<std::size_t>(spec.width) * 3;
    std::size_t rows = rowBytes ? bgrRows.size() / rowBytes : 0;
    std::size_t padding = (4 - rowBytes % 4) % 4;
    std::uint32_t dataSize = static_cast<std::uint32_t>(rows * (rowBytes + padding));
    Bytes out = {'B', 'M'};
    putU32(out, 54 + dataSize);
    putU32(out, 0);
    putU32(out, 54);
    putU32(out, 40);
    putU32(out, static_cast<std::uint32_t>(spec.width));
    putU32(out, static_cast<std::uint32_t>(spec.height));
    putU16(out, 1);
    putU16(out, spec.bitCount);
    putU32(out, spec.compression);
    putU32(out, spec.writeSizeImage ? dataSize : 0);
    for (int i = 0; i < 4; ++i) putU32(out, 0);
    for (std::size_t row = 0; row < rows; ++row) {
        out.insert(out.end(), bgrRows.begin() + static_cast<long>(row * rowBytes),
                   bgrRows.begin() + static_cast<long>((row + 1) * rowBytes));
        out.insert(out.end(), padding, spec.padByte);
    }
    return out;
}

Bytes pcx(const PcxSpec& spec, const Bytes& data, const Bytes& palette) {
    Bytes out = {spec.manufacturer, spec.version, 1, 8};
    putU16(out, spec.xMin);
    putU16(out, spec.yMin);
    putU16(out, spec.xMax);
    putU16(out, spec.yMax);
    out.resize(128, 0);
    out.insert(out.end(), data.begin(), data.end());
    out.push_back(spec.paletteMarker);
    out.insert(out.end(), palette.begin(), palette.end());
    return out;
}

Bytes tga(const TgaSpec& spec, const Bytes& pixelBytes) {
    Bytes out = {static_cast<unsigned char>(spec.idField.size()),
                 static_cast<unsigned char>(spec.colourMap.empty() ? 0 : 1), spec.imageType};
    putU16(out, 0);
    putU16(out, static_cast<unsigned>(spec.colourMap.size() / 3));
    out.push_back(spec.colourMap.empty() ? 0 : 24);
    putU16(out, 0);
    putU16(out, 0);
    putU16(out, spec.width);
    putU16(out, spec.height);
    out.push_back(spec.bitsPerPixel);
    out.push_back(0);
    out.insert(out.end(), spec.idField.begin(), spec.idField.end());
    out.insert(out.end(), spec.colourMap.begin(), spec.colourMap.end());
    out.insert(out.end(), pixelBytes.begin(), pixelBytes.end());
    return out;
}

Bytes rampPalette() {
    Bytes palette;
    for (int i = 0; i < 256; ++i) {
        palette.insert(palette.end(), {static_cast<unsigned char>(i), static_cast<unsigned char>(255 - i),
                                       static_cast<unsigned char>(i / 2)});
    }
    return palette;
}

}  // namespace PictureFiles
