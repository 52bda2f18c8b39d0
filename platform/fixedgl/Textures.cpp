#include "Textures.h"

#include "PixelStore.h"

#include <algorithm>
#include <vector>

namespace fixedgl {

namespace {

bool mipmapped(GLint filter) { return filter != GL_NEAREST && filter != GL_LINEAR; }

int bytesFor(GLint internalFormat) {
    switch (internalFormat) {
    case 3:
    case GL_RGB: return 3;
    case 4:
    case GL_RGBA: return 4;
    default: return 0;
    }
}

}  // namespace

Textures::Textures(Gles2Renderer& renderer) : renderer(renderer) {}

Textures::~Textures() {
    for (auto& entry : objects) renderer.deleteTexture(entry.second.gles);
}

void Textures::generate(GLsizei count, GLuint* names) {
    for (GLsizei i = 0; i < count; ++i) {
        while (objects.count(nextName) != 0) ++nextName;
        names[i] = nextName++;
    }
}

void Textures::remove(GLsizei count, const GLuint* names) {
    for (GLsizei i = 0; i < count; ++i) {
        auto it = objects.find(names[i]);
        if (names[i] == 0 || it == objects.end()) continue;
        renderer.deleteTexture(it->second.gles);
        objects.erase(it);
        if (boundName == names[i]) boundName = 0;
    }
}

void Textures::bind(GLuint name) {
    object(name);
    boundName = name;
}

Textures::Object& Textures::object(GLuint name) {
    Object& texture = objects[name];
    if (texture.gles == 0) texture.gles = renderer.createTexture();
    return texture;
}

GLenum Textures::upload(GLint level, GLint internalFormat, GLsizei width, GLsizei height, int bytesPerPixel,
                        const unsigned char* pixels) {
    const int bytes = bytesFor(internalFormat);
    if (bytes == 0) return GL_INVALID_VALUE;
    if (level < 0 || level >= maxLevels || width < 0 || height < 0) return GL_INVALID_VALUE;
    Object& texture = object(boundName);
    std::vector<unsigned char> converted;
    if (pixels && bytes != bytesPerPixel) {
        converted = PixelStore::reformat(pixels, static_cast<std::size_t>(width) * height, bytesPerPixel, bytes);
        pixels = converted.data();
    }
    renderer.upload(texture.gles, level, bytes, width, height, pixels);
    texture.width[level] = width;
    texture.height[level] = height;
    texture.bytesPerPixel[level] = bytes;
    return GL_NO_ERROR;
}

GLenum Textures::parameter(GLenum name, GLint value) {
    switch (name) {
    case GL_TEXTURE_MIN_FILTER:
        if (value != GL_NEAREST && value != GL_LINEAR &&
            (value < GL_NEAREST_MIPMAP_NEAREST || value > GL_LINEAR_MIPMAP_LINEAR))
            return GL_INVALID_ENUM;
        object(boundName).minFilter = value;
        break;
    case GL_TEXTURE_MAG_FILTER:
        if (value != GL_NEAREST && value != GL_LINEAR) return GL_INVALID_ENUM;
        break;
    case GL_TEXTURE_WRAP_S:
    case GL_TEXTURE_WRAP_T:
        if (value == GL_CLAMP) value = GL_CLAMP_TO_EDGE;
        if (value != GL_REPEAT && value != GL_CLAMP_TO_EDGE) return GL_INVALID_ENUM;
        break;
    default: return GL_INVALID_ENUM;
    }
    renderer.textureParameter(object(boundName).gles, name, value);
    return GL_NO_ERROR;
}

GLenum Textures::levelParameter(GLint level, GLenum name, GLint& value) {
    if (level < 0 || level >= maxLevels) return GL_INVALID_VALUE;
    const Object& texture = object(boundName);
    if (name == GL_TEXTURE_WIDTH) {
        value = texture.width[level];
    } else if (name == GL_TEXTURE_HEIGHT) {
        value = texture.height[level];
    } else {
        return GL_INVALID_ENUM;
    }
    return GL_NO_ERROR;
}

bool Textures::complete(const Object& texture) {
    int width = texture.width[0];
    int height = texture.height[0];
    if (width <= 0 || height <= 0) return false;
    if (!mipmapped(texture.minFilter)) return true;
    for (int level = 1; width > 1 || height > 1; ++level) {
        width = std::max(1, width / 2);
        height = std::max(1, height / 2);
        if (level >= maxLevels || texture.width[level] != width || texture.height[level] != height ||
            texture.bytesPerPixel[level] != texture.bytesPerPixel[0])
            return false;
    }
    return true;
}

unsigned Textures::drawable() {
    const Object& texture = object(boundName);
    return complete(texture) ? texture.gles : 0;
}

}  // namespace fixedgl
