#include "common/DataFile.h"

#include <algorithm>

std::string DataFile::hostPath(const char* name) {
    std::string path = name ? name : "";
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

std::FILE* DataFile::open(const char* name, const char* mode) {
    if (!name) return nullptr;
    return std::fopen(hostPath(name).c_str(), mode);
}
