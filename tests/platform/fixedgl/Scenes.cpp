#include "Scenes.h"

#include "scene/Floodlight.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

// A cleared frame, seen in perspective from the eye towards the centre.
void view(float grey, double eyeY, double eyeZ, double centreY, double centreZ) {
    glViewport(0, 0, sceneSize, sceneSize);
    glClearColor(grey, grey, grey + 0.1f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(40.0, 1.0, 1.0, 300.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0.0, eyeY, eyeZ, 0.0, centreY, centreZ, 0.0, 1.0, 0.0);
    glEnable(GL_DEPTH_TEST);
}

// A grid of quads facing up at y = 0, counter-clockwise seen from above,
// textured one unit a cell; rainbow gives every corner a colour of its own.
void floor(float x0, float z0, float size, int cells, bool rainbow = false) {
    const float step = size / static_cast<float>(cells);
    auto corner = [&](int i, int j) {
        if (rainbow) glColor3f(0.5f + 0.5f * std::sin(i * 0.7f), 0.5f + 0.5f * std::cos(j * 0.9f), (i + j) % 3 * 0.4f);
        glTexCoord2f(static_cast<float>(i), static_cast<float>(j));
        glVertex3f(x0 + step * static_cast<float>(i), 0.0f, z0 + step * static_cast<float>(j));
    };
    glBegin(GL_QUADS);
    glNormal3f(0.0f, 1.0f, 0.0f);
    for (int i = 0; i < cells; ++i) {
        for (int j = 0; j < cells; ++j) {
            corner(i, j);
            corner(i, j + 1);
            corner(i + 1, j + 1);
            corner(i + 1, j);
        }
    }
    glEnd();
}

// A picture of colour ramps crossed by stripes, bytes a pixel 3 or 4 (alpha a ramp too).
std::vector<unsigned char> picture(int width, int height, int bytes, int rowBytes) {
    std::vector<unsigned char> pixels(static_cast<std::size_t>(rowBytes) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            unsigned char* p = &pixels[static_cast<std::size_t>(y) * rowBytes + x * bytes];
            const bool stripe = (x / 3 + y / 5) % 2 == 0;
            p[0] = static_cast<unsigned char>(255 * x / width);
            p[1] = static_cast<unsigned char>(stripe ? 230 : 40);
            p[2] = static_cast<unsigned char>(255 * y / height);
            if (bytes == 4) p[3] = static_cast<unsigned char>(stripe ? 255 : 255 * x / width);
        }
    }
    return pixels;
}

// A new bound texture of the given filter; with a picture of RGB bytes, if any.
void texture(GLint filter, int width = 0, int height = 0, const unsigned char* pixels = nullptr) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter == GL_NEAREST ? GL_NEAREST : GL_LINEAR);
    if (pixels) glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, width, height, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels);
}

// A square of the given side at (x, y), showing the texture's square of side
// step at (s, t).
void quad2d(float x, float y, float size, float s = 0.0f, float t = 0.0f, float step = 1.0f) {
    glBegin(GL_QUADS);
    const int corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    for (const auto& c : corners) {
        glTexCoord2f(s + step * static_cast<float>(c[0]), t + step * static_cast<float>(c[1]));
        glVertex2f(x + size * static_cast<float>(c[0]), y + size * static_cast<float>(c[1]));
    }
    glEnd();
}

// Flat from here on: the frame as a square of the given side in scene units.
void flat(double side) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, side, 0.0, side, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
}

// Two of the game's lamps by night (attenuated spot lights) and a sideways
// directional light on a snow field of colour-tracking ambient and diffuse,
// a tube of glMaterial's emission and specular highlight under a push,
// rotate and scale, a patch of the colour left after tracking is switched
// off, and one tracking emission.
void lit() {
    view(0.02f, 24.0, 40.0, 2.0, 7.0);
    glEnable(GL_LIGHTING);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    glEnable(GL_COLOR_MATERIAL);
    Floodlight lamps[2] = {Floodlight(1), Floodlight(2)};
    lamps[0].setPosition(Vec3{-5.0f, 0.0f, 0.0f});
    lamps[1].setPosition(Vec3{5.0f, 0.0f, 18.0f});
    lamps[1].setRotation(Vec3{0.0f, 180.0f, 0.0f});
    for (Floodlight& lamp : lamps) {
        lamp.setupLight();
        lamp.switchOn();
        lamp.draw();
    }
    glCullFace(GL_BACK);
    const float sideways[4] = {1.0f, 0.3f, 0.2f, 0.0f};
    const float red[4] = {0.6f, 0.2f, 0.1f, 1.0f};
    glLightfv(GL_LIGHT3, GL_POSITION, sideways);
    glLightfv(GL_LIGHT3, GL_DIFFUSE, red);
    glLightfv(GL_LIGHT3, GL_SPECULAR, red);
    glEnable(GL_LIGHT3);
    floor(-12.0f, -4.0f, 24.0f, 24, true);
    glColor3f(1.0f, 0.5f, 0.2f);
    const float green[4] = {0.0f, 1.0f, 0.0f, 1.0f};
    glMaterialfv(GL_FRONT, GL_DIFFUSE, green);
    glDisable(GL_COLOR_MATERIAL);
    const float specular[4] = {0.9f, 0.9f, 0.8f, 1.0f}, emission[4] = {0.1f, 0.05f, 0.0f, 1.0f};
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialfv(GL_FRONT, GL_EMISSION, emission);
    glMaterialf(GL_FRONT, GL_SHININESS, 12.0f);
    glPushMatrix();
    {
        glTranslatef(2.0f, 0.0f, 8.0f);
        glRotatef(-30.0f, 0.0f, 0.0f, 1.0f);
        glScalef(2.5f, 1.5f, 1.0f);
        glBegin(GL_TRIANGLE_STRIP);  // an upright tube, outward faces counter-clockwise
        for (int k = 0; k <= 24; ++k) {
            const float a = 6.2831853f * static_cast<float>(k) / 24.0f;
            glNormal3f(std::cos(a), 0.0f, std::sin(a));
            glVertex3f(1.2f * std::cos(a), 0.0f, 1.2f * std::sin(a));
            glVertex3f(1.2f * std::cos(a), 3.0f, 1.2f * std::sin(a));
        }
        glEnd();
    }
    glPopMatrix();
    glTranslatef(0.0f, 0.1f, 0.0f);
    floor(-8.0f, 8.0f, 6.0f, 6);
    glColorMaterial(GL_FRONT, GL_EMISSION);
    glEnable(GL_COLOR_MATERIAL);
    floor(2.0f, 8.0f, 6.0f, 6, true);
}

