// Floodlight: its shape, what it draws, the spot light it sets up and the
// night picture that light makes.
#include "scene/Floodlight.h"
#include "support/GlContext.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

Vec3 minus(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
float dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
float length(const Vec3& v) { return std::sqrt(dot(v, v)); }
Vec3 mean(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d) {
    return {(a.x + b.x + c.x + d.x) / 4, (a.y + b.y + c.y + d.y) / 4, (a.z + b.z + c.z + d.z) / 4};
}

std::vector<GLfloat> light(GLenum id, GLenum name) {
    std::vector<GLfloat> v(4);
    glGetLightfv(id, name, v.data());
    return v;
}

// The rings are circles of radius 0.06 about the foot, bend and head end; the
// head's rear, front and side normals are unit vectors pointing out of it.
TEST(FloodlightGeometry, RingsAndHeadNormals) {
    const Floodlight::Geometry g = Floodlight(1).geometry();
    for (int k = 0; k < Floodlight::ringPoints; ++k) {
        EXPECT_NEAR(length(g.lowerRing[k]), 0.06f, 1e-6f);
        EXPECT_NEAR(length(minus(g.jointRing[k], {0, 7, 1})), 0.06f, 1e-6f);
        EXPECT_NEAR(length(minus(g.upperRing[k], {0, 7.5f, 3.5f})), 0.06f, 1e-6f);
    }
    const auto& b = g.backFace;
    const auto& f = g.frontFace;
    const Vec3 rear = mean(b[0], b[1], b[2], b[3]), front = mean(f[0], f[1], f[2], f[3]);
    const Vec3 head = mean(rear, front, rear, front);
    const Vec3 faces[] = {rear, front, mean(b[0], b[1], f[1], f[0]), mean(f[3], f[2], b[2], b[3])};
    for (int i = 0; i < 4; ++i) EXPECT_GT(dot(g.faceNormals[i], minus(faces[i], head)), 0.05f) << i;
    for (const Vec3& n : g.faceNormals) EXPECT_NEAR(length(n), 1, 1e-6f);
}

struct Polygon {
    std::vector<Vec3> points;
    int red, green, blue;
};

// What draw() hands to GL, caught in feedback mode with lighting and culling
// off (so each vertex carries the current colour), in world units.
std::vector<Polygon> drawnPolygons(const Floodlight& lamp) {
    glViewport(0, 0, 240, 240);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-6, 6, -2, 10, 10, -10);  // window x = 20 (x + 6), y = 20 (y + 2), depth = (z + 10) / 20
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    std::vector<GLfloat> buffer(1 << 16);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    lamp.draw();
    const GLint used = glRenderMode(GL_RENDER);
    glEnable(GL_CULL_FACE);
    glEnable(GL_LIGHTING);
    std::vector<Polygon> polygons;
    for (GLint i = 0; i < used; i += 2 + 7 * static_cast<int>(buffer[i + 1])) {
        const GLfloat* v = &buffer[i + 2];
        Polygon p{{}, static_cast<int>(std::lround(v[3] * 255)), static_cast<int>(std::lround(v[4] * 255)),
                  static_cast<int>(std::lround(v[5] * 255))};
        for (int k = 0; k < buffer[i + 1]; ++k, v += 7) p.points.push_back({v[0] / 20 - 6, v[1] / 20 - 2, v[2] * 20 - 10});
        polygons.push_back(p);
    }
    return polygons;
}

bool isOneOf(const Vec3& point, std::initializer_list<Vec3> corners) {
    for (const Vec3& c : corners) {
        if (length(minus(point, c)) < 2e-3f) return true;
    }
    return false;
}

bool holds(const Polygon& polygon, const Vec3& a, const Vec3& b) {
    bool hasA = false, hasB = false;
    for (const Vec3& p : polygon.points) hasA = hasA || isOneOf(p, {a}), hasB = hasB || isOneOf(p, {b});
    return hasA && hasB;
}

