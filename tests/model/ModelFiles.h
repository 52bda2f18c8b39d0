// ModelFiles: model and texture files the model tests write, and a working directory to load them from.
#pragma once

#include "model/Model.h"
#include "support/TempDir.h"

#include <filesystem>
#include <string>
#include <vector>

namespace ModelFiles {

// Writes the text to a temporary file and loads it into the model.
inline bool load(Model& model, const std::string& text) {
    TempDir dir;
    return model.load(dir.write("model.txt", text).c_str());
}

// An uncompressed 24-bit TGA, rows bottom first, pixels given as RGB triples.
inline std::vector<unsigned char> tga24(int width, int height, const std::vector<unsigned char>& rgb) {
    std::vector<unsigned char> bytes = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, static_cast<unsigned char>(width), 0,
                                        static_cast<unsigned char>(height), 0, 24, 0};
    for (size_t i = 0; i + 2 < rgb.size(); i += 3) bytes.insert(bytes.end(), {rgb[i + 2], rgb[i + 1], rgb[i]});
    return bytes;
}

}  // namespace ModelFiles

// Makes a folder the working directory for the object's lifetime.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::string& path) { std::filesystem::current_path(path); }
    ~WorkingDirectory() { std::filesystem::current_path(previous); }

private:
    std::string previous = std::filesystem::current_path().string();
};
