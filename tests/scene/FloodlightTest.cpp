// Floodlight: its computed shape, what it draws, the spot light it sets up,
// and the night picture that light makes.
#include "scene/Floodlight.h"
#include "support/GlContext.h"

#include <GL/glu.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

float length(const Vec3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }
Vec3 minus(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
float dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 centre(const std::vector<Vec3>& points) {
    Vec3 sum;
    for (const Vec3& p : points) sum = {sum.x + p.x, sum.y + p.y, sum.z + p.z};
    const float n = static_cast<float>(points.size());
    return {sum.x / n, sum.y / n, sum.z / n};
}

// The game's start-up state, with the day light as start-up gives it and
// every floodlight light off.
void startUpState() {
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    const GLfloat noSpecular[] = {0, 0, 0, 1};
    glMaterialfv(GL_FRONT, GL_SPECULAR, noSpecular);
    glMaterialf(GL_FRONT, GL_SHININESS, 1.0f);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const GLfloat grey[] = {0.8f, 0.8f, 0.8f, 1};
    const GLfloat white[] = {1, 1, 1, 1};
    const GLfloat above[] = {0, 500, 0, 1};
    glLightfv(GL_LIGHT0, GL_AMBIENT, grey);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, grey);
    glLightfv(GL_LIGHT0, GL_SPECULAR, white);
    glLightfv(GL_LIGHT0, GL_POSITION, above);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    for (int i = 1; i <= 7; ++i) glDisable(GL_LIGHT0 + i);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glColor4f(1, 1, 1, 1);
}

std::array<GLfloat, 4> lightValue(GLenum light, GLenum name) {
    std::array<GLfloat, 4> v{};
    glGetLightfv(light, name, v.data());
    return v;
}

std::array<GLdouble, 16> modelview() {
    std::array<GLdouble, 16> m{};
    glGetDoublev(GL_MODELVIEW_MATRIX, m.data());
    return m;
}

// ---- Geometry ------------------------------------------------------------

// The three rings are circles of radius 0.06 about the foot, the bend and the
// head end, with their 36 points 10 degrees apart all the way round.
TEST(FloodlightGeometry, RingsAreEvenCirclesAboutTheMastLine) {
    const Floodlight lamp(1);
    const auto& g = lamp.geometry();
    const struct {
        const Floodlight::Ring& ring;
        Vec3 middle;
    } rings[] = {{g.lowerRing, {0, 0, 0}}, {g.jointRing, {0, 7, 1}}, {g.upperRing, {0, 7.5f, 3.5f}}};
    const float chord = 2.0f * 0.06f * std::sin(5.0f * 3.14159265f / 180.0f);
    for (const auto& r : rings) {
        for (int k = 0; k < Floodlight::ringPoints; ++k) {
            const Vec3& here = r.ring[k];
            const Vec3& next = r.ring[(k + 1) % Floodlight::ringPoints];
            EXPECT_NEAR(length(minus(here, r.middle)), 0.06f, 1e-6f) << k;
            EXPECT_NEAR(length(minus(next, here)), chord, 1e-6f) << k;
        }
        EXPECT_NEAR(r.ring[0].x, 0.06f, 1e-7f);
    }
    for (int k = 0; k < Floodlight::ringPoints; ++k) {
        EXPECT_EQ(g.lowerRing[k].y, 0.0f);
        EXPECT_NEAR(length(g.mastNormals[k]), 1.0f, 1e-6f) << k;
        EXPECT_EQ(g.armNormals[k].x, g.mastNormals[k].x);
    }
}

