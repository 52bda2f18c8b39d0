#include "ModelFiles.h"

#include "model/Model.h"
#include "support/TempDir.h"

#include <filesystem>

bool ModelFiles::load(Model& model, const std::string& text) {
    TempDir dir;
    return model.load(dir.write("model.txt", text).c_str());
}

std::string ModelFiles::withCrLf(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return out;
}

std::vector<unsigned char> ModelFiles::tga24(int width, int height, const std::vector<unsigned char>& rgb) {
    std::vector<unsigned char> bytes = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, static_cast<unsigned char>(width), 0,
                                        static_cast<unsigned char>(height), 0, 24, 0};
    for (size_t i = 0; i + 2 < rgb.size(); i += 3) bytes.insert(bytes.end(), {rgb[i + 2], rgb[i + 1], rgb[i]});
    return bytes;
}

WorkingDirectory::WorkingDirectory(const std::string& path)
    : previous(std::filesystem::current_path().string()) {
    std::filesystem::current_path(path);
}

WorkingDirectory::~WorkingDirectory() { std::filesystem::current_path(previous); }
