#include "scene/Kicker.h"

#include "model/Model.h"
#include "scene/SetPiece.h"

#include <GL/gl.h>

Kicker::Kicker() : ramp(std::make_unique<Model>()), arrows(std::make_unique<Model>()) {
    SetPiece::load(*ramp, "models\\kicka.txt");
    SetPiece::load(*arrows, "models\\arrows.txt");
}

Kicker::~Kicker() = default;

void Kicker::draw() {
    glCullFace(GL_BACK);
    {
        ramp->draw();
        arrows->draw();
    }
    glCullFace(GL_FRONT);
}

void Kicker::setProbe(bool enabled, const Vec3* points, int count) { ramp->setProbe(enabled, points, count); }

void Kicker::setProbeResults(ProbeResult* results) { ramp->setProbeResults(results); }
