#include "Gles2Renderer.h"

#include <GLES2/gl2.h>
#include <cstddef>

namespace fixedgl {

Gles2Renderer::Gles2Renderer() {
    glGenBuffers(1, &buffer);
    // The layer hands over tight rows and reads tight rows back.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    // GL 1.1's starting state, whatever the GLES context saw before.
    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glBlendFunc(GL_ONE, GL_ZERO);
    glCullFace(GL_BACK);
    glFrontFace(GL_CCW);
    glDepthFunc(GL_LESS);
    glDepthMask(GL_TRUE);
    glLineWidth(1.0f);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, 0);
}

Gles2Renderer::~Gles2Renderer() { glDeleteBuffers(1, &buffer); }

void Gles2Renderer::draw(const Batch& batch) {
    const int lights = batch.shading ? batch.shading->lightCount : -1;
    std::unique_ptr<ShaderProgram>& slot = programs[batch.texture != 0][lights + 1];
    if (!slot) {
        slot = std::make_unique<ShaderProgram>(lights, batch.texture != 0);
        inUse = nullptr;
    }
    if (inUse != slot.get()) {
        slot->use();
        inUse = slot.get();
    }
    slot->setProjection(batch.projection, batch.projectionVersion);
    if (batch.shading) slot->setShading(*batch.shading, batch.shadingVersion);
    if (batch.texture != 0) bindTexture(batch.texture);

    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(sizeof(Vertex) * static_cast<std::size_t>(batch.count)),
                 batch.vertices, GL_STREAM_DRAW);
    struct Layout {
        ShaderProgram::Attribute attribute;
        GLint size;
        std::size_t offset;
    };
    const Layout layout[] = {{ShaderProgram::position, 4, offsetof(Vertex, position)},
                             {ShaderProgram::normal, 3, offsetof(Vertex, normal)},
                             {ShaderProgram::colour, 4, offsetof(Vertex, colour)},
                             {ShaderProgram::texCoord, 2, offsetof(Vertex, texCoord)}};
    for (const Layout& l : layout) {
        glEnableVertexAttribArray(l.attribute);
        glVertexAttribPointer(l.attribute, l.size, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                              reinterpret_cast<const void*>(l.offset));
    }
    glDrawArrays(batch.lines ? GL_LINES : GL_TRIANGLES, 0, batch.count);
}

void Gles2Renderer::enable(unsigned capability, bool on) {
    if (on) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

void Gles2Renderer::cullFace(unsigned mode) { glCullFace(mode); }

void Gles2Renderer::blendFunc(unsigned source, unsigned destination) { glBlendFunc(source, destination); }

void Gles2Renderer::lineWidth(float width) { glLineWidth(width); }

void Gles2Renderer::viewport(int x, int y, int width, int height) { glViewport(x, y, width, height); }

void Gles2Renderer::currentViewport(int box[4]) const { glGetIntegerv(GL_VIEWPORT, box); }

void Gles2Renderer::clearColour(float red, float green, float blue, float alpha) {
    glClearColor(red, green, blue, alpha);
}

void Gles2Renderer::clear(unsigned mask) { glClear(mask); }

void Gles2Renderer::flush() { glFlush(); }

void Gles2Renderer::finish() { glFinish(); }

void Gles2Renderer::readRgba(int x, int y, int width, int height, unsigned char* rgba) {
    glReadPixels(x, y, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}

unsigned Gles2Renderer::createTexture() {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    return texture;
}

void Gles2Renderer::deleteTexture(unsigned texture) {
    if (boundTexture == texture) boundTexture = 0;
    glDeleteTextures(1, &texture);
}

void Gles2Renderer::upload(unsigned texture, int level, int bytesPerPixel, int width, int height,
                           const unsigned char* pixels) {
    bindTexture(texture);
    const GLenum format = bytesPerPixel == 3 ? GL_RGB : GL_RGBA;
    glTexImage2D(GL_TEXTURE_2D, level, static_cast<GLint>(format), width, height, 0, format, GL_UNSIGNED_BYTE, pixels);
}

void Gles2Renderer::textureParameter(unsigned texture, unsigned name, int value) {
    bindTexture(texture);
    glTexParameteri(GL_TEXTURE_2D, name, value);
}

void Gles2Renderer::bindTexture(unsigned texture) {
    if (texture == boundTexture) return;
    glBindTexture(GL_TEXTURE_2D, texture);
    boundTexture = texture;
}

}  // namespace fixedgl
