#include "scene/Floodlight.h"

#include "common/Maths.h"

#include <cmath>

namespace {

// The bend and head angles, in radians; the trigonometry runs in double
// precision and only the results are stored as floats.
constexpr double jointTilt = 0.958534793240467;
constexpr double armTilt = 1.1569264460143462;
constexpr double normalTilt = 1.5483338945856537;
constexpr double backTilt = 0.41386991407516727;
constexpr double frontTilt = -0.815295675324681;
constexpr double headTilt = 0.19699530748007588;
constexpr double sideTilt = 0.6108652382;
constexpr double mastRadius = 0.06;

// The lamp head's trapezoid in its own plane, narrow edge at the top.
constexpr double headCorners[4][2] = {{0.1, 0.1}, {0.175, -0.1}, {-0.175, -0.1}, {-0.1, 0.1}};

const GLfloat lightPosition[] = {0.0f, 7.5f, 3.73f, 1.0f};
const GLfloat lightAmbient[] = {0.05f, 0.05f, 0.05f, 1.0f};
const GLfloat lightColour[] = {0.9372549f, 0.7882353f, 0.4f, 1.0f};
const GLfloat spotDirection[] = {0.0f, -0.8f, 0.5f};
const GLfloat whiteSpecular[] = {1.0f, 1.0f, 1.0f, 1.0f};

Vec3 point(double x, double y, double z) {
    return Vec3{static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
}

void normal(const Vec3& n) { glNormal3f(n.x, n.y, n.z); }
void vertex(const Vec3& v) { glVertex3f(v.x, v.y, v.z); }

void shinyMaterial() {
    glMaterialfv(GL_FRONT, GL_SPECULAR, whiteSpecular);
    glMaterialf(GL_FRONT, GL_SHININESS, 50.0f);
}

}  // namespace

Floodlight::Floodlight(int index) : index(index) {
    computeMast();
    computeHead();
}

Floodlight::~Floodlight() = default;

void Floodlight::computeMast() {
    for (int k = 0; k < ringPoints; ++k) {
        const double theta = 10.0 * k * maths::radiansPerDegree;
        const double c = std::cos(theta);
        const double s = std::sin(theta);
        shape.lowerRing[k] = point(mastRadius * c, 0.0, mastRadius * s);
        shape.jointRing[k] = point(mastRadius * c, 7.0 - mastRadius * std::sin(jointTilt) * s,
                                   1.0 + mastRadius * std::cos(jointTilt) * s);
        shape.upperRing[k] =
            point(mastRadius * c, 7.5 - mastRadius * std::sin(armTilt) * s, 3.5 - mastRadius * std::cos(armTilt) * s);
        shape.mastNormals[k] = point(c, -std::sin(normalTilt) * s, std::cos(normalTilt) * s);
        shape.armNormals[k] = shape.mastNormals[k];
    }
}

void Floodlight::computeHead() {
    for (int i = 0; i < 4; ++i) {
        const double x = headCorners[i][0];
        const double y = headCorners[i][1];
        shape.backFace[i] = point(x, std::cos(backTilt) * y + 7.5, std::sin(backTilt) * y + 3.5);
        shape.frontFace[i] = point(x, std::cos(frontTilt) * y + 0.475 * std::sin(headTilt) + 7.5,
                                   std::sin(frontTilt) * y + 0.475 * std::cos(headTilt) + 3.5);
    }
    shape.faceNormals[0] = point(0.0, std::sin(backTilt), -std::cos(backTilt));
    shape.faceNormals[1] = point(0.0, std::sin(backTilt), std::cos(backTilt));
    shape.faceNormals[2] = point(std::cos(sideTilt), std::sin(sideTilt), 0.0);
    shape.faceNormals[3] = point(-std::cos(sideTilt), std::sin(sideTilt), 0.0);
    shape.faceNormals[4] = point(-std::sin(headTilt), 0.0, std::cos(headTilt));
    shape.faceNormals[5] = point(std::sin(headTilt), 0.0, -std::cos(headTilt));
}

void Floodlight::setPosition(const Vec3& foot) { position = foot; }

void Floodlight::setRotation(const Vec3& degrees) { rotation = degrees; }

bool Floodlight::ownsLight() const { return index >= 1 && index <= 7; }

GLenum Floodlight::lightId() const { return ownsLight() ? static_cast<GLenum>(GL_LIGHT0 + index) : GL_LIGHT0; }

void Floodlight::switchOn() {
    on = true;
    if (ownsLight()) glEnable(lightId());
}

void Floodlight::switchOff() {
    on = false;
    if (ownsLight()) glDisable(lightId());
}

void Floodlight::applyTransform() const {
    glTranslatef(position.x, position.y, position.z);
    glRotatef(rotation.x, 1.0f, 0.0f, 0.0f);
    glRotatef(rotation.y, 0.0f, 1.0f, 0.0f);
    glRotatef(rotation.z, 0.0f, 0.0f, 1.0f);
}

void Floodlight::removeTransform() const {
    glRotatef(-rotation.z, 0.0f, 0.0f, 1.0f);
    glRotatef(-rotation.y, 0.0f, 1.0f, 0.0f);
    glRotatef(-rotation.x, 1.0f, 0.0f, 0.0f);
    glTranslatef(-position.x, -position.y, -position.z);
}

void Floodlight::setupLight() const {
    if (!ownsLight()) return;
    const GLenum light = lightId();
    applyTransform();
    {
        glLightfv(light, GL_AMBIENT, lightAmbient);
        glLightfv(light, GL_DIFFUSE, lightColour);
        glLightfv(light, GL_SPECULAR, lightColour);
        glLightfv(light, GL_POSITION, lightPosition);
        glLightfv(light, GL_SPOT_DIRECTION, spotDirection);
        glLightf(light, GL_SPOT_CUTOFF, 60.0f);
        glLightf(light, GL_SPOT_EXPONENT, 1.2f);
        glLightf(light, GL_CONSTANT_ATTENUATION, 1.3f);
        glLightf(light, GL_LINEAR_ATTENUATION, 0.001f);
        glLightf(light, GL_QUADRATIC_ATTENUATION, 0.0004f);
    }
    removeTransform();
}

void Floodlight::updateLightPosition() const {
    if (!ownsLight()) return;
    applyTransform();
    glLightfv(lightId(), GL_POSITION, lightPosition);
    removeTransform();
}

void Floodlight::draw() const {
    applyTransform();
    {
        drawMast();
        drawHousing();
        drawGlass();
    }
    removeTransform();
    glColor3f(1.0f, 1.0f, 1.0f);
}

void Floodlight::drawMast() const {
    glColor3f(0.70980394f, 0.70980394f, 0.7607843f);
    shinyMaterial();
    glBegin(GL_QUADS);
    for (int k = 0; k < ringPoints; ++k) {
        const int k1 = (k + 1) % ringPoints;
        normal(shape.mastNormals[k]);
        vertex(shape.lowerRing[k]);
        normal(shape.mastNormals[k1]);
        vertex(shape.lowerRing[k1]);
        normal(shape.mastNormals[k1]);
        vertex(shape.jointRing[k1]);
        normal(shape.mastNormals[k]);
        vertex(shape.jointRing[k]);

        normal(shape.armNormals[k]);
        vertex(shape.jointRing[k]);
        normal(shape.armNormals[k1]);
        vertex(shape.jointRing[k1]);
        normal(shape.armNormals[k1]);
        vertex(shape.upperRing[k1]);
        normal(shape.armNormals[k]);
        vertex(shape.upperRing[k]);
    }
    glEnd();
}

void Floodlight::drawHousing() const {
    const auto& back = shape.backFace;
    const auto& front = shape.frontFace;
    const auto& n = shape.faceNormals;
    const Vec3 faces[5][4] = {
        {back[3], back[2], back[1], back[0]},      // rear
        {front[0], front[1], front[2], front[3]},  // front
        {back[0], back[1], front[1], front[0]},    // side at +x
        {front[3], front[2], back[2], back[3]},    // side at -x
        {front[0], front[3], back[3], back[0]},    // top
    };
    glColor3f(0.14509805f, 0.34901962f, 0.105882354f);
    shinyMaterial();
    glBegin(GL_QUADS);
    for (int f = 0; f < 5; ++f) {
        normal(n[f]);
        for (const Vec3& corner : faces[f]) vertex(corner);
    }
    glEnd();
}

// The glass is the underside of the head, between the two wide edges; it
// glows warm yellow, the light's own colour, while the lamp is on.
void Floodlight::drawGlass() const {
    if (on) {
        glColor3f(0.9372549f, 0.7882353f, 0.4f);
    } else {
        glColor3f(0.92156863f, 0.9372549f, 0.91764706f);
    }
    glBegin(GL_QUADS);
    {
        normal(shape.faceNormals[5]);
        vertex(shape.backFace[1]);
        vertex(shape.backFace[2]);
        vertex(shape.frontFace[2]);
        vertex(shape.frontFace[1]);
    }
    glEnd();
}
