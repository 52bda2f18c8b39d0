// Skybox: the textured box of sky and surroundings that stands around the course.
#pragma once

#include "scene/TextureSet.h"

class Skybox {
public:
    enum Face { top, bottom, right, left, back, front, faceCount };

    // Loads the six pictures ("textures\top.bmp" and so on) into mipmapped
    // textures; a picture that can't be read leaves its face untextured.
    Skybox();
    virtual ~Skybox();
    Skybox(const Skybox&) = delete;
    Skybox& operator=(const Skybox&) = delete;

    // The six inward-facing quads. Leaves front faces culled and colour
    // material tracking the front material only.
    void draw() const;

private:
    void drawFaces() const;

    float width = 600.0f;
    float height = 180.0f;
    float depth = 600.0f;
    TextureSet textures;
    float originX = -250.0f;
    float originY = 0.0f;
    float originZ = -300.0f;
};
