// Shading: the lighting uniforms of one draw, in the shader's own terms: the
// enabled lights packed from the first slot on, in eye space, and which
// material colours follow the vertex colour instead of the material.
#pragma once

namespace fixedgl {

constexpr int maxLights = 8;

struct Shading {
    int lightCount = 0;
    float lightPosition[maxLights][4] = {};  // w 1 for a local light, 0 for a direction
    float lightAmbient[maxLights][4] = {};
    float lightDiffuse[maxLights][4] = {};
    float lightSpecular[maxLights][4] = {};
    float spotDirection[maxLights][3] = {};          // unit length
    float spotCosineAndExponent[maxLights][2] = {};  // cosine below -1: no cone
    float attenuation[maxLights][3] = {};            // constant, linear, quadratic

    float materialAmbient[4] = {};
    float materialDiffuse[4] = {};
    float materialSpecular[4] = {};
    float materialEmission[4] = {};
    float shininess = 0.0f;
    float sceneAmbient[4] = {};
    float tracked[4] = {};  // ambient, diffuse, specular, emission: 1 when they follow the colour
};

}  // namespace fixedgl
