#include "Scenes.h"

#include "scene/Floodlight.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

void frame(float red, float green, float blue) {
    glViewport(0, 0, sceneSize, sceneSize);
    glClearColor(red, green, blue, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void view(double eyeX, double eyeY, double eyeZ, double centreX, double centreY, double centreZ) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(40.0, 1.0, 1.0, 300.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(eyeX, eyeY, eyeZ, centreX, centreY, centreZ, 0.0, 1.0, 0.0);
}

void light(GLenum light, const float position[4], const float diffuse[4]) {
    glLightfv(light, GL_POSITION, position);
    glLightfv(light, GL_DIFFUSE, diffuse);
    glLightfv(light, GL_SPECULAR, diffuse);
    glEnable(light);
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

// An upright tube of the given radius and height on y = 0, outward faces counter-clockwise.
void tube(float radius, float height) {
    const int sides = 24;
    glBegin(GL_TRIANGLE_STRIP);
    for (int k = 0; k <= sides; ++k) {
        const float a = 6.2831853f * static_cast<float>(k) / sides;
        glNormal3f(std::cos(a), 0.0f, std::sin(a));
        glVertex3f(radius * std::cos(a), 0.0f, radius * std::sin(a));
        glVertex3f(radius * std::cos(a), height, radius * std::sin(a));
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

GLuint newTexture(GLint minFilter) {
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, minFilter == GL_NEAREST ? GL_NEAREST : GL_LINEAR);
    return texture;
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

// A flat frame of the given side in scene units, cleared to a colour.
void flat(double side, float red, float green, float blue) {
    frame(red, green, blue);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, side, 0.0, side, -1.0, 1.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// Two of the game's lamps by night, their spot lights on a snow field.
void spotPool() {
    frame(0.02f, 0.02f, 0.05f);
    view(0.0, 24.0, 40.0, 0.0, 2.0, 7.0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    glEnable(GL_LIGHTING);
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
    glColor3f(0.9f, 0.95f, 1.0f);
    floor(-12.0f, -4.0f, 24.0f, 24);
}

// A local and a directional light on tubes of three materials: emission,
// specular highlights of two sharpnesses, under a push, rotate and scale.
void materials() {
    frame(0.3f, 0.5f, 0.8f);
    view(0.0, 6.0, 14.0, 0.0, 1.5, 0.0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_LIGHTING);
    const float day[4] = {0.0f, 500.0f, 0.0f, 1.0f};
    const float grey[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    glPushMatrix();
    {
        glLoadIdentity();
        light(GL_LIGHT0, day, grey);
    }
    glPopMatrix();
    const float sideways[4] = {1.0f, 0.3f, 0.2f, 0.0f};
    const float red[4] = {0.6f, 0.2f, 0.1f, 1.0f};
    light(GL_LIGHT3, sideways, red);
    const float looks[3][5][4] = {
        {{0.2f, 0.25f, 0.3f, 1}, {0.3f, 0.5f, 0.7f, 1}, {0.9f, 0.9f, 0.8f, 1}, {0.1f, 0.05f, 0.0f, 1}, {30}},
        {{0.3f, 0.1f, 0.1f, 1}, {0.8f, 0.3f, 0.2f, 1}, {0.5f, 0.5f, 0.5f, 1}, {0.0f, 0.0f, 0.0f, 1}, {4}},
        {{0.1f, 0.1f, 0.1f, 1}, {0.2f, 0.2f, 0.2f, 1}, {0.0f, 0.0f, 0.0f, 1}, {0.3f, 0.6f, 0.2f, 1}, {0}}};
    const GLenum names[5] = {GL_AMBIENT, GL_DIFFUSE, GL_SPECULAR, GL_EMISSION, GL_SHININESS};
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < 4; ++k) glMaterialfv(GL_FRONT, names[k], looks[i][k]);
        glMaterialf(GL_FRONT, GL_SHININESS, looks[i][4][0]);
        glPushMatrix();
        {
            glTranslatef(-4.0f + 4.0f * static_cast<float>(i), 0.0f, 0.0f);
            glRotatef(20.0f * static_cast<float>(i - 1), 0.0f, 0.0f, 1.0f);
            glScalef(1.0f + 0.4f * static_cast<float>(i), 1.0f + 0.5f * static_cast<float>(i), 1.0f);
            tube(1.2f, 3.0f);
        }
        glPopMatrix();
    }
    floor(-8.0f, -6.0f, 16.0f, 8);
}

// Colour material tracking ambient and diffuse (glMaterial leaves tracked
// colours alone), what stays after it is switched off, then tracking emission.
void colourMaterial() {
    frame(0.1f, 0.1f, 0.1f);
    view(0.0, 14.0, 16.0, 0.0, 0.0, 0.0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    const float lamp[4] = {2.0f, 6.0f, 4.0f, 1.0f};
    const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    light(GL_LIGHT0, lamp, white);
    glLightf(GL_LIGHT0, GL_LINEAR_ATTENUATION, 0.08f);
    glEnable(GL_COLOR_MATERIAL);
    floor(-9.0f, -4.0f, 6.0f, 6, true);
    glColor3f(1.0f, 0.5f, 0.2f);
    const float green[4] = {0.0f, 1.0f, 0.0f, 1.0f};
    glMaterialfv(GL_FRONT, GL_DIFFUSE, green);
    glDisable(GL_COLOR_MATERIAL);
    glColor3f(0.0f, 0.0f, 1.0f);
    floor(-3.0f, -4.0f, 6.0f, 6);
    glColorMaterial(GL_FRONT, GL_EMISSION);
    glEnable(GL_COLOR_MATERIAL);
    floor(3.0f, -4.0f, 6.0f, 6, true);
}

// A receding floor with GLU's mipmaps of a picture of no power-of-two size,
// and two textures GL can't use (no picture; a mipmap filter with one
// level), which draw as if texturing were off.
void mipmaps() {
    frame(0.5f, 0.6f, 0.7f);
    view(0.0, 4.0, 12.0, 0.0, 0.0, -30.0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_TEXTURE_2D);
    const float sun[4] = {0.3f, 1.0f, 0.5f, 0.0f};
    const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    light(GL_LIGHT0, sun, white);
    newTexture(GL_LINEAR_MIPMAP_LINEAR);
    const std::vector<unsigned char> floorPicture = picture(48, 40, 3, 48 * 3);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, 48, 40, GL_RGB, GL_UNSIGNED_BYTE, floorPicture.data());
    floor(-45.0f, -80.0f, 90.0f, 45);

    glDisable(GL_LIGHTING);
    glColor3f(1.0f, 0.8f, 0.6f);
    const std::vector<unsigned char> sidePicture = picture(64, 64, 3, 64 * 3);
    newTexture(GL_LINEAR);
    quad2d(0.0f, 1.0f, 2.0f);
    newTexture(GL_LINEAR_MIPMAP_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 64, 64, 0, GL_RGB, GL_UNSIGNED_BYTE, sidePicture.data());
    glColor3f(0.2f, 0.9f, 0.4f);
    quad2d(2.5f, 1.0f, 2.0f);
}

// Pictures read through the unpack store (row length, skips, alignment, saved
// and put back by the client attribute stack) and scaled by GLU, down and up.
void pixelStore() {
    flat(4.0, 0.0f, 0.0f, 0.0f);
    glEnable(GL_TEXTURE_2D);

    newTexture(GL_NEAREST);
    const int rowLength = 61;  // 183 bytes a row, 184 at an alignment of 4
    const std::vector<unsigned char> big = picture(rowLength, 40, 3, 184);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    {
        glPixelStorei(GL_UNPACK_ROW_LENGTH, rowLength);
        glPixelStorei(GL_UNPACK_SKIP_PIXELS, 7);
        glPixelStorei(GL_UNPACK_SKIP_ROWS, 5);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 32, 16, 0, GL_RGB, GL_UNSIGNED_BYTE, big.data());
    }
    glPopClientAttrib();
    quad2d(0.1f, 2.1f, 1.8f);

    newTexture(GL_NEAREST);
    const std::vector<unsigned char> padded = picture(2, 8, 3, 8);  // 6 bytes a row, 8 at an alignment of 4
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 8, 0, GL_RGB, GL_UNSIGNED_BYTE, padded.data());
    quad2d(2.1f, 2.1f, 1.8f);

    const int sizes[2][2] = {{30, 20}, {7, 5}};
    for (int i = 0; i < 2; ++i) {
        const int w = sizes[i][0];
        const int h = sizes[i][1];
        const std::vector<unsigned char> from = picture(w, h, 3, (w * 3 + 3) / 4 * 4);
        std::vector<unsigned char> scaled(16 * 16 * 3);
        gluScaleImage(GL_RGB, w, h, GL_UNSIGNED_BYTE, from.data(), 16, 16, GL_UNSIGNED_BYTE, scaled.data());
        newTexture(GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 16, 16, 0, GL_RGB, GL_UNSIGNED_BYTE, scaled.data());
        quad2d(0.1f + 2.0f * static_cast<float>(i), 0.1f, 1.8f);
    }
}

// The game's way with text: a glyph a display list, each moving the pen, a
// string one glCallLists from a list base, blended over a background.
void font() {
    flat(32.0, 0.2f, 0.1f, 0.3f);
    // Glyphs of ramps and stripes, a colour and a translucency of their own each.
    const int side = 128;
    const std::vector<unsigned char> glyphs = picture(side, side, 4, side * 4);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    newTexture(GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, side, side, 0, GL_RGBA, GL_UNSIGNED_BYTE, glyphs.data());
    const GLuint base = glGenLists(256);
    const float step = 1.0f / 16.0f;
    for (GLuint glyph = 0; glyph < 256; ++glyph) {
        const float s = static_cast<float>(glyph % 16) * step;
        const float t = static_cast<float>(glyph / 16) * step;
        glNewList(base + glyph, GL_COMPILE);
        {
            quad2d(0.0f, 0.0f, 16.0f, s, t, step);
            glTranslated(10.0, 0.0, 0.0);
        }
        glEndList();
    }
    const char* lines[2] = {"Quorvel 2025!", "\xe9t\xe9 on snow"};
    for (int i = 0; i < 2; ++i) {
        glPushMatrix();
        {
            glTranslated(1.0, 20.0 - 12.0 * i, 0.0);
            glScalef(0.2f, 0.4f, 1.0f);
            glColor4f(1.0f, 0.9f - 0.5f * static_cast<float>(i), 0.3f, 1.0f - 0.4f * static_cast<float>(i));
            glListBase(base - 32 + 128 * static_cast<GLuint>(i));
            glCallLists(static_cast<GLsizei>(std::strlen(lines[i])), i == 0 ? GL_BYTE : GL_UNSIGNED_BYTE, lines[i]);
        }
        glPopMatrix();
    }
    glDeleteLists(base, 256);
}

}  // namespace

bool drawScene(const char* name) {
    const struct {
        const char* name;
        void (*draw)();
    } scenes[] = {{"spot pool", spotPool}, {"materials", materials},    {"colour material", colourMaterial},
                  {"mipmaps", mipmaps},    {"pixel store", pixelStore}, {"font", font}};
    for (const auto& scene : scenes) {
        if (std::strcmp(scene.name, name) == 0) {
            scene.draw();
            glFinish();
            return true;
        }
    }
    return false;
}
