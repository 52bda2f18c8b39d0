// Gles2Renderer: the one part of the layer that speaks GLES 2. It draws
// batches of eye-space vertices with a shader program chosen by lighting,
// light count and texturing (each made on first use), keeps the GLES textures
// and passes the state GL and GLES share straight on. Enum values it is given
// are those GLES shares with GL 1.1.
#pragma once

#include "ShaderProgram.h"
#include "Shading.h"
#include "Vertex.h"

#include <memory>

namespace fixedgl {

class Gles2Renderer {
public:
    struct Batch {
        const Vertex* vertices;
        int count;
        bool lines;
        const float* projection;
        unsigned projectionVersion;
        unsigned texture;        // 0: untextured
        const Shading* shading;  // null: unlit
        unsigned shadingVersion;
    };

    Gles2Renderer();  // with a GLES 2 context current
    ~Gles2Renderer();
    Gles2Renderer(const Gles2Renderer&) = delete;
    Gles2Renderer& operator=(const Gles2Renderer&) = delete;

    void draw(const Batch& batch);

    void enable(unsigned capability, bool on);
    void cullFace(unsigned mode);
    void blendFunc(unsigned source, unsigned destination);
    void lineWidth(float width);
    void viewport(int x, int y, int width, int height);
    void currentViewport(int box[4]) const;
    void clearColour(float red, float green, float blue, float alpha);
    void clear(unsigned mask);
    void flush();
    void finish();
    void readRgba(int x, int y, int width, int height, unsigned char* rgba);

    unsigned createTexture();
    void deleteTexture(unsigned texture);
    // Tight rows of 3 or 4 bytes a pixel; null pixels leave the level undefined in content.
    void upload(unsigned texture, int level, int bytesPerPixel, int width, int height, const unsigned char* pixels);
    void textureParameter(unsigned texture, unsigned name, int value);

private:
    void bindTexture(unsigned texture);

    std::unique_ptr<ShaderProgram> programs[2][maxLights + 2];  // [textured][0 unlit, 1 + light count]
    const ShaderProgram* inUse = nullptr;
    unsigned buffer = 0;
    unsigned boundTexture = 0;
};

}  // namespace fixedgl
