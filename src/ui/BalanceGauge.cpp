#include "ui/BalanceGauge.h"

#include "common/Maths.h"
#include "ui/HudArea.h"
#include "ui/NdcOverlay.h"

#include <GL/gl.h>

#include <cmath>

namespace {
const float crossArm = 0.05f;
const float unitRadius = 0.2f;
}  // namespace

BalanceGauge::~BalanceGauge() = default;

void BalanceGauge::reset(float windowWidth, float windowHeight) {
    if (!maths::isUsableSize(windowWidth, windowHeight)) return;
    const HudArea area(windowWidth, windowHeight);
    radiusX = unitRadius * area.widthShare();
    radiusY = area.width() * unitRadius / area.height();
    lineWidth = area.lineWidth();
}

void BalanceGauge::update(float balanceX, float balanceY) {
    markerX = balanceX * radiusX;
    markerY = balanceY * radiusY;
}

void BalanceGauge::vertexAt(float centreX, float centreY, float degrees, float r) const {
    const float a = degrees * maths::radiansPerDegreeF;
    glVertex2f(centreX + std::cos(a) * radiusX * r, centreY + std::sin(a) * radiusY * r);
}

void BalanceGauge::drawRing(float centreX, float centreY, float r) const {
    glColor4f(1.0f, 1.0f, 0.0f, 1.0f);
    glBegin(GL_LINE_LOOP);
    for (float a = 0.0f; a < 360.0f; a += 360.0f / ringSegments) vertexAt(centreX, centreY, a, r);
    glEnd();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void BalanceGauge::drawSpokes(float centreX, float centreY) const {
    glColor4f(1.0f, 1.0f, 0.0f, 1.0f);
    for (float a = 0.0f; a < 360.0f; a += 360.0f / spokeCount) {
        glBegin(GL_LINES);
        vertexAt(centreX, centreY, a, 1.0f);
        vertexAt(centreX, centreY, a, 0.1f);
        glEnd();
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void BalanceGauge::drawCross(float centreX, float centreY) const {
    const float cx = centreX + markerX;
    const float cy = centreY + markerY;
    glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
    glBegin(GL_LINES);
    glVertex2f(cx + crossArm * radiusX, cy);
    glVertex2f(cx - crossArm * radiusX, cy);
    glEnd();
    glBegin(GL_LINES);
    glVertex2f(cx, cy + crossArm * radiusY);
    glVertex2f(cx, cy - crossArm * radiusY);
    glEnd();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void BalanceGauge::draw(float centreX, float centreY) const {
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_TEXTURE_2D);
    NdcOverlay::begin();
    glLineWidth(lineWidth);

    {
        drawRing(centreX, centreY, 1.0f);
        drawRing(centreX, centreY, 0.1f);
        drawSpokes(centreX, centreY);
        drawCross(centreX, centreY);
    }
    glLineWidth(1.0f);
    NdcOverlay::end();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
}
