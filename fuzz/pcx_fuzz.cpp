// Arbitrary bytes to the PCX reader; a picture it accepts holds one index per pixel of its window and a whole palette.
#include "image/PcxReader.h"
#include "support/FuzzFile.h"

bool readsConsistently(std::FILE* file) {
    PcxHeader h;
    const std::vector<unsigned char> indices = readPcx(file, h);
    return nothingOrExactly(indices, h.xMax - h.xMin + 1, h.yMax - h.yMin + 1, 1) &&
           (indices.empty() || h.palette.size() == 768);
}