// Entry 35 of the mast rings joins entry 0; the glass is the head's underside
// in the on or off colour; a lamp turned by 180 degrees puts its head at -z.
TEST(FloodlightDraw, ClosedMastAndGlassInTheSwitchColour) {
    REQUIRE_GL_CONTEXT();
    Floodlight lamp(3);
    lamp.setPosition({0.5f, 0, 0});
    lamp.setRotation({0, 180, 0});
    const auto& g = lamp.geometry();
    auto turned = [](const Vec3& v) { return Vec3{0.5f - v.x, v.y, -v.z}; };
    for (bool on : {false, true}) {
        if (on) lamp.switchOn();
        int lowerSeams = 0, upperSeams = 0, glass = 0;
        for (const Polygon& p : drawnPolygons(lamp)) {
            if (p.red == 181 && p.blue == 194) {
                lowerSeams += holds(p, turned(g.lowerRing[35]), turned(g.lowerRing[0]));
                upperSeams += holds(p, turned(g.upperRing[35]), turned(g.upperRing[0]));
            } else if (p.red != 37) {
                EXPECT_TRUE(on ? p.red == 239 && p.green == 201 && p.blue == 102 : p.red == 235 && p.green == 239 && p.blue == 234);
                for (const Vec3& v : p.points) {
                    EXPECT_TRUE(isOneOf(v, {turned(g.backFace[1]), turned(g.backFace[2]), turned(g.frontFace[1]),
                                            turned(g.frontFace[2])}));
                }
                glass += p.points[0].z < -3.4f;
            }
        }
        EXPECT_TRUE(lowerSeams > 0 && upperSeams > 0) << on;
        EXPECT_GT(glass, 0) << on;
    }
}

// Draw, setupLight and updateLightPosition take their transform off again; a
// draw leaves the colour white and the front material shiny.
TEST(FloodlightDraw, LeavesTheViewAndAWhiteShinyMaterial) {
    REQUIRE_GL_CONTEXT();
    glLoadIdentity();
    gluLookAt(-20, 130, 40, 30, 90, 0, 0, 1, 0);
    GLdouble view[16], after[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, view);
    Floodlight lamp(2);
    lamp.setPosition({26.22f, 100.42f, 21.8f});
    lamp.setRotation({10, 180, -30});
    lamp.draw();
    lamp.setupLight();
    lamp.updateLightPosition();
    glGetDoublev(GL_MODELVIEW_MATRIX, after);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(after[i], view[i], 1e-3) << i;
    GLfloat colour[4], specular[4], shininess = 0;
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
    EXPECT_EQ(std::vector<GLfloat>(colour, colour + 4), std::vector<GLfloat>(4, 1.0f));
    EXPECT_EQ(std::vector<GLfloat>(specular, specular + 4), std::vector<GLfloat>(4, 1.0f));
    EXPECT_EQ(shininess, 50.0f);
}

