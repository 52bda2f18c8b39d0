// ShaderProgram: one GLSL ES 1.00 program of the layer: GL 1.1's per-vertex
// lighting for a given number of lights (or none at all: unlit), with or
// without a modulating texture. It uploads the projection and lighting
// uniforms only when their version moved since it last did.
#pragma once

#include "Shading.h"

namespace fixedgl {

class ShaderProgram {
public:
    enum Attribute { position, normal, colour, texCoord };

    // lights: -1 unlit, else the number of enabled lights.
    ShaderProgram(int lights, bool textured);
    ~ShaderProgram();
    ShaderProgram(const ShaderProgram&) = delete;
    ShaderProgram& operator=(const ShaderProgram&) = delete;

    void use() const;
    void setProjection(const float matrix[16], unsigned version);
    void setShading(const Shading& shading, unsigned version);

private:
    unsigned id = 0;
    int lightCount;
    int projection = -1;
    int lightPosition = -1, lightAmbient = -1, lightDiffuse = -1, lightSpecular = -1;
    int spotDirection = -1, spot = -1, attenuation = -1;
    int materialAmbient = -1, materialDiffuse = -1, materialSpecular = -1, materialEmission = -1;
    int shininess = -1, sceneAmbient = -1, tracked = -1;
    unsigned projectionVersion = ~0u;
    unsigned shadingVersion = ~0u;
};

}  // namespace fixedgl
