// DemoFormat: a recorded session as plain text, one line per frame or event,
// read and written here only (docs/demos.md describes it for players).
#pragma once

#include "common/Vec3.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What a frame left behind: the screen it showed, the World's switches, the
// rider after its step and the camera's eye. A played demo must repeat the
// recording's states bit for bit, so equality is exact.
struct DemoState {
    enum class Screen : unsigned char { Menu, Help, Run };
    enum class Phase : unsigned char { Ride, Switch, Air, Approach, Crash };

    Screen screen = Screen::Menu;
    bool night = false;
    bool paused = false;
    Phase phase = Phase::Ride;
    Vec3 position;
    Vec3 rotation;
    float speed = 0.0f;
    Vec3 trickRotation;
    float balanceX = 0.0f;
    float balanceY = 0.0f;
    Vec3 eye;

    bool operator==(const DemoState& other) const;
    bool operator!=(const DemoState& other) const { return !(*this == other); }
};

// One line of a demo other than the header.
struct DemoEvent {
    enum class Kind : unsigned char { Window, Random, Key, Button, Drag, Move, Frame, State };

    Kind kind = Kind::Frame;
    int x = 0;            // Button, Drag, Move: the pointer in window pixels; Window: the width
    int y = 0;            // the same, y down; Window: the height
    int value = 0;        // Key: the character; Button: GLUT's button number; Frame: the frame rate
    bool down = false;    // Button: pressed rather than released
    uint32_t random = 0;  // Random: the generator's state
    int state = -1;       // State: index into Demo::states
    int line = 0;         // where it stands in the file, for messages
};

struct Demo {
    std::vector<DemoEvent> events;
    std::vector<DemoState> states;
    int frames = 0;
    // The file ended inside this line (a recording cut off by a killed game):
    // it and everything after the last whole frame were dropped. 0 if none.
    int cutOffLine = 0;
};

struct DemoReadResult {
    Demo demo;
    std::string error;  // empty when the demo was read
    int errorLine = 0;  // the line the error names; 0 for the file as a whole
};

class DemoFormat {
public:
    static constexpr int version = 1;
    static constexpr int maxLines = 2000000;
    // The fastest frame rate a frame line may hold.
    static constexpr int maxFrameRate = 100000;
    static constexpr std::size_t maxBytes = 64u << 20;

    // Reads a whole demo. Never trusts the text: a bad line gives an error
    // naming it, a cut-off last line is dropped with what followed the last
    // whole frame.
    static DemoReadResult read(std::string_view text);
    // Reads the file; a missing, unreadable or oversized file is an error.
    static DemoReadResult load(const std::string& path);

    static std::string header();
    static std::string line(const DemoEvent& event);
    static std::string line(const DemoState& state);
};