// The rear, front and side normals are unit vectors that point away from the
// middle of the head.
TEST(FloodlightGeometry, HeadNormalsAreUnitAndPointOutward) {
    const Floodlight lamp(1);
    const auto& g = lamp.geometry();
    std::vector<Vec3> all(g.backFace.begin(), g.backFace.end());
    all.insert(all.end(), g.frontFace.begin(), g.frontFace.end());
    const Vec3 head = centre(all);
    const std::vector<Vec3> faces[4] = {
        {g.backFace.begin(), g.backFace.end()},
        {g.frontFace.begin(), g.frontFace.end()},
        {g.backFace[0], g.backFace[1], g.frontFace[1], g.frontFace[0]},
        {g.frontFace[3], g.frontFace[2], g.backFace[2], g.backFace[3]},
    };
    for (int f = 0; f < 4; ++f) {
        EXPECT_GT(dot(g.faceNormals[f], minus(centre(faces[f]), head)), 0.05f) << "face " << f;
    }
    for (const Vec3& n : g.faceNormals) EXPECT_NEAR(length(n), 1.0f, 1e-6f);
    EXPECT_FLOAT_EQ(g.faceNormals[4].x, -g.faceNormals[5].x);
    EXPECT_FLOAT_EQ(g.faceNormals[4].z, -g.faceNormals[5].z);
    // The head sits at the end of the arm, its plates 0.475 apart along it.
    EXPECT_NEAR(head.z, 3.5f + 0.475f / 2, 0.05f);
    EXPECT_NEAR(head.y, 7.5f + 0.05f, 0.05f);
}

// ---- Drawing -------------------------------------------------------------

struct Polygon {
    std::vector<Vec3> points;  // in world space
    std::array<float, 3> colour;
};

// What `lamp.draw()` hands to GL, caught in feedback mode with lighting off
// (so each vertex carries the current colour) and mapped back to world space.
std::vector<Polygon> drawnPolygons(const Floodlight& lamp) {
    glViewport(0, 0, 256, 256);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-6, 6, -2, 10, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    std::array<GLdouble, 16> model{}, projection{};
    glGetDoublev(GL_MODELVIEW_MATRIX, model.data());
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
    const GLint view[4] = {0, 0, 256, 256};

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
    for (GLint i = 0; i < used;) {
        EXPECT_EQ(buffer[i], GL_POLYGON_TOKEN);
        const int count = static_cast<int>(buffer[i + 1]);
        Polygon polygon;
        const GLfloat* v = &buffer[i + 2];
        polygon.colour = {v[3], v[4], v[5]};
        for (int k = 0; k < count; ++k, v += 7) {
            GLdouble x, y, z;
            gluUnProject(v[0], v[1], v[2], model.data(), projection.data(), view, &x, &y, &z);
            polygon.points.push_back(
                {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)});
        }
        polygons.push_back(polygon);
        i += 2 + 7 * count;
    }
    return polygons;
}

bool near(const Vec3& a, const Vec3& b) { return length(minus(a, b)) < 2e-3f; }

bool holds(const Polygon& polygon, const Vec3& point) {
    for (const Vec3& p : polygon.points) {
        if (near(p, point)) return true;
    }
    return false;
}

bool sameColour(const std::array<float, 3>& a, float r, float g, float b) {
    return std::fabs(a[0] - r) < 2e-3f && std::fabs(a[1] - g) < 2e-3f && std::fabs(a[2] - b) < 2e-3f;
}

// A lamp turned about y by 180 degrees and moved 0.5 along x.
Vec3 turned(const Vec3& local) { return {0.5f - local.x, local.y, -local.z}; }

