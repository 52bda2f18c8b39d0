#include "PictureFiles.h"

namespace {
void put16(std::vector<unsigned char>& out, int value) {
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

void put32(std::vector<unsigned char>& out, int value) {
    put16(out, value & 0xFFFF);
    put16(out, (value >> 16) & 0xFFFF);
}
}

std::vector<unsigned char> bmpFile(int width, int height, const PixelColour& colour) {
    const int dataSize = width * height * 3;
    std::vector<unsigned char> out = {'B', 'M'};
    put32(out, 54 + dataSize);
    put32(out, 0);
    put32(out, 54);
    put32(out, 40);
    put32(out, width);
    put32(out, height);
    put16(out, 1);
    put16(out, 24);
    put32(out, 0);
    put32(out, dataSize);
    for (int i = 0; i < 4; ++i) put32(out, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgba c = colour(x, y);
            out.insert(out.end(), {c[2], c[1], c[0]});
        }
    }
    return out;
}

std::vector<unsigned char> tgaFile(int width, int height, int bitsPerPixel, const PixelColour& colour) {
    std::vector<unsigned char> out = {0, 0, static_cast<unsigned char>(bitsPerPixel == 8 ? 3 : 2), 0, 0, 0, 0, 0};
    put16(out, 0);
    put16(out, 0);
    put16(out, width);
    put16(out, height);
    out.push_back(static_cast<unsigned char>(bitsPerPixel));
    out.push_back(bitsPerPixel == 32 ? 8 : 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgba c = colour(x, y);
            if (bitsPerPixel == 8) out.push_back(c[0]);
            if (bitsPerPixel >= 24) out.insert(out.end(), {c[2], c[1], c[0]});
            if (bitsPerPixel == 32) out.push_back(c[3]);
        }
    }
    return out;
}
