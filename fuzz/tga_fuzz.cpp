// Arbitrary bytes to the TGA reader; a picture it accepts holds exactly its size.
#include "image/TgaReader.h"
#include "support/FuzzFile.h"

bool readsConsistently(std::FILE* file) {
    TgaHeader h;
    const std::vector<unsigned char> pixels = readTga(file, h);
    return nothingOrExactly(pixels, h.width, h.height, h.bitsPerPixel / 8);
}