// The mast's quads run all the way round (entry 35 joins entry 0), the glass
// is the head's underside in the lamp's on or off colour, and the lamp's
// transform puts a turned lamp's head toward -z.
TEST(FloodlightDraw, MastClosesAndGlassShowsTheSwitch) {
    REQUIRE_GL_CONTEXT();
    startUpState();
    Floodlight lamp(3);
    lamp.setPosition({0.5f, 0, 0});
    lamp.setRotation({0, 180, 0});
    const auto& g = lamp.geometry();
    const int last = Floodlight::ringPoints - 1;

    for (bool on : {false, true}) {
        SCOPED_TRACE(on ? "on" : "off");
        if (on) lamp.switchOn();
        const std::vector<Polygon> polygons = drawnPolygons(lamp);
        bool lowerSeam = false, upperSeam = false;
        int glass = 0, housing = 0;
        for (const Polygon& p : polygons) {
            if (sameColour(p.colour, 181 / 255.0f, 181 / 255.0f, 194 / 255.0f)) {
                lowerSeam = lowerSeam || (holds(p, turned(g.lowerRing[last])) && holds(p, turned(g.lowerRing[0])));
                upperSeam = upperSeam || (holds(p, turned(g.upperRing[last])) && holds(p, turned(g.upperRing[0])));
            } else if (sameColour(p.colour, 37 / 255.0f, 89 / 255.0f, 27 / 255.0f)) {
                ++housing;
            } else {
                ++glass;
                if (on) {
                    EXPECT_TRUE(sameColour(p.colour, 239 / 255.0f, 201 / 255.0f, 102 / 255.0f));
                } else {
                    EXPECT_TRUE(sameColour(p.colour, 235 / 255.0f, 239 / 255.0f, 234 / 255.0f));
                }
                for (const Vec3& point : p.points) {
                    EXPECT_TRUE(near(point, turned(g.backFace[1])) || near(point, turned(g.backFace[2])) ||
                                near(point, turned(g.frontFace[1])) || near(point, turned(g.frontFace[2])));
                    EXPECT_LT(point.z, -3.4f);
                }
            }
        }
        EXPECT_TRUE(lowerSeam);
        EXPECT_TRUE(upperSeam);
        EXPECT_GE(housing, 5);
        EXPECT_GE(glass, 1);
        EXPECT_LE(glass, 2);
    }
}

// A draw, and the two light calls, take their transform off again; a draw
// leaves the colour white and the front material shiny for what follows.
TEST(FloodlightDraw, LeavesWhiteShinyMaterialAndTheViewMatrix) {
    REQUIRE_GL_CONTEXT();
    startUpState();
    gluLookAt(-20, 130, 40, 30, 90, 0, 0, 1, 0);
    const std::array<GLdouble, 16> view = modelview();
    Floodlight lamp(2);
    lamp.setPosition({26.22f, 100.42f, 21.8f});
    lamp.setRotation({10, 180, -30});
    lamp.draw();
    lamp.setupLight();
    lamp.updateLightPosition();
    const std::array<GLdouble, 16> after = modelview();
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(after[i], view[i], 1e-3) << i;

    GLfloat colour[4], specular[4], shininess = 0;
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(colour[i], 1.0f);
        EXPECT_FLOAT_EQ(specular[i], 1.0f);
    }
    EXPECT_FLOAT_EQ(shininess, 50.0f);
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// ---- The light -----------------------------------------------------------

void expectDirection(const std::array<GLfloat, 4>& got, float x, float y, float z) {
    const float n = std::sqrt(got[0] * got[0] + got[1] * got[1] + got[2] * got[2]);
    const float m = std::sqrt(x * x + y * y + z * z);
    EXPECT_NEAR(got[0] / n, x / m, 1e-4f);
    EXPECT_NEAR(got[1] / n, y / m, 1e-4f);
    EXPECT_NEAR(got[2] / n, z / m, 1e-4f);
}

