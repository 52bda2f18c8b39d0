// Textures: GL's texture objects over GLES ones. It keeps what GL needs to
// know of each (its levels and filters) to tell whether the texture is
// complete: GL then textures with it, and otherwise draws as if texturing were
// off, where GLES would sample black. GL_CLAMP becomes GLES's clamp to edge
// (GL would blend in its black border within half a texel of the edge). WebGL
// 1 samples a picture of no power-of-two size only clamped and unmipmapped:
// the game's pictures all have power-of-two sizes.
#pragma once

#include "Gles2Renderer.h"

#include <GL/gl.h>

#include <map>

namespace fixedgl {

class Textures {
public:
    explicit Textures(Gles2Renderer& renderer);
    ~Textures();
    Textures(const Textures&) = delete;
    Textures& operator=(const Textures&) = delete;

    void generate(GLsizei count, GLuint* names);
    void remove(GLsizei count, const GLuint* names);
    void bind(GLuint name);
    GLuint bound() const { return boundName; }
    bool isTexture(GLuint name) const { return name != 0 && objects.count(name) != 0; }

    // Tight rows of 3 (RGB) or 4 (RGBA) bytes a pixel; each a GL error.
    GLenum upload(GLint level, GLint internalFormat, GLsizei width, GLsizei height, int bytesPerPixel,
                  const unsigned char* pixels);
    GLenum parameter(GLenum name, GLint value);
    GLenum levelParameter(GLint level, GLenum name, GLint& value);

    // The GLES texture to draw with, 0 when the bound one is incomplete.
    unsigned drawable();

    static const int maxLevels = 16;

private:
    struct Object {
        unsigned gles = 0;
        int width[maxLevels] = {};
        int height[maxLevels] = {};
        int bytesPerPixel[maxLevels] = {};
        GLint minFilter = GL_NEAREST_MIPMAP_LINEAR;
    };

    Object& object(GLuint name);  // made on first bind, as GL does
    static bool complete(const Object& texture);

    Gles2Renderer& renderer;
    std::map<GLuint, Object> objects;
    GLuint boundName = 0;
    GLuint nextName = 1;
};

}  // namespace fixedgl
