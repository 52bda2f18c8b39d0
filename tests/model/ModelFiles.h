// ModelFiles: helpers the model tests share for writing model and texture files.
#pragma once

#include <string>
#include <vector>

class Model;

class ModelFiles {
public:
    // Writes the text to a temporary file and loads it into the model.
    static bool load(Model& model, const std::string& text);
    static std::string withCrLf(const std::string& text);
    // An uncompressed 24-bit TGA, rows bottom first, pixels given as RGB triples.
    static std::vector<unsigned char> tga24(int width, int height, const std::vector<unsigned char>& rgb);
};

// Makes a folder the working directory for the object's lifetime.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::string& path);
    ~WorkingDirectory();

private:
    std::string previous;
};
