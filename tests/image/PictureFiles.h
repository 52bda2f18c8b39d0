// PictureFiles: small BMP, PCX and TGA files built byte by byte for the tests.
#pragma once

#include <cstdint>
#include <vector>

namespace PictureFiles {

using Byte = unsigned char;
using Bytes = std::vector<Byte>;

// The file with `bytes` little-endian bytes of value written at `at`.
inline Bytes with(Bytes file, std::size_t at, std::uint32_t value, int bytes = 4) {
    for (int i = 0; i < bytes; ++i) file.at(at + i) = static_cast<Byte>(value >> (8 * i));
    return file;
}

inline Bytes head(const Bytes& file, std::size_t length) { return Bytes(file.begin(), file.begin() + length); }

// A 24-bit BMP of the BGR rows in file order, each padded to 4 bytes with 0xEE.
inline Bytes bmp(std::int32_t width, std::int32_t height, const Bytes& bgr) {
    const std::uint32_t row = width * 3u, stride = (row + 3) / 4 * 4, data = bgr.size() / row * stride;
    // File size, reserved, data offset; info header size, width, height, planes 1 and 24 bits, compression, data size.
    const std::uint32_t fields[] = {54 + data,    0, 54,  40, std::uint32_t(width), std::uint32_t(height),
                                    1 | 24 << 16, 0, data};
    Bytes out = with(Bytes(54), 0, 'B' | 'M' << 8, 2);
    for (int i = 0; i < 9; ++i) out = with(out, 2 + 4 * i, fields[i]);
    for (std::size_t at = 0; at < bgr.size(); at += row) {
        out.insert(out.end(), bgr.begin() + at, bgr.begin() + at + row);
        out.resize(out.size() + stride - row, 0xEE);
    }
    return out;
}

// A version 5 PCX of the window (0, 0) to (width - 1, height - 1): header, run-length data, marker 12 and the
// palette, by default entry i being (i, 255 - i, i / 2).
inline Bytes pcx(unsigned width, unsigned height, const Bytes& data, Bytes palette = {}) {
    for (int i = 0; palette.size() < 768; ++i) palette.insert(palette.end(), {Byte(i), Byte(255 - i), Byte(i / 2)});
    Bytes out = with(with(Bytes{10, 5, 1, 8, 0, 0, 0, 0, 0, 0, 0, 0}, 8, width - 1, 2), 10, height - 1, 2);
    out.resize(128);
    out.insert(out.end(), data.begin(), data.end());
    out.push_back(12);
    out.insert(out.end(), palette.begin(), palette.end());
    return out;
}

// An 18-byte TGA header, an ID field of idLength bytes and mapEntries 24-bit colour map entries, then the body.
inline Bytes tga(int type, unsigned width, unsigned height, int bits, const Bytes& body, int idLength = 0,
                 int mapEntries = 0) {
    Bytes out =
        with(with(Bytes(18), 0, idLength | (mapEntries ? 1 : 0) << 8 | type << 16, 3), 12, width | height << 16);
    out = with(out, 5, mapEntries | (mapEntries ? 24 : 0) << 16, 3);
    out[16] = Byte(bits);
    out.resize(out.size() + static_cast<std::size_t>(idLength + 3 * mapEntries), 0xAA);
    out.insert(out.end(), body.begin(), body.end());
    return out;
}

}  // namespace PictureFiles
