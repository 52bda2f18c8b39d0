#include "model/Material.h"

#include "image/TgaTexture.h"
#include "model/TextLine.h"

#include <GL/gl.h>

#include <algorithm>

namespace {

bool readColour(std::FILE* file, float colour[4]) {
    TextLine line;
    float c[4];
    if (!line.readFields(file, "%f %f %f %f", {c[0], c[1], c[2], c[3]})) return false;
    std::copy(c, c + 4, colour);
    return true;
}

// The line must be there; the name is taken only when the line holds one.
bool readOptionalName(std::FILE* file, char (&name)[32]) {
    TextLine line;
    name[0] = '\0';
    if (!line.read(file)) return false;
    line.scan(TextLine::nameFormat, {name});
    return true;
}

}  // namespace

bool Material::read(std::FILE* file) {
    TextLine line;
    if (!line.readFields(file, TextLine::nameFormat, {name})) return false;
    if (!readColours(file)) return false;
    if (!line.readFields(file, "%f", {shininess})) return false;
    if (!line.readFields(file, "%f", {transparency})) return false;
    if (!readOptionalName(file, textureFile)) return false;
    if (!readOptionalName(file, alphaTextureFile)) return false;
    loadTexture();
    return true;
}

bool Material::readColours(std::FILE* file) {
    return readColour(file, ambient) && readColour(file, diffuse) && readColour(file, specular) &&
           readColour(file, emissive);
}

void Material::loadTexture() {
    texture = 0;
    if (textureFile[0] != '\0') loadTgaTexture(textureFile, &texture);
}

void Material::apply() const {
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialfv(GL_FRONT, GL_EMISSION, emissive);
    // GL refuses exponents outside 0..128 and would keep the previous one.
    glMaterialf(GL_FRONT, GL_SHININESS, std::clamp(shininess, 0.0f, 128.0f));
    if (texture == 0) {
        glDisable(GL_TEXTURE_2D);
    } else {
        glBindTexture(GL_TEXTURE_2D, texture);
        glEnable(GL_TEXTURE_2D);
    }
}
