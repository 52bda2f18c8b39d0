// Floodlight: its shape, what it draws, the spot light it sets up and the
// night picture that light makes.
#include "scene/Floodlight.h"
#include "support/GlContext.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

Vec3 minus(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
float dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
float length(const Vec3& v) { return std::sqrt(dot(v, v)); }
Vec3 mean(const Vec3& a, const Vec3& b, const Vec3& c, const Vec3& d) {
    return {(a.x + b.x + c.x + d.x) / 4, (a.y + b.y + c.y + d.y) / 4, (a.z + b.z + c.z + d.z) / 4};
}
bool holds(const std::vector<Vec3>& points, const Vec3& a) {
    return std::any_of(points.begin(), points.end(), [&](const Vec3& p) { return length(minus(p, a)) < 2e-3f; });
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
    const auto &b = g.backFace, &f = g.frontFace;
    const Vec3 rear = mean(b[0], b[1], b[2], b[3]), front = mean(f[0], f[1], f[2], f[3]);
    const Vec3 head = mean(rear, front, rear, front);
    const Vec3 faces[] = {rear, front, mean(b[0], b[1], f[1], f[0]), mean(f[3], f[2], b[2], b[3])};
    for (int i = 0; i < 4; ++i) EXPECT_GT(dot(g.faceNormals[i], minus(faces[i], head)), 0.05f) << i;
    for (const Vec3& n : g.faceNormals) EXPECT_NEAR(length(n), 1, 1e-6f);
}

struct Polygon {
    int colour;  // 0xRRGGBB
    std::vector<Vec3> points;
};

// What draw() hands to GL, caught in feedback mode with lighting and culling
// off (so each vertex carries the current colour). The viewport makes window
// x and y the world's; depth is (10 - z) / 20.
std::vector<Polygon> drawnPolygons(const Floodlight& lamp) {
    glViewport(-10, -10, 20, 20);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-10, 10, -10, 10, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    std::vector<GLfloat> buffer(1 << 16);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    lamp.draw();
    const GLint used = glRenderMode(GL_RENDER);
    glPopAttrib();
    std::vector<Polygon> polygons;
    for (GLint i = 0; i < used; i += 2 + 7 * static_cast<int>(buffer[i + 1])) {
        const GLfloat* v = &buffer[i + 2];
        auto byte = [&](int k) { return static_cast<int>(std::lround(v[k] * 255)); };
        polygons.push_back({byte(3) << 16 | byte(4) << 8 | byte(5), {}});
        for (int k = 0; k < buffer[i + 1]; ++k, v += 7) polygons.back().points.push_back({v[0], v[1], 10 - 20 * v[2]});
    }
    return polygons;
}

// Entry 35 of each mast ring joins entry 0; the glass, the head's underside,
// shows the on or off colour; a lamp turned by 180 degrees has its head at -z.
TEST(FloodlightDraw, ClosedMastAndGlassInTheSwitchColour) {
    REQUIRE_GL_CONTEXT();
    const int mast = 0xB5B5C2, housing = 0x25591B, glassOff = 0xEBEFEA, glassOn = 0xEFC966;
    Floodlight lamp(3);
    lamp.setPosition({0.5f, 0, 0});
    lamp.setRotation({0, 180, 0});
    const auto& g = lamp.geometry();
    auto turned = [](const Vec3& v) { return Vec3{0.5f - v.x, v.y, -v.z}; };
    const std::vector<Vec3> glass = {turned(g.backFace[1]), turned(g.backFace[2]), turned(g.frontFace[1]),
                                     turned(g.frontFace[2])};
    for (int glassColour : {glassOff, glassOn}) {
        if (glassColour == glassOn) lamp.switchOn();
        int seams = 0, glassPolygons = 0;
        for (const Polygon& p : drawnPolygons(lamp)) {
            for (const Floodlight::Ring* r : {&g.lowerRing, &g.upperRing}) {
                seams += p.colour == mast && holds(p.points, turned((*r)[35])) && holds(p.points, turned((*r)[0]));
            }
            if (p.colour == mast || p.colour == housing) continue;
            EXPECT_EQ(p.colour, glassColour);
            for (const Vec3& v : p.points) EXPECT_TRUE(holds(glass, v));
            ++glassPolygons;
        }
        EXPECT_EQ(seams, 2);  // one quad on each ring
        EXPECT_GT(glassPolygons, 0);
    }
}

// Under an identity view a lamp turned by 180 degrees has its light in the
// head, shining down toward -z. setupLight, updateLightPosition and draw take
// their transform off again, and a draw leaves the colour white; the switches
// enable and disable the lamp's light.
TEST(FloodlightLight, SpotFollowsTheLampAndTheViewStays) {
    REQUIRE_GL_CONTEXT();
    glLoadIdentity();
    Floodlight lamp(2);
    lamp.setPosition({26.22f, 100.42f, 21.8f});
    lamp.setRotation({0, 180, 0});
    lamp.setupLight();
    const std::vector<GLfloat> head = {26.22f, 107.92f, 18.07f, 1}, down = {0, -0.8f, -0.5f};
    const auto position = light(GL_LIGHT2, GL_POSITION), spot = light(GL_LIGHT2, GL_SPOT_DIRECTION);
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(position[i], head[i], 1e-4f) << i;
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(spot[i], down[i], 1e-5f) << i;

    gluLookAt(-20, 130, 40, 30, 90, 0, 0, 1, 0);
    lamp.setRotation({10, 180, -30});
    GLdouble view[16], after[16];
    GLfloat colour[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, view);
    lamp.draw();
    lamp.setupLight();
    lamp.updateLightPosition();
    glGetDoublev(GL_MODELVIEW_MATRIX, after);
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(after[i], view[i], 1e-3) << i;
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(std::vector<GLfloat>(colour, colour + 4), std::vector<GLfloat>(4, 1.0f));

    EXPECT_FALSE(glIsEnabled(GL_LIGHT2));
    lamp.switchOn();
    EXPECT_TRUE(lamp.isOn() && glIsEnabled(GL_LIGHT2));
    lamp.switchOff();
    EXPECT_FALSE(lamp.isOn() || glIsEnabled(GL_LIGHT2));
}

// Only lamps 1 to 7 own (and switch) a light; the others report GL_LIGHT0 but
// never touch the day light.
TEST(FloodlightLight, StrayLampsLeaveTheDayLight) {
    REQUIRE_GL_CONTEXT();
    const std::pair<int, GLenum> ids[] = {{0, GL_LIGHT0}, {1, GL_LIGHT1}, {7, GL_LIGHT7}, {8, GL_LIGHT0}};
    for (const auto& [index, id] : ids) EXPECT_EQ(Floodlight(index).lightId(), id) << index;
    glEnable(GL_LIGHT0);
    const auto day = light(GL_LIGHT0, GL_POSITION);
    for (int index : {0, 8}) {
        Floodlight stray(index);
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

// By night (day light off, the lamp on) the lit white ground (a finely split
// disk on y = 0, seen from 30 above) is bright where the lamp aims, (0, 0, 8.4),
// and dark well behind it, (0, 0, -12); by day there is no spot.
TEST(FloodlightPicture, NightSpotFallsWhereTheLampAims) {
    REQUIRE_GL_CONTEXT();
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    const GLfloat grey[] = {0.8f, 0.8f, 0.8f, 1}, aboveTheEye[] = {0, 500, 0, 1};  // the start-up day light
    glLoadIdentity();
    glLightfv(GL_LIGHT0, GL_DIFFUSE, grey);
    glLightfv(GL_LIGHT0, GL_POSITION, aboveTheEye);
    for (GLenum cap : {GL_LIGHTING, GL_LIGHT0, GL_DEPTH_TEST, GL_COLOR_MATERIAL}) glEnable(cap);
    for (GLenum cap : {GL_CULL_FACE, GL_TEXTURE_2D}) glDisable(cap);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glColor3f(1, 1, 1);
    const int w = GlContext::width(), h = GlContext::height();
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, static_cast<double>(w) / h, 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 30, 0, 0, 0, 0, 0, 0, -1);
    Floodlight lamp(1);
    lamp.setupLight();  // the spot keeps the direction it gets under this view
    GLUquadric* disk = gluNewQuadric();
    auto frame = [&] {  // the red where the lamp aims and behind it
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        lamp.updateLightPosition();
        glRotatef(-90, 1, 0, 0);
        gluDisk(disk, 0, 20, 90, 40);
        glRotatef(90, 1, 0, 0);
        auto red = [&](float z) { return GlContext::pixel(w / 2, static_cast<int>(h / 2 - z * h / 34.64f))[0]; };
        return std::pair<int, int>{red(8.4f), red(-12)};
    };
    const auto [daySpot, dayBehind] = frame();
    glDisable(GL_LIGHT0);
    lamp.switchOn();
    const auto [nightSpot, nightBehind] = frame();
    gluDeleteQuadric(disk);
    glPopAttrib();
    EXPECT_GT(nightSpot, nightBehind + 80);
    EXPECT_GT(std::abs(nightSpot - daySpot), 20);
    EXPECT_LT(std::abs(daySpot - dayBehind), 30);
}

}  // namespace
