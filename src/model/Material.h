// Material: the colours, shininess and texture a mesh is drawn with.
#pragma once

#include <cstdio>

class Material {
public:
    // Reads the nine lines of one material and then loads its texture. Lines
    // one to seven must match; the two file-name lines must be present but
    // give an empty name unless they hold a quoted one. False at the first
    // missing or unmatched line (the texture is then not loaded). Names keep
    // their first 31 characters.
    bool read(std::FILE* file);

    // texture = 0 for an empty textureFile, else the GL texture made from the
    // file (the texture loader ends the program when it can't read it).
    void loadTexture();

    // Sets the front material colours and shininess, and binds and enables
    // the texture (or disables 2D texturing without one). The state stays.
    void apply() const;

    char name[32] = {};
    float ambient[4] = {};
    float diffuse[4] = {};
    float specular[4] = {};
    float emissive[4] = {};
    float shininess = 0.0f;
    float transparency = 0.0f;
    char textureFile[32] = {};
    char alphaTextureFile[32] = {};
    unsigned int texture = 0;

private:
    bool readColours(std::FILE* file);
};
