// World: the scene root. Owns the rider and every object of the course, puts
// the run back to its start, and draws one frame while stepping the rider.
#pragma once

#include "common/CourseLayout.h"

#include <array>
#include <iterator>
#include <memory>

class BalanceGauge;
class Banners;
class Board;
class CrashSpray;
class Floodlight;
class Kicker;
class Rider;
class Skybox;
class SlopeSpray;
class Surround;
class TimingGauge;

class World {
public:
    // Loads every model and picture: needs the GL context.
    World();
    virtual ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    // Back to the start of a run; the size is the window's, in pixels.
    void reset(float width, float height);
    // One frame of the run under the camera's view; steps the rider unless paused.
    void render();
    // Day (light 0) or night (the floodlights); returns whether night is on.
    bool toggleLights();
    // Gives the floodlights their positions again under the current view.
    void updateLights();
    bool togglePause();
    void createFloodlights();

    // The run's one rider, owned for the World's whole life; the input drives it.
    const std::unique_ptr<Rider> rider;

    bool isNight() const { return lightsOn; }
    bool isPaused() const { return paused; }

private:
    void drawGauges();
    void drawRider();
    void drawBoardModel();
    void drawSpray();

    std::unique_ptr<Kicker> kicker;
    std::unique_ptr<Board> board;
    std::unique_ptr<Skybox> skybox;
    std::unique_ptr<BalanceGauge> balanceGauge;
    std::unique_ptr<TimingGauge> timingGauge;
    std::array<std::unique_ptr<Floodlight>, std::size(courseLayout::lampFeet)> floodlights;
    std::unique_ptr<SlopeSpray> rideSpray;
    std::unique_ptr<CrashSpray> crashSpray;
    std::unique_ptr<Banners> banners;
    std::unique_ptr<Surround> surround;
    bool lightsOn = false;
    bool paused = false;
};
