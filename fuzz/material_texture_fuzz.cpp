// Arbitrary bytes to the material texture decoding (no GL, no exit): what it accepts is exactly width x height
// pixels of 24 or 32 bits, what it refuses leaves nothing behind.
#include "image/TgaTextureReader.h"
#include "support/FuzzFile.h"

bool readsConsistently(std::FILE* file) {
    TgaTexture t;
    if (!readTgaTexture(file, t)) return t.imageData.empty() && t.width + t.height == 0;
    return (t.bitsPerPixel == 24 || t.bitsPerPixel == 32) && !t.imageData.empty() &&
           nothingOrExactly(t.imageData, t.width, t.height, t.bitsPerPixel / 8);
}
