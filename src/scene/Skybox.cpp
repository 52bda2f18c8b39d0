#include "scene/Skybox.h"

#include <GL/gl.h>

namespace {

struct Corner {
    float s, t;
    float x, y, z;
};

}  // namespace

Skybox::Skybox()
    : textures({{left, "textures\\left.bmp"},
                {right, "textures\\right.bmp"},
                {bottom, "textures\\bottom.bmp"},
                {top, "textures\\top.bmp"},
                {back, "textures\\back.bmp"},
                {front, "textures\\front.bmp"}},
               GL_LINEAR_MIPMAP_LINEAR, true) {}

Skybox::~Skybox() = default;

// The faces wind counter-clockwise as seen from inside, against the scene's
// front-face culling, so back faces are culled while the box is drawn.
void Skybox::draw() const {
    glCullFace(GL_BACK);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    drawFaces();
    glCullFace(GL_FRONT);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
}

// Texture coordinates stop 0.01 short of every edge, so no face samples its
// picture's border and the seams stay clean. Seen from inside, every wall
// shows its picture upright with s growing to the viewer's right.
void Skybox::drawFaces() const {
    const float x0 = originX, y0 = originY, z0 = originZ;
    const float x1 = x0 + width, y1 = y0 + height, z1 = z0 + depth;
    const float lo = 0.01f, hi = 0.99f;
    const Corner faces[faceCount][4] = {
        {{hi, lo, x1, y0, z0}, {hi, hi, x1, y1, z0}, {lo, hi, x0, y1, z0}, {lo, lo, x0, y0, z0}},
        {{hi, lo, x0, y0, z1}, {hi, hi, x0, y1, z1}, {lo, hi, x1, y1, z1}, {lo, lo, x1, y0, z1}},
        {{hi, lo, x0, y0, z0}, {hi, hi, x0, y0, z1}, {lo, hi, x1, y0, z1}, {lo, lo, x1, y0, z0}},
        {{lo, hi, x1, y1, z0}, {lo, lo, x1, y1, z1}, {hi, lo, x0, y1, z1}, {hi, hi, x0, y1, z0}},
        {{hi, hi, x0, y1, z0}, {lo, hi, x0, y1, z1}, {lo, lo, x0, y0, z1}, {hi, lo, x0, y0, z0}},
        {{lo, lo, x1, y0, z0}, {hi, lo, x1, y0, z1}, {hi, hi, x1, y1, z1}, {lo, hi, x1, y1, z0}},
    };
    const Face order[faceCount] = {left, right, bottom, top, back, front};
    for (int i = 0; i < faceCount; ++i) {
        glBindTexture(GL_TEXTURE_2D, textures.texture(order[i]));
        glBegin(GL_QUADS);
        for (const Corner& c : faces[i]) {
            glTexCoord2f(c.s, c.t);
            glVertex3f(c.x, c.y, c.z);
        }
        glEnd();
    }
}
