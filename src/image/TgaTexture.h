// TgaTexture: material textures, made as GL textures straight from TGA files.
#pragma once

#include <vector>

// A decoded material texture: tightly packed RGB or RGBA rows in file order.
struct TgaTexture {
    std::vector<unsigned char> imageData;
    unsigned int bitsPerPixel = 0;  // 24 or 32 once decoded
    unsigned int width = 0;
    unsigned int height = 0;
    unsigned int textureId = 0;
};

// Makes a GL texture (linear filters, no mipmaps) from an uncompressed or
// run-length encoded true-colour TGA file, recognised by its content whatever
// its name, and stores its name in *texture. Any file that can't be opened or
// decoded ends the program with exit code 1 and no message.
bool loadTgaTexture(const char* fileName, unsigned int* texture);
