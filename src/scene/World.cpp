#include "scene/World.h"

#include "common/CourseLayout.h"
#include "effects/CrashSpray.h"
#include "effects/SlopeSpray.h"
#include "rider/Rider.h"
#include "scene/Banners.h"
#include "scene/Board.h"
#include "scene/Floodlight.h"
#include "scene/Kicker.h"
#include "scene/Skybox.h"
#include "scene/Surround.h"
#include "ui/BalanceGauge.h"
#include "ui/TimingGauge.h"

#include <GL/gl.h>

namespace {

const char* const sprayTexture = "textures\\particle1.bmp";

}  // namespace

World::World() : rider(std::make_unique<Rider>()) {
    board = std::make_unique<Board>();
    kicker = std::make_unique<Kicker>();
    skybox = std::make_unique<Skybox>();
    banners = std::make_unique<Banners>();
    surround = std::make_unique<Surround>();
    balanceGauge = std::make_unique<BalanceGauge>();
    timingGauge = std::make_unique<TimingGauge>();
    rideSpray = std::make_unique<SlopeSpray>(sprayTexture);
    crashSpray = std::make_unique<CrashSpray>(sprayTexture);
}

World::~World() = default;

void World::reset(float width, float height) {
    rider->reset();
    balanceGauge->reset(width, height);
    timingGauge->reset(width, height);
    createFloodlights();
    // From here on every kicker draw writes the ground under the rider's probe
    // points into its samples (Model::probeTriangle), behind the rider's back.
    kicker->setProbe(true, rider->worldPoints(), rider->pointCount());
    kicker->setProbeResults(rider->groundSamples());
}

void World::createFloodlights() {
    for (size_t i = 0; i < floodlights.size(); ++i) {
        auto lamp = std::make_unique<Floodlight>(static_cast<int>(i) + 1);
        const Vec3& foot = courseLayout::lampFeet[i];
        lamp->setPosition(foot);
        // Those on the +z side turn to face the course.
        lamp->setRotation({0.0f, foot.z > 0.0f ? 180.0f : 0.0f, 0.0f});
        lamp->setupLight();
        floodlights[i] = std::move(lamp);
    }
}

void World::render() {
    skybox->draw();
    surround->draw();
    drawGauges();
    for (auto& lamp : floodlights)
        if (lamp) lamp->draw();
    updateLights();
    // Measures the ground under the rider's points for the step that follows.
    kicker->draw();
    if (!paused) rider->update();
    drawRider();
    banners->draw();
    drawGauges();
}

void World::drawGauges() {
    timingGauge->draw(rider->timingValue());
    if (!rider->isLandingApproach()) return;
    balanceGauge->update(rider->balanceX(), rider->balanceY());
    balanceGauge->draw(timingGauge->getPanelCentreX(), timingGauge->getPanelCentreY());
}

// The board model and the spray in the rider's frame; every transform is
// undone by hand, in reverse, before the matrix is popped.
void World::drawRider() {
    const Vec3& pos = rider->position();
    const Vec3& rot = rider->rotation();
    const bool crashed = rider->isCrashed();
    glPushMatrix();
    {
        glTranslatef(pos.x, pos.y, pos.z);
        glRotatef(rot.x, 1.0f, 0.0f, 0.0f);
        if (crashed) {
            glRotatef(rot.z, 0.0f, 0.0f, 1.0f);
            glRotatef(rot.y, 0.0f, 1.0f, 0.0f);
        } else {
            glRotatef(rot.y, 0.0f, 1.0f, 0.0f);
            glRotatef(rot.z, 0.0f, 0.0f, 1.0f);
        }
        drawBoardModel();
        drawSpray();
        if (crashed) {
            glRotatef(-rot.y, 0.0f, 1.0f, 0.0f);
            glRotatef(-rot.z, 0.0f, 0.0f, 1.0f);
        } else {
            glRotatef(-rot.z, 0.0f, 0.0f, 1.0f);
            glRotatef(-rot.y, 0.0f, 1.0f, 0.0f);
        }
        glRotatef(-rot.x, 1.0f, 0.0f, 0.0f);
        glTranslatef(-pos.x, -pos.y, -pos.z);
    }
    glPopMatrix();
}

void World::drawBoardModel() {
    if (rider->isAirborne()) {
        // Tricks turn the body about the flight pivot, not the rider's origin.
        const Vec3 p = Rider::flightPivot();
        const Vec3& t = rider->trickRotation();
        glTranslatef(p.x, p.y, p.z);
        glRotatef(t.x, 1.0f, 0.0f, 0.0f);
        glRotatef(t.y, 0.0f, 1.0f, 0.0f);
        glRotatef(t.z, 0.0f, 0.0f, 1.0f);
        glTranslatef(-p.x, -p.y, -p.z);
        board->draw();
        glTranslatef(p.x, p.y, p.z);
        glRotatef(-t.z, 0.0f, 0.0f, 1.0f);
        glRotatef(-t.y, 0.0f, 1.0f, 0.0f);
        glRotatef(-t.x, 1.0f, 0.0f, 0.0f);
        glTranslatef(-p.x, -p.y, -p.z);
    } else if (rider->landedSwitch() && !rider->isCrashed()) {
        glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
        board->draw();
        glRotatef(-180.0f, 0.0f, 1.0f, 0.0f);
    } else {
        board->draw();
    }
}

void World::drawSpray() {
    const bool crashed = rider->isCrashed();
    if (!rider->isAirborne() && !crashed) rideSpray->draw(rider->speed(), paused);
    if (crashed) crashSpray->draw(rider->speed(), paused);
}

bool World::toggleLights() {
    if (!lightsOn) {
        glDisable(GL_LIGHT0);
        for (auto& lamp : floodlights)
            if (lamp) lamp->switchOn();
        lightsOn = true;
    } else {
        glEnable(GL_LIGHT0);
        for (auto& lamp : floodlights)
            if (lamp) lamp->switchOff();
        lightsOn = false;
    }
    return lightsOn;
}

void World::updateLights() {
    if (!lightsOn) return;
    for (auto& lamp : floodlights)
        if (lamp) lamp->updateLightPosition();
}

bool World::togglePause() {
    paused = !paused;
    return paused;
}
