// Arbitrary bytes to the BMP reader; a picture it accepts holds exactly its size.
#include "image/BmpReader.h"
#include "support/FuzzFile.h"

bool readsConsistently(std::FILE* file) {
    BmpInfoHeader info;
    const std::vector<unsigned char> pixels = readBmp(file, info);
    return nothingOrExactly(pixels, info.width, info.height, 3);
}