// Under an identity view the light's eye position is the head in the world.
// A lamp turned by 180 degrees shines down and toward -z, an unturned one
// toward +z; either way the light keeps its enable state.
TEST(FloodlightLight, SpotSitsInTheHeadAndShinesWhereTheLampFaces) {
    REQUIRE_GL_CONTEXT();
    startUpState();
    Floodlight turnedLamp(2);
    turnedLamp.setPosition({26.22f, 100.42f, 21.8f});
    turnedLamp.setRotation({0, 180, 0});
    turnedLamp.setupLight();
    auto position = lightValue(GL_LIGHT2, GL_POSITION);
    EXPECT_NEAR(position[0], 26.22f, 1e-4f);
    EXPECT_NEAR(position[1], 100.42f + 7.5f, 1e-4f);
    EXPECT_NEAR(position[2], 21.8f - 3.73f, 1e-4f);
    EXPECT_FLOAT_EQ(position[3], 1.0f);
    expectDirection(lightValue(GL_LIGHT2, GL_SPOT_DIRECTION), 0, -0.8f, -0.5f);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT2));

    glEnable(GL_LIGHT1);
    Floodlight straight(1);
    straight.setPosition({5.22f, 114.55f, -21.2f});
    straight.setupLight();
    position = lightValue(GL_LIGHT1, GL_POSITION);
    EXPECT_NEAR(position[2], -21.2f + 3.73f, 1e-4f);
    expectDirection(lightValue(GL_LIGHT1, GL_SPOT_DIRECTION), 0, -0.8f, 0.5f);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));

    // A later view moves the position, not the direction set at setup.
    glTranslatef(0, 0, -10);
    straight.updateLightPosition();
    EXPECT_NEAR(lightValue(GL_LIGHT1, GL_POSITION)[2], -21.2f + 3.73f - 10, 1e-4f);
    expectDirection(lightValue(GL_LIGHT1, GL_SPOT_DIRECTION), 0, -0.8f, 0.5f);
    glLoadIdentity();
    glDisable(GL_LIGHT1);
}

// The warm light's colour, cone and fall-off.
TEST(FloodlightLight, GivesTheWholeLightItsParameters) {
    REQUIRE_GL_CONTEXT();
    startUpState();
    Floodlight lamp(7);
    lamp.setupLight();
    const auto ambient = lightValue(GL_LIGHT7, GL_AMBIENT);
    const auto diffuse = lightValue(GL_LIGHT7, GL_DIFFUSE);
    const auto specular = lightValue(GL_LIGHT7, GL_SPECULAR);
    const float warm[4] = {239 / 255.0f, 201 / 255.0f, 102 / 255.0f, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(ambient[i], i < 3 ? 0.05f : 1.0f);
        EXPECT_NEAR(diffuse[i], warm[i], 1e-6f);
        EXPECT_NEAR(specular[i], warm[i], 1e-6f);
    }
    EXPECT_FLOAT_EQ(lightValue(GL_LIGHT7, GL_SPOT_CUTOFF)[0], 60.0f);
    EXPECT_FLOAT_EQ(lightValue(GL_LIGHT7, GL_SPOT_EXPONENT)[0], 1.2f);
    EXPECT_FLOAT_EQ(lightValue(GL_LIGHT7, GL_CONSTANT_ATTENUATION)[0], 1.3f);
    EXPECT_FLOAT_EQ(lightValue(GL_LIGHT7, GL_LINEAR_ATTENUATION)[0], 0.001f);
    EXPECT_FLOAT_EQ(lightValue(GL_LIGHT7, GL_QUADRATIC_ATTENUATION)[0], 0.0004f);
}

// Lamps 1 to 7 own lights 1 to 7 and switch them; a lamp with any other
// index reports GL_LIGHT0 but must never touch the day light.
TEST(FloodlightLight, OnlyLampsOneToSevenSwitchOrSetALight) {
    REQUIRE_GL_CONTEXT();
    startUpState();
    EXPECT_EQ(Floodlight(0).lightId(), static_cast<GLenum>(GL_LIGHT0));
    EXPECT_EQ(Floodlight(1).lightId(), static_cast<GLenum>(GL_LIGHT1));
    EXPECT_EQ(Floodlight(7).lightId(), static_cast<GLenum>(GL_LIGHT7));
    EXPECT_EQ(Floodlight(8).lightId(), static_cast<GLenum>(GL_LIGHT0));

    Floodlight five(5);
    five.switchOn();
    EXPECT_TRUE(five.isOn());
    EXPECT_TRUE(glIsEnabled(GL_LIGHT5));
    five.switchOff();
    EXPECT_FALSE(five.isOn());
    EXPECT_FALSE(glIsEnabled(GL_LIGHT5));

    const auto dayDiffuse = lightValue(GL_LIGHT0, GL_DIFFUSE);
    const auto dayPosition = lightValue(GL_LIGHT0, GL_POSITION);
    for (int index : {0, 8, -1}) {
        SCOPED_TRACE("index " + std::to_string(index));
        Floodlight stray(index);
        stray.setPosition({3, 4, 5});
        stray.switchOff();
        EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
        glDisable(GL_LIGHT0);
        stray.switchOn();
        EXPECT_TRUE(stray.isOn());
        EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
        glEnable(GL_LIGHT0);
        stray.setupLight();
        stray.updateLightPosition();
        EXPECT_EQ(lightValue(GL_LIGHT0, GL_DIFFUSE), dayDiffuse);
        EXPECT_EQ(lightValue(GL_LIGHT0, GL_POSITION), dayPosition);
        EXPECT_FLOAT_EQ(lightValue(GL_LIGHT0, GL_SPOT_CUTOFF)[0], 180.0f);
    }
}

