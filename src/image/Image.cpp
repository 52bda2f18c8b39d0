#include "image/Image.h"

#include "image/BmpReader.h"
#include "image/PcxReader.h"
#include "image/TgaReader.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cctype>
#include <cstring>
#include <string>
#include <utility>

namespace {

std::string lowerCase(const char* text) {
    std::string lower(text);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// The largest power of two not above size (size >= 1).
int powerOfTwoBelow(int size) {
    int power = 1;
    while (power <= size / 2) power *= 2;
    return power;
}

std::vector<unsigned char> expandToRgba(const std::vector<unsigned char>& indices,
                                        const std::vector<unsigned char>& palette) {
    std::vector<unsigned char> rgba(indices.size() * 4);
    for (std::size_t i = 0; i < indices.size(); ++i) {
        const unsigned char* entry = &palette[indices[i] * 3u];
        rgba[i * 4] = entry[0];
        rgba[i * 4 + 1] = entry[1];
        rgba[i * 4 + 2] = entry[2];
        rgba[i * 4 + 3] = 255;
    }
    return rgba;
}

// gluScaleImage honours the pixel store, so it runs with tightly packed rows
// and no skips whatever a holder left set.
bool scaleRgba(const std::vector<unsigned char>& from, int fromWidth, int fromHeight, std::vector<unsigned char>& to,
               int toWidth, int toHeight) {
    GLint failed = 0;
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    {
        for (GLenum alignment : {GL_UNPACK_ALIGNMENT, GL_PACK_ALIGNMENT}) glPixelStorei(alignment, 1);
        for (GLenum zero : {GL_UNPACK_ROW_LENGTH, GL_UNPACK_SKIP_ROWS, GL_UNPACK_SKIP_PIXELS, GL_PACK_ROW_LENGTH,
                            GL_PACK_SKIP_ROWS, GL_PACK_SKIP_PIXELS}) {
            glPixelStorei(zero, 0);
        }
        failed = gluScaleImage(GL_RGBA, fromWidth, fromHeight, GL_UNSIGNED_BYTE, from.data(), toWidth, toHeight,
                               GL_UNSIGNED_BYTE, to.data());
    }
    glPopClientAttrib();
    return failed == 0;
}

}  // namespace

Image::~Image() {
    if (texture != 0) glDeleteTextures(1, &texture);
}

void Image::load(const char* fileName) {
    const char* dot = fileName ? std::strchr(fileName, '.') : nullptr;
    if (!dot) return;
    std::string extension = lowerCase(dot + 1);
    if (extension == "bmp") {
        loadBmp(fileName);
    } else if (extension == "pcx") {
        loadPcx(fileName);
    } else if (extension == "tga") {
        loadTga(fileName);
    }
}

const unsigned char* Image::pixelData() const { return pixels.empty() ? nullptr : pixels.data(); }

// Everything but the holder's texture name goes back to a new image's values.
void Image::clear() {
    scaledWidth = scaledHeight = 0;
    palette.clear();
    format = pcxFormat;
    imageType = 0;
    width = height = 0;
    bitsPerPixel = 0;
    pixels.clear();
}

void Image::loadBmp(const char* fileName) {
    clear();
    BmpInfoHeader info;
    pixels = readBmp(fileName, info);
    if (pixels.empty()) return;
    format = bmpFormat;
    width = info.width;
    height = info.height;
}

void Image::loadTga(const char* fileName) {
    clear();
    TgaHeader header;
    pixels = readTga(fileName, header);
    if (pixels.empty()) return;
    format = tgaFormat;
    imageType = header.imageType;
    width = header.width;
    height = header.height;
    bitsPerPixel = header.bitsPerPixel;
}

// PCX pictures keep the file's size in width and height but hold RGBA pixels
// scaled down to the largest powers of two that fit.
void Image::loadPcx(const char* fileName) {
    clear();
    PcxHeader header;
    std::vector<unsigned char> indices = readPcx(fileName, header);
    if (indices.empty()) return;
    int fileWidth = header.xMax - header.xMin + 1;
    int fileHeight = header.yMax - header.yMin + 1;
    std::vector<unsigned char> rgba = expandToRgba(indices, header.palette);
    int toWidth = powerOfTwoBelow(fileWidth);
    int toHeight = powerOfTwoBelow(fileHeight);
    std::vector<unsigned char> scaled(static_cast<std::size_t>(toWidth) * static_cast<std::size_t>(toHeight) * 4);
    if (!scaleRgba(rgba, fileWidth, fileHeight, scaled, toWidth, toHeight)) return;
    palette = std::move(header.palette);
    format = pcxFormat;
    width = fileWidth;
    height = fileHeight;
    scaledWidth = toWidth;
    scaledHeight = toHeight;
    pixels = std::move(scaled);
}

bool Image::holds(int bytesPerPixel) const {
    if (width <= 0 || height <= 0 || bytesPerPixel <= 0) return false;
    return pixels.size() >= static_cast<size_t>(width) * static_cast<size_t>(height) * bytesPerPixel;
}

void Image::makeMipmappedRgbTexture(int minFilter) {
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    // GLU reads width x height RGB pixels whatever the buffer holds.
    if (holds(3)) gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}
