// DemoSession: records the session as a demo, or plays a demo back in the
// player's place. Between frames it hands the recorded events to the input
// handlers, gives each frame its recorded frame rate and checks the state the
// frame left against the recording. Made at start-up only when an option asks.
#pragma once

#include "demo/DemoFormat.h"
#include "demo/DemoRecorder.h"

#include <chrono>
#include <string>

class DemoSession {
public:
    // Each gives false and says why in `error` when its file can't be used.
    // A recording also ends the game cleanly on SIGINT, SIGTERM and SIGHUP.
    bool record(const std::string& path, std::string& error);
    // `timed`: as fast as frames draw, then print the figures and quit.
    bool play(const std::string& path, bool timed, std::string& error);

    // GLUT's input callbacks while a session runs: the player's input is
    // recorded, or, while a demo plays, ignored but for Escape, which ends it.
    static void onKey(unsigned char key, int x, int y);
    static void onButton(int button, int state, int x, int y);
    static void onDrag(int x, int y);
    static void onMove(int x, int y);

    // Around each displayed frame.
    void beforeFrame();
    void afterFrame();
    // Between frames: keeps a played demo to the pace it was recorded at, and
    // ends the game when a stop signal came.
    void betweenFrames();
    // On every way out, once: the timed demo's figures, then the recording
    // moved into place, or dropped when no frame was recorded (a start that
    // failed keeps the older file). The exit code: 0, or recordingFailed.
    int finish();

    static constexpr int recordingFailed = 3;

private:
    using SteadyClock = std::chrono::steady_clock;

    void fromPlayer(const DemoEvent& event);
    void deliver(const DemoEvent& event);
    void playUntilFrame();
    void startFrame(const DemoEvent& frame);
    void endPlayback();
    void noteWindow();
    void takeWindow(const DemoEvent& size);
    DemoEvent scaled(DemoEvent event);
    void checkState(const DemoState& state);
    void printFigures();
    void reportFailure();

    bool recording = false;
    DemoRecorder recorder;
    int recordedWidth = 0;
    int recordedHeight = 0;
    bool randomRecorded = false;
    int framesRecorded = 0;
    bool failureReported = false;
    bool finished = false;

    bool playing = false;
    bool timed = false;
    std::string demoName;
    Demo demo;
    size_t next = 0;
    int demoWidth = 0;
    int demoHeight = 0;
    const DemoEvent* expected = nullptr;
    bool outOfStep = false;
    bool sizeWarned = false;

    int framesPlayed = 0;
    SteadyClock::time_point firstFrame;
    SteadyClock::time_point nextFrameDue;
    bool figuresPrinted = false;
};
