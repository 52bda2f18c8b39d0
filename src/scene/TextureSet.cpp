#include "scene/TextureSet.h"

#include "image/Image.h"

#include <GL/gl.h>

TextureSet::TextureSet(std::initializer_list<File> files, int minFilter, bool clampEdges) {
    for (std::size_t i = 0; i < files.size(); ++i) images.push_back(std::make_unique<Image>());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (const File& file : files) {
        Image& image = *images.at(static_cast<std::size_t>(file.slot));
        image.load(file.name);
        image.makeMipmappedRgbTexture(minFilter);
        if (clampEdges) {
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
        }
    }
}

TextureSet::~TextureSet() = default;

unsigned int TextureSet::texture(int slot) const { return images.at(static_cast<std::size_t>(slot))->texture; }

bool TextureSet::hasPicture(int slot) const {
    return images.at(static_cast<std::size_t>(slot))->pixelData() != nullptr;
}
