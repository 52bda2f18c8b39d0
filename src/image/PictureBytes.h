// PictureBytes: the size checks and byte helpers the picture readers share.
#pragma once

#include "common/DataFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace pictureBytes {

// No side of a picture we read may exceed this, so a hostile header can't
// make us allocate gigabytes or overflow a byte count.
constexpr long maxSide = 16384;

// width x height x bytesPerPixel; 0 when a side is outside 1..maxSide or the
// depth is outside 1..4.
std::size_t pixelBytes(long width, long height, int bytesPerPixel);

// Bytes from the current position to the end of the file, the position kept;
// -1 when the file can't tell.
long remaining(std::FILE* file);

// Reads exactly count bytes, false when fewer arrive.
bool readExactly(std::FILE* file, unsigned char* into, std::size_t count);

std::uint16_t u16(const unsigned char* bytes);  // little-endian
std::uint32_t u32(const unsigned char* bytes);  // little-endian

// Exchanges the first and third byte of every whole pixel (BGR(A) to RGB(A)).
void swapRedBlue(std::vector<unsigned char>& pixels, int bytesPerPixel);

// Opens a picture by its data-file name and hands it to a reader of open
// files; empty when the file can't be opened.
template <class Header>
std::vector<unsigned char> readFile(const char* fileName, Header& header,
                                    std::vector<unsigned char> (*read)(std::FILE*, Header&)) {
    DataFile::Handle file(DataFile::open(fileName, "rb"));
    if (!file) return {};
    return read(file.get(), header);
}

}  // namespace pictureBytes
