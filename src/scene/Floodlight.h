// Floodlight: one lamp post beside the course and the OpenGL spot light it owns.
#pragma once

#include "common/Vec3.h"

#include <GL/gl.h>

#include <array>

class Floodlight {
public:
    static constexpr int ringPoints = 36;
    using Ring = std::array<Vec3, ringPoints>;

    // The lamp's computed shape in its own frame: y up, the mast foot at the
    // origin, the head toward positive z.
    struct Geometry {
        Ring lowerRing;  // mast cross-section at the foot
        Ring jointRing;  // at the bend
        Ring upperRing;  // at the head end of the arm
        Ring mastNormals;
        Ring armNormals;
        std::array<Vec3, 4> backFace;     // lamp head, rear plate
        std::array<Vec3, 4> frontFace;    // lamp head, front plate
        std::array<Vec3, 6> faceNormals;  // rear, front, +x side, -x side, top, glass
    };

    // Switched off, at the origin, unrotated; index is the light it owns (1 to 7).
    explicit Floodlight(int index);
    virtual ~Floodlight();

    void setPosition(const Vec3& foot);
    void setRotation(const Vec3& degrees);  // applied about x, then y, then z

    // GL_LIGHT1 to GL_LIGHT7 for index 1 to 7; GL_LIGHT0 for any other index.
    GLenum lightId() const;
    // Only a lamp with index 1 to 7 owns a light. Without one, switchOn/Off,
    // setupLight and updateLightPosition leave every light alone (they would
    // otherwise reach the day light, GL_LIGHT0).
    bool ownsLight() const;

    // Set the on flag (the glass colour) and enable or disable the light.
    void switchOn();
    void switchOff();

    // Give the light all its parameters, or its position again, under the
    // current modelview matrix and the lamp's own transform. Neither enables
    // nor disables the light.
    void setupLight() const;
    void updateLightPosition() const;

    // Mast and head under the lamp's transform; leaves the colour white and the
    // front material specular white with shininess 50.
    void draw() const;

    bool isOn() const { return on; }
    const Geometry& geometry() const { return shape; }

private:
    void computeMast();
    void computeHead();
    void applyTransform() const;
    void removeTransform() const;
    void drawMast() const;
    void drawHousing() const;
    void drawGlass() const;

    bool on = false;
    Vec3 position;
    Vec3 rotation;
    Geometry shape;
    int index;
};
