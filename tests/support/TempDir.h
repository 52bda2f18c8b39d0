// TempDir: a fresh folder for files a test writes, removed with the object.
#pragma once

#include <string>
#include <vector>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return root; }

    // Writes bytes to path()/name (creating sub-folders) and returns the full path.
    std::string write(const std::string& name, const std::vector<unsigned char>& bytes) const;
    std::string write(const std::string& name, const std::string& text) const;

private:
    std::string root;
};
