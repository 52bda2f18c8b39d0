// PictureFiles: small BMP and TGA pictures made in memory for the screen and font tests.
#pragma once

#include <array>
#include <functional>
#include <vector>

using Rgba = std::array<unsigned char, 4>;
// Colour of the pixel at column x, row y counted from the bottom.
using PixelColour = std::function<Rgba(int x, int y)>;

// Uncompressed 24-bit BMP, bottom row first; width * 3 must be a multiple of 4.
std::vector<unsigned char> bmpFile(int width, int height, const PixelColour& colour);

// Uncompressed TGA (type 2, or 3 for 8 bits), bottom row first, 8, 24 or 32 bits a pixel.
std::vector<unsigned char> tgaFile(int width, int height, int bitsPerPixel, const PixelColour& colour);