// ---- The picture ---------------------------------------------------------

// A white plane in many small quads, so per-vertex lighting can show a spot.
void drawPlane() {
    glNormal3f(0, 1, 0);
    glBegin(GL_QUADS);
    for (float x = -20; x < 20; x += 0.5f) {
        for (float z = -20; z < 20; z += 0.5f) {
            glVertex3f(x, 0, z);
            glVertex3f(x, 0, z + 0.5f);
            glVertex3f(x + 0.5f, 0, z + 0.5f);
            glVertex3f(x + 0.5f, 0, z);
        }
    }
    glEnd();
}

struct Frame {
    int inSpot;   // red at the ground under the lamp's aim
    int behind;   // red well behind the lamp, outside its cone
};

// A camera high above the lamp, looking straight down.
void lookDown() {
    glViewport(0, 0, GlContext::width(), GlContext::height());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, static_cast<double>(GlContext::width()) / GlContext::height(), 1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 30, 0, 0, 0, 0, 0, 0, -1);
}

Frame drawFrame(const Floodlight& lamp) {
    lookDown();
    lamp.updateLightPosition();
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_TEXTURE_2D);
    glCullFace(GL_BACK);
    glColor3f(1, 1, 1);
    drawPlane();
    glCullFace(GL_FRONT);
    glEnable(GL_TEXTURE_2D);

    std::array<GLdouble, 16> model{}, projection{};
    glGetDoublev(GL_MODELVIEW_MATRIX, model.data());
    glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
    GLint view[4];
    glGetIntegerv(GL_VIEWPORT, view);
    auto red = [&](double x, double z) {
        GLdouble wx, wy, wz;
        gluProject(x, 0, z, model.data(), projection.data(), view, &wx, &wy, &wz);
        return static_cast<int>(GlContext::pixel(static_cast<int>(wx), static_cast<int>(wy))[0]);
    };
    return {red(0, 8.4), red(0, -12)};
}

// By night (day light off, the lamp's light on) the ground the lamp aims at is
// lit and the ground behind it dark; switched off, the spot is gone; by day
// the plane is lit evenly.
TEST(FloodlightPicture, NightSpotFallsWhereTheLampAims) {
    REQUIRE_GL_CONTEXT();
    startUpState();
    Floodlight lamp(1);
    // The spot keeps the direction it gets under the view current at setup.
    lookDown();
    lamp.setupLight();

    const Frame day = drawFrame(lamp);
    glDisable(GL_LIGHT0);
    lamp.switchOn();
    const Frame night = drawFrame(lamp);
    lamp.switchOff();
    const Frame dark = drawFrame(lamp);
    glEnable(GL_LIGHT0);

    EXPECT_GT(night.inSpot, night.behind + 80) << "spot " << night.inSpot << " behind " << night.behind;
    EXPECT_GT(std::abs(night.inSpot - day.inSpot), 20);
    EXPECT_LT(std::abs(day.inSpot - day.behind), 30);
    EXPECT_LT(std::abs(dark.inSpot - dark.behind), 5);
    EXPECT_NEAR(night.behind, dark.behind, 5);
}

}  // namespace
