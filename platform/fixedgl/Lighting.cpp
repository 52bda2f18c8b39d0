#include "Lighting.h"

#include <algorithm>
#include <cmath>

namespace fixedgl {

namespace {
const float sceneAmbient[4] = {0.2f, 0.2f, 0.2f, 1.0f};
const float maxExponent = 128.0f;
const float noConeCosine = -2.0f;

void copy(float* to, const float* from, int count) { std::copy(from, from + count, to); }

bool facesOf(GLenum face, bool& front, bool& back) {
    front = face == GL_FRONT || face == GL_FRONT_AND_BACK;
    back = face == GL_BACK || face == GL_FRONT_AND_BACK;
    return front || back;
}
}  // namespace

Lighting::Lighting() {
    const float white[4] = {1, 1, 1, 1};
    copy(lights[0].diffuse, white, 4);
    copy(lights[0].specular, white, 4);
}

GLenum Lighting::setLight(GLenum light, GLenum name, const float* values, const Matrix4& modelview) {
    if (!isLight(light)) return GL_INVALID_ENUM;
    Light& l = lights[light - GL_LIGHT0];
    switch (name) {
    case GL_AMBIENT: copy(l.ambient, values, 4); break;
    case GL_DIFFUSE: copy(l.diffuse, values, 4); break;
    case GL_SPECULAR: copy(l.specular, values, 4); break;
    case GL_POSITION: {
        const auto eye = modelview.transform(values);
        copy(l.position, eye.data(), 4);
        break;
    }
    case GL_SPOT_DIRECTION: {
        const auto eye = modelview.transformDirection(values);
        copy(l.spotDirection, eye.data(), 3);
        break;
    }
    case GL_SPOT_EXPONENT:
        if (values[0] < 0.0f || values[0] > maxExponent) return GL_INVALID_VALUE;
        l.spotExponent = values[0];
        break;
    case GL_SPOT_CUTOFF:
        if ((values[0] < 0.0f || values[0] > 90.0f) && values[0] != noCone) return GL_INVALID_VALUE;
        l.spotCutoff = values[0];
        break;
    case GL_CONSTANT_ATTENUATION:
    case GL_LINEAR_ATTENUATION:
    case GL_QUADRATIC_ATTENUATION:
        if (values[0] < 0.0f) return GL_INVALID_VALUE;
        l.attenuation[name - GL_CONSTANT_ATTENUATION] = values[0];
        break;
    default: return GL_INVALID_ENUM;
    }
    changed();
    return GL_NO_ERROR;
}

GLenum Lighting::getLight(GLenum light, GLenum name, float* values) const {
    if (!isLight(light)) return GL_INVALID_ENUM;
    const Light& l = lights[light - GL_LIGHT0];
    switch (name) {
    case GL_AMBIENT: copy(values, l.ambient, 4); break;
    case GL_DIFFUSE: copy(values, l.diffuse, 4); break;
    case GL_SPECULAR: copy(values, l.specular, 4); break;
    case GL_POSITION: copy(values, l.position, 4); break;
    case GL_SPOT_DIRECTION: copy(values, l.spotDirection, 3); break;
    case GL_SPOT_EXPONENT: values[0] = l.spotExponent; break;
    case GL_SPOT_CUTOFF: values[0] = l.spotCutoff; break;
    case GL_CONSTANT_ATTENUATION:
    case GL_LINEAR_ATTENUATION:
    case GL_QUADRATIC_ATTENUATION: values[0] = l.attenuation[name - GL_CONSTANT_ATTENUATION]; break;
    default: return GL_INVALID_ENUM;
    }
    return GL_NO_ERROR;
}

int Lighting::colours(GLenum name) {
    switch (name) {
    case GL_AMBIENT: return ambient;
    case GL_DIFFUSE: return diffuse;
    case GL_SPECULAR: return specular;
    case GL_EMISSION: return emission;
    case GL_AMBIENT_AND_DIFFUSE: return ambient | diffuse;
    default: return 0;
    }
}

float* Lighting::colour(Material& material, Colour which) {
    switch (which) {
    case ambient: return material.ambient;
    case diffuse: return material.diffuse;
    case specular: return material.specular;
    default: return material.emission;
    }
}

int Lighting::trackedOn(int face) const {
    bool front = false;
    bool back = false;
    facesOf(colourFace, front, back);
    return colourMaterialOn && (face == 0 ? front : back) ? colours(colourMode) : 0;
}

GLenum Lighting::setMaterial(GLenum face, GLenum name, const float* values) {
    bool front = false;
    bool back = false;
    if (!facesOf(face, front, back)) return GL_INVALID_ENUM;
    if (name == GL_SHININESS) {
        if (values[0] < 0.0f || values[0] > maxExponent) return GL_INVALID_VALUE;
        if (front) materials[0].shininess = values[0];
        if (back) materials[1].shininess = values[0];
        changed();
        return GL_NO_ERROR;
    }
    const int set = colours(name);
    if (set == 0) return GL_INVALID_ENUM;
    for (int side = 0; side < 2; ++side) {
        if (!(side == 0 ? front : back)) continue;
        const int untracked = set & ~trackedOn(side);
        for (Colour c : {ambient, diffuse, specular, emission}) {
            if (untracked & c) copy(colour(materials[side], c), values, 4);
        }
    }
    changed();
    return GL_NO_ERROR;
}

GLenum Lighting::getMaterial(GLenum face, GLenum name, float* values) const {
    if (face != GL_FRONT && face != GL_BACK) return GL_INVALID_ENUM;
    const Material& m = materials[face == GL_FRONT ? 0 : 1];
    switch (name) {
    case GL_AMBIENT: copy(values, m.ambient, 4); break;
    case GL_DIFFUSE: copy(values, m.diffuse, 4); break;
    case GL_SPECULAR: copy(values, m.specular, 4); break;
    case GL_EMISSION: copy(values, m.emission, 4); break;
    case GL_SHININESS: values[0] = m.shininess; break;
    default: return GL_INVALID_ENUM;
    }
    return GL_NO_ERROR;
}

GLenum Lighting::setColorMaterial(GLenum face, GLenum mode, const float colour[4]) {
    bool front = false;
    bool back = false;
    if (!facesOf(face, front, back) || colours(mode) == 0) return GL_INVALID_ENUM;
    colourFace = face;
    colourMode = mode;
    copyToTracked(colour);
    changed();
    return GL_NO_ERROR;
}

void Lighting::enableColorMaterial(bool on, const float colour[4]) {
    if (on == colourMaterialOn) return;
    colourMaterialOn = on;
    copyToTracked(colour);
    changed();
}

void Lighting::trackColour(const float colour[4]) { copyToTracked(colour); }

// The shader reads tracked colours from the vertex, so following the colour
// needs no new uniforms.
void Lighting::copyToTracked(const float value[4]) {
    for (int side = 0; side < 2; ++side) {
        const int tracked = trackedOn(side);
        for (Colour c : {ambient, diffuse, specular, emission}) {
            if (tracked & c) copy(colour(materials[side], c), value, 4);
        }
    }
}

void Lighting::enableLight(GLenum light, bool on) {
    if (lights[light - GL_LIGHT0].enabled == on) return;
    lights[light - GL_LIGHT0].enabled = on;
    changed();
}

const Shading& Lighting::shading() {
    if (!stale) return uniforms;
    stale = false;
    Shading& s = uniforms;
    s.lightCount = 0;
    for (const Light& l : lights) {
        if (!l.enabled) continue;
        const int i = s.lightCount++;
        const bool local = l.position[3] != 0.0f;
        for (int k = 0; k < 3; ++k) s.lightPosition[i][k] = local ? l.position[k] / l.position[3] : l.position[k];
        s.lightPosition[i][3] = local ? 1.0f : 0.0f;
        copy(s.lightAmbient[i], l.ambient, 4);
        copy(s.lightDiffuse[i], l.diffuse, 4);
        copy(s.lightSpecular[i], l.specular, 4);
        const float length =
            std::sqrt(l.spotDirection[0] * l.spotDirection[0] + l.spotDirection[1] * l.spotDirection[1] +
                      l.spotDirection[2] * l.spotDirection[2]);
        for (int k = 0; k < 3; ++k) s.spotDirection[i][k] = length > 0.0f ? l.spotDirection[k] / length : 0.0f;
        s.spotCosineAndExponent[i][0] = l.spotCutoff == noCone
                                            ? noConeCosine
                                            : static_cast<float>(std::cos(l.spotCutoff * Matrix4::radiansPerDegree));
        s.spotCosineAndExponent[i][1] = l.spotExponent;
        const float none[3] = {1, 0, 0};
        copy(s.attenuation[i], local ? l.attenuation : none, 3);
    }
    const Material& front = materials[0];
    copy(s.materialAmbient, front.ambient, 4);
    copy(s.materialDiffuse, front.diffuse, 4);
    copy(s.materialSpecular, front.specular, 4);
    copy(s.materialEmission, front.emission, 4);
    s.shininess = front.shininess;
    copy(s.sceneAmbient, sceneAmbient, 4);
    const int tracked = trackedOn(0);
    const Colour order[4] = {ambient, diffuse, specular, emission};
    for (int k = 0; k < 4; ++k) s.tracked[k] = (tracked & order[k]) ? 1.0f : 0.0f;
    return s;
}

}  // namespace fixedgl
