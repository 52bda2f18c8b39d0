// ModelFiles: helpers the model tests share for writing model and texture files.
#pragma once

#include <string>
#include <vector>

class ModelFiles {
public:
    // The text with every LF turned into CR LF.
    static std::string withCrLf(const std::string& text);

    // An uncompressed 24-bit TGA, rows bottom first, pixels given as RGB triples.
    static std::vector<unsigned char> tga24(int width, int height, const std::vector<unsigned char>& rgb);
};

// Makes a folder the working directory for the object's lifetime.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::string& path);
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::string previous;
};