// Under an identity view the light sits in the head and a lamp turned by 180
// degrees shines down toward -z. Only lamps 1 to 7 own (and switch) a light;
// the others report GL_LIGHT0 but never touch the day light.
TEST(FloodlightLight, SpotFollowsTheLampAndStrayLampsLeaveTheDayLight) {
    REQUIRE_GL_CONTEXT();
    glLoadIdentity();
    Floodlight turned(2);
    turned.setPosition({26.22f, 100.42f, 21.8f});
    turned.setRotation({0, 180, 0});
    turned.setupLight();
    const std::vector<GLfloat> head = {26.22f, 107.92f, 18.07f, 1}, down = {0, -0.8f, -0.5f};
    const std::vector<GLfloat> position = light(GL_LIGHT2, GL_POSITION), spot = light(GL_LIGHT2, GL_SPOT_DIRECTION);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(position[i], head[i], 1e-4f);
    const float scale = std::sqrt((spot[0] * spot[0] + spot[1] * spot[1] + spot[2] * spot[2]) / 0.89f);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(spot[i] / scale, down[i], 1e-5f);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT2));
    turned.switchOn();
    EXPECT_TRUE(turned.isOn() && glIsEnabled(GL_LIGHT2));
    turned.switchOff();
    EXPECT_FALSE(turned.isOn() || glIsEnabled(GL_LIGHT2));

    EXPECT_EQ(Floodlight(1).lightId(), static_cast<GLenum>(GL_LIGHT1));
    EXPECT_EQ(Floodlight(7).lightId(), static_cast<GLenum>(GL_LIGHT7));
    glEnable(GL_LIGHT0);
    const std::vector<GLfloat> day = light(GL_LIGHT0, GL_POSITION);
    for (int index : {0, 8}) {
        Floodlight stray(index);
        EXPECT_EQ(stray.lightId(), static_cast<GLenum>(GL_LIGHT0));
        stray.setPosition({3, 4, 5});
        stray.setupLight();
        stray.updateLightPosition();
        stray.switchOff();
        EXPECT_TRUE(glIsEnabled(GL_LIGHT0) && light(GL_LIGHT0, GL_POSITION) == day) << index;
        EXPECT_EQ(light(GL_LIGHT0, GL_SPOT_CUTOFF)[0], 180.0f) << index;
        glDisable(GL_LIGHT0);
        stray.switchOn();
        EXPECT_FALSE(glIsEnabled(GL_LIGHT0)) << index;
        glEnable(GL_LIGHT0);
    }
}

// Red on a white plane (small quads, lit per vertex) where the lamp aims,
// (0, 0, 8.4), and well behind it, (0, 0, -12), seen from 30 units above.
std::pair<int, int> frame(const Floodlight& lamp) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    lamp.updateLightPosition();
    glCullFace(GL_BACK);
    glBegin(GL_QUADS);
    for (float x = -20; x < 20; x += 0.5f) {
        for (float z = -20; z < 20; z += 0.5f) {
            glVertex3f(x, 0, z), glVertex3f(x, 0, z + 0.5f), glVertex3f(x + 0.5f, 0, z + 0.5f), glVertex3f(x + 0.5f, 0, z);
        }
    }
    glEnd();
    glCullFace(GL_FRONT);
    const int w = GlContext::width(), h = GlContext::height();
    auto red = [&](float z) { return GlContext::pixel(w / 2, static_cast<int>(h / 2 - z * h / 34.64f))[0]; };
    return {red(8.4f), red(-12)};
}

// By night (day light off, the lamp on) the ground the lamp aims at is lit
// and the ground behind it dark; by day, or with the lamp off, no spot.
TEST(FloodlightPicture, NightSpotFallsWhereTheLampAims) {
    REQUIRE_GL_CONTEXT();
    const GLfloat grey[] = {0.8f, 0.8f, 0.8f, 1}, aboveTheEye[] = {0, 500, 0, 1};  // the start-up day light
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_DIFFUSE, grey);
    glLightfv(GL_LIGHT0, GL_POSITION, aboveTheEye);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glDisable(GL_TEXTURE_2D);
    glColor3f(1, 1, 1);
    glNormal3f(0, 1, 0);
    glViewport(0, 0, GlContext::width(), GlContext::height());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, static_cast<double>(GlContext::width()) / GlContext::height(), 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 30, 0, 0, 0, 0, 0, 0, -1);
    Floodlight lamp(1);
    lamp.setupLight();  // the spot keeps the direction it gets under this view

    const auto [daySpot, dayBehind] = frame(lamp);
    glDisable(GL_LIGHT0);
    lamp.switchOn();
    const auto [nightSpot, nightBehind] = frame(lamp);
    lamp.switchOff();
    const auto [darkSpot, darkBehind] = frame(lamp);
    glEnable(GL_LIGHT0);
    glEnable(GL_TEXTURE_2D);
    EXPECT_GT(nightSpot, nightBehind + 80);
    EXPECT_GT(std::abs(nightSpot - daySpot), 20);
    EXPECT_LT(std::abs(daySpot - dayBehind), 30);
    EXPECT_LT(std::abs(darkSpot - darkBehind), 5);
}

}  // namespace
