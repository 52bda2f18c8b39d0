// Image: a picture loaded from a BMP, PCX or TGA file, with the GL texture name its holder makes.
#pragma once

#include <vector>

class Image {
public:
    // What the pixels hold, by the file they came from.
    enum Format {
        pcxFormat = 0,  // scaledWidth x scaledHeight RGBA pixels
        bmpFormat = 1,  // width x height RGB pixels
        tgaFormat = 2,  // width x height pixels of bitsPerPixel
    };

    Image() = default;
    ~Image();  // glDeleteTextures of `texture` when it is not 0
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    // Picks the reader by the text after the first '.' ("bmp", "pcx", "tga",
    // any case). Another extension, or none, leaves the image as it was; a file
    // that can't be read leaves no pixels and a size of 0 x 0. PCX needs a GL
    // context (the picture is scaled down to powers of two by GLU).
    void load(const char* fileName);
    const unsigned char* pixelData() const;  // null when nothing was loaded
    // True when the pixels hold width x height pixels of the given size.
    bool holds(int bytesPerPixel) const;

    // Makes `texture` a mipmapped RGB texture of the picture (what the screens,
    // the sky and the banners upload) with linear magnification, and leaves it
    // bound. A picture that didn't load, or isn't RGB, gives a texture without
    // an image, which GL draws as if texturing were off.
    void makeMipmappedRgbTexture(int minFilter);

    int scaledWidth = 0;                 // PCX only
    int scaledHeight = 0;                // PCX only
    std::vector<unsigned char> palette;  // PCX only, 768 bytes
    int format = pcxFormat;              // one of Format
    unsigned char imageType = 0;         // TGA only
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;               // TGA only
    unsigned int texture = 0;           // GL texture name, made by the holder
    std::vector<unsigned char> pixels;  // empty when nothing was loaded

private:
    void clear();
    void loadBmp(const char* fileName);
    void loadTga(const char* fileName);
    void loadPcx(const char* fileName);
};
