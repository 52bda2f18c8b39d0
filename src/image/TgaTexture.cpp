#include "image/TgaTexture.h"

#include "common/DataFile.h"
#include "image/TgaTextureReader.h"

#include <GL/gl.h>

#include <cstdlib>

namespace {

// Rows are tightly packed, so the upload must not assume 4-byte row alignment.
void upload(TgaTexture& decoded) {
    glGenTextures(1, &decoded.textureId);
    glBindTexture(GL_TEXTURE_2D, decoded.textureId);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    GLenum format = decoded.bitsPerPixel == 24 ? GL_RGB : GL_RGBA;
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    {
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
        glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
        glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
        glTexImage2D(GL_TEXTURE_2D, 0, static_cast<GLint>(format), static_cast<GLsizei>(decoded.width),
                     static_cast<GLsizei>(decoded.height), 0, format, GL_UNSIGNED_BYTE, decoded.imageData.data());
    }
    glPopClientAttrib();
}

}  // namespace

bool loadTgaTexture(const char* fileName, unsigned int* texture) {
    TgaTexture decoded;
    {
        DataFile::Handle file(DataFile::open(fileName, "rb"));
        if (!file || !readTgaTexture(file.get(), decoded)) std::exit(1);
    }
    upload(decoded);
    if (texture) *texture = decoded.textureId;
    return true;
}
