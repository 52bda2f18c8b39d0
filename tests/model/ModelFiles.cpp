#include "ModelFiles.h"

#include <filesystem>

std::string ModelFiles::withCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::vector<unsigned char> ModelFiles::tga24(int width, int height, const std::vector<unsigned char>& rgb) {
    std::vector<unsigned char> bytes = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    bytes.push_back(static_cast<unsigned char>(width & 255));
    bytes.push_back(static_cast<unsigned char>(width >> 8));
    bytes.push_back(static_cast<unsigned char>(height & 255));
    bytes.push_back(static_cast<unsigned char>(height >> 8));
    bytes.push_back(24);
    bytes.push_back(0);
    for (size_t i = 0; i + 2 < rgb.size(); i += 3) {
        bytes.push_back(rgb[i + 2]);
        bytes.push_back(rgb[i + 1]);
        bytes.push_back(rgb[i]);
    }
    return bytes;
}

WorkingDirectory::WorkingDirectory(const std::string& path)
    : previous(std::filesystem::current_path().string()) {
    std::filesystem::current_path(path);
}

WorkingDirectory::~WorkingDirectory() { std::filesystem::current_path(previous); }
