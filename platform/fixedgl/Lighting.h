// Lighting: GL 1.1's lights, materials and colour material. Light positions
// and spot directions go to eye space under the modelview current when they
// are given, as GL does. While colour material is on, the tracked material
// colours follow the current colour and glMaterial leaves them alone (Mesa's
// way). shading() hands the renderer its uniforms, rebuilt after a change.
#pragma once

#include "Matrix4.h"
#include "Shading.h"

#include <GL/gl.h>

namespace fixedgl {

class Lighting {
public:
    Lighting();

    // Each returns a GL error, GL_NO_ERROR when the call was taken.
    GLenum setLight(GLenum light, GLenum name, const float* values, const Matrix4& modelview);
    GLenum getLight(GLenum light, GLenum name, float* values) const;
    GLenum setMaterial(GLenum face, GLenum name, const float* values);
    GLenum getMaterial(GLenum face, GLenum name, float* values) const;
    GLenum setColorMaterial(GLenum face, GLenum mode, const float colour[4]);

    void enableColorMaterial(bool on, const float colour[4]);
    bool colorMaterialEnabled() const { return colourMaterialOn; }
    GLenum colorMaterialFace() const { return colourFace; }
    GLenum colorMaterialMode() const { return colourMode; }
    // The current colour changed.
    void trackColour(const float colour[4]);

    static bool isLight(GLenum cap) { return cap >= GL_LIGHT0 && cap < GL_LIGHT0 + maxLights; }
    void enableLight(GLenum light, bool on);
    bool lightEnabled(GLenum light) const { return lights[light - GL_LIGHT0].enabled; }

    const Shading& shading();
    unsigned version() const { return changes; }

private:
    static constexpr float noCone = 180.0f;  // the cutoff of a light that isn't a spot
    struct Light {
        float ambient[4] = {0, 0, 0, 1};
        float diffuse[4] = {0, 0, 0, 1};
        float specular[4] = {0, 0, 0, 1};
        float position[4] = {0, 0, 1, 0};
        float spotDirection[3] = {0, 0, -1};
        float spotExponent = 0.0f;
        float spotCutoff = noCone;
        float attenuation[3] = {1, 0, 0};
        bool enabled = false;
    };
    struct Material {
        float ambient[4] = {0.2f, 0.2f, 0.2f, 1};
        float diffuse[4] = {0.8f, 0.8f, 0.8f, 1};
        float specular[4] = {0, 0, 0, 1};
        float emission[4] = {0, 0, 0, 1};
        float shininess = 0.0f;
    };
    enum Colour { ambient = 1, diffuse = 2, specular = 4, emission = 8 };

    static int colours(GLenum name);  // the Colour bits a material name sets, 0 for none
    float* colour(Material& material, Colour which);
    void copyToTracked(const float colour[4]);
    int trackedOn(int face) const;  // face 0 front, 1 back
    void changed() {
        ++changes;
        stale = true;
    }

    Light lights[maxLights];
    Material materials[2];  // front, back
    bool colourMaterialOn = false;
    GLenum colourFace = GL_FRONT_AND_BACK;
    GLenum colourMode = GL_AMBIENT_AND_DIFFUSE;
    Shading uniforms;
    bool stale = true;
    unsigned changes = 0;
};

}  // namespace fixedgl
