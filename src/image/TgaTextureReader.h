// TgaTextureReader: decodes material textures from TGA files, without OpenGL.
#pragma once

#include "image/TgaTexture.h"

#include <cstdio>

// Decodes an open file positioned at the start of a TGA, recognised by its
// first 12 bytes as uncompressed (type 2) or run-length encoded (type 10)
// true-colour without ID field or colour map. On success the record holds
// width x height RGB or RGBA pixels; on any failure it is left empty and the
// result is false. The file stays open.
bool readTgaTexture(std::FILE* file, TgaTexture& texture);

// The two pixel readers, given the 6 header bytes after the first 12 (width,
// height, bits per pixel, descriptor) and the file positioned at the pixels.
// Only 24- and 32-bit pixels of a size up to 16384 x 16384 are read.
bool readUncompressedTga(TgaTexture& texture, const unsigned char* header, std::FILE* file);
bool readCompressedTga(TgaTexture& texture, const unsigned char* header, std::FILE* file);