// A receding floor with GLU's mipmaps of a picture of no power-of-two size;
// then flat: two textures GL can't use (no picture; a mipmap filter with one
// level), which draw as if texturing were off, pictures read through the
// unpack store (row length, skips, alignment, saved and put back by the
// client attribute stack) and scaled up by GLU; and text.
void textures() {
    view(0.5f, 4.0, 12.0, 0.0, -30.0);
    glEnable(GL_TEXTURE_2D);
    texture(GL_LINEAR_MIPMAP_LINEAR);
    const std::vector<unsigned char> floorPicture = picture(48, 40, 3, 48 * 3);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, 48, 40, GL_RGB, GL_UNSIGNED_BYTE, floorPicture.data());
    glPopClientAttrib();
    floor(-45.0f, -80.0f, 90.0f, 45);

    flat(6.0);
    glColor3f(1.0f, 0.8f, 0.6f);
    texture(GL_LINEAR);
    quad2d(0.1f, 2.1f, 0.8f);
    const std::vector<unsigned char> full = picture(64, 64, 3, 64 * 3);
    texture(GL_LINEAR_MIPMAP_NEAREST, 64, 64, full.data());
    glColor3f(0.2f, 0.9f, 0.4f);
    quad2d(1.1f, 2.1f, 0.8f);
    glColor3f(1.0f, 1.0f, 1.0f);

    const int rowLength = 61;  // 183 bytes a row, 184 at an alignment of 4
    const std::vector<unsigned char> big = picture(rowLength, 40, 3, 184);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, rowLength);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 7);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 5);
    texture(GL_NEAREST, 32, 16, big.data());
    glPopClientAttrib();
    quad2d(0.1f, 0.1f, 1.8f);
    const std::vector<unsigned char> padded = picture(2, 8, 3, 8);  // 6 bytes a row, 8 at an alignment of 4
    texture(GL_NEAREST, 2, 8, padded.data());
    quad2d(2.1f, 0.1f, 1.8f);
    const std::vector<unsigned char> small = picture(7, 5, 3, 24);
    std::vector<unsigned char> scaled(16 * 16 * 3);
    gluScaleImage(GL_RGB, 7, 5, GL_UNSIGNED_BYTE, small.data(), 16, 16, GL_UNSIGNED_BYTE, scaled.data());
    texture(GL_NEAREST, 16, 16, scaled.data());
    quad2d(4.1f, 0.1f, 1.8f);

    // The game's way with text, above: a glyph a display list, each moving
    // the pen, a string one glCallLists from a list base, blended. Glyphs of
    // ramps and stripes, a colour and a translucency of their own each.
    flat(32.0);
    const int side = 128;
    const std::vector<unsigned char> glyphs = picture(side, side, 4, side * 4);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    texture(GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, side, side, 0, GL_RGBA, GL_UNSIGNED_BYTE, glyphs.data());
    const GLuint base = glGenLists(256);
    const float step = 1.0f / 16.0f;
    for (GLuint glyph = 0; glyph < 256; ++glyph) {
        glNewList(base + glyph, GL_COMPILE);
        quad2d(0.0f, 0.0f, 16.0f, static_cast<float>(glyph % 16) * step, static_cast<float>(glyph / 16) * step, step);
        glTranslated(10.0, 0.0, 0.0);
        glEndList();
    }
    const char* lines[2] = {"Quorvel 2025!", "\xe9t\xe9 on snow"};
    for (int i = 0; i < 2; ++i) {
        glPushMatrix();
        glTranslated(1.0, 25.0 - 7.0 * i, 0.0);
        glScalef(0.2f, 0.4f, 1.0f);
        glColor4f(1.0f, 0.9f - 0.5f * static_cast<float>(i), 0.3f, 1.0f - 0.4f * static_cast<float>(i));
        glListBase(base - 32 + 128 * static_cast<GLuint>(i));
        glCallLists(static_cast<GLsizei>(std::strlen(lines[i])), i == 0 ? GL_BYTE : GL_UNSIGNED_BYTE, lines[i]);
        glPopMatrix();
    }
    glDeleteLists(base, 256);
}

}  // namespace

bool drawScene(const char* name) {
    void (*draw)() = std::strcmp(name, "lit") == 0 ? lit : std::strcmp(name, "textures") == 0 ? textures : nullptr;
    if (draw) draw();
    glFinish();
    return draw != nullptr;
}
