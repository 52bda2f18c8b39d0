#include "app/DemoSession.h"

#include "app/Camera.h"
#include "app/Globals.h"
#include "app/Input.h"
#include "app/StopSignals.h"
#include "app/Window.h"
#include "common/Clock.h"
#include "common/Random.h"
#include "rider/Rider.h"
#include "scene/World.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <thread>

namespace {

using Kind = DemoEvent::Kind;
const unsigned char escapeKey = 27;

DemoEvent pointerEvent(Kind kind, int x, int y) {
    DemoEvent event;
    event.kind = kind;
    event.x = x;
    event.y = y;
    return event;
}

DemoState::Phase riderPhase(const Rider& rider) {
    if (rider.isCrashed()) return DemoState::Phase::Crash;
    if (rider.isLandingApproach()) return DemoState::Phase::Approach;
    if (rider.isAirborne()) return DemoState::Phase::Air;
    return rider.landedSwitch() ? DemoState::Phase::Switch : DemoState::Phase::Ride;
}

DemoState currentState() {
    const Rider& rider = *world->rider;
    DemoState state;
    state.screen = !inMenu ? DemoState::Screen::Run : helpShown ? DemoState::Screen::Help : DemoState::Screen::Menu;
    state.night = world->isNight();
    state.paused = world->isPaused();
    state.phase = riderPhase(rider);
    state.position = rider.position();
    state.rotation = rider.rotation();
    state.speed = rider.speed();
    state.trickRotation = rider.trickRotation();
    state.balanceX = rider.balanceX();
    state.balanceY = rider.balanceY();
    state.eye = camera->eye();
    return state;
}

int scale(int value, int to, int from) { return static_cast<int>(std::lround(static_cast<double>(value) * to / from)); }

// The menu's pictures and the HUD keep their shape and follow the window's
// height, centred: scaled by the heights about the middle, a click keeps its
// button and a drag its spin on any screen of 5:4 or wider.
int scaleAboutMiddle(int x, int toWidth, int fromWidth, int toHeight, int fromHeight) {
    const double fromMiddle = x - fromWidth / 2.0;
    return static_cast<int>(std::lround(toWidth / 2.0 + fromMiddle * toHeight / fromHeight));
}

}  // namespace

bool DemoSession::record(const std::string& path, std::string& error) {
    recording = recorder.open(path, error);
    if (recording) StopSignals::catchThem();
    return recording;
}

bool DemoSession::play(const std::string& path, bool timedPlayback, std::string& error) {
    DemoReadResult read = DemoFormat::load(path);
    if (!read.error.empty()) {
        error = path + (read.errorLine > 0 ? ":" + std::to_string(read.errorLine) : "") + ": " + read.error;
        return false;
    }
    if (read.demo.cutOffLine > 0) {
        std::fprintf(stderr, "quorvel: %s:%d: cut off inside this line; playing up to the last whole frame\n",
                     path.c_str(), read.demo.cutOffLine);
    }
    demo = std::move(read.demo);
    demoName = path;
    playing = true;
    timed = timedPlayback;
    return true;
}

void DemoSession::onKey(unsigned char key, int, int) {
    DemoEvent event;
    event.kind = Kind::Key;
    event.value = key;
    demoSession->fromPlayer(event);
}

void DemoSession::onButton(int button, int state, int x, int y) {
    DemoEvent event = pointerEvent(Kind::Button, x, y);
    event.value = button;
    event.down = state == GLUT_DOWN;
    demoSession->fromPlayer(event);
}

void DemoSession::onDrag(int x, int y) { demoSession->fromPlayer(pointerEvent(Kind::Drag, x, y)); }

void DemoSession::onMove(int x, int y) { demoSession->fromPlayer(pointerEvent(Kind::Move, x, y)); }

void DemoSession::fromPlayer(const DemoEvent& event) {
    if (!playing) {
        deliver(event);
    } else if (event.kind == Kind::Key && event.value == escapeKey) {
        endPlayback();
    }
}

void DemoSession::deliver(const DemoEvent& event) {
    if (recording) {
        noteWindow();
        recorder.write(event);
    }
    switch (event.kind) {
    case Kind::Key: keyboard(static_cast<unsigned char>(event.value), mouseX, mouseY); break;
    case Kind::Button: mouse(event.value, event.down ? GLUT_DOWN : GLUT_UP, event.x, event.y); break;
    case Kind::Drag: motion(event.x, event.y); break;
    case Kind::Move: passiveMotion(event.x, event.y); break;
    default: break;
    }
}

void DemoSession::beforeFrame() {
    if (playing) playUntilFrame();
    if (!recording) return;
    noteWindow();
    if (!randomRecorded) {
        DemoEvent random;
        random.kind = Kind::Random;
        random.random = Random::state();
        recorder.write(random);
        randomRecorded = true;
    }
    // A hidden window's empty loop can count more frames than a demo holds:
    // the frame is taken at the fastest a demo holds, so the recording plays.
    framesPerSecond = std::min(framesPerSecond, DemoFormat::maxFrameRate);
    DemoEvent frame;
    frame.kind = Kind::Frame;
    frame.value = framesPerSecond;
    recorder.write(frame);
}

void DemoSession::playUntilFrame() {
    while (next < demo.events.size()) {
        const DemoEvent& event = demo.events[next++];
        switch (event.kind) {
        case Kind::Window: takeWindow(event); break;
        case Kind::Random: Random::setState(event.random); break;
        case Kind::Frame: startFrame(event); return;
        case Kind::State: break;
        default: deliver(scaled(event)); break;
        }
    }
    endPlayback();
}

void DemoSession::startFrame(const DemoEvent& frame) {
    framesPerSecond = frame.value;
    expected = next < demo.events.size() && demo.events[next].kind == Kind::State ? &demo.events[next++] : nullptr;
    const SteadyClock::time_point now = SteadyClock::now();
    if (framesPlayed++ == 0) firstFrame = now;
    // Kept to the recorded pace, but a slow frame isn't made up for later.
    nextFrameDue = std::max(nextFrameDue, now) + std::chrono::microseconds(1000000 / frame.value);
}

void DemoSession::endPlayback() {
    playing = false;
    expected = nullptr;
    if (timed) quitGame();  // the figures are printed on the way out
}

void DemoSession::afterFrame() {
    if (!recording && !expected) return;
    const DemoState state = currentState();
    if (expected) checkState(state);
    expected = nullptr;
    if (recording) {
        recorder.write(state);
        recorder.flushIfDue(Clock::milliseconds());
        ++framesRecorded;
        reportFailure();
    }
}

void DemoSession::checkState(const DemoState& state) {
    const DemoState& recorded = demo.states[static_cast<size_t>(expected->state)];
    if (outOfStep || state == recorded) return;
    outOfStep = true;
    std::fprintf(stderr,
                 "quorvel: %s:%d: the game went out of step with the recording here\n"
                 "  recorded: %s  played:   %s",
                 demoName.c_str(), expected->line, DemoFormat::line(recorded).c_str(), DemoFormat::line(state).c_str());
}

void DemoSession::betweenFrames() {
    if (const int signal = StopSignals::caught()) {
        window->leaveGameMode();
        finish();
        StopSignals::endWith(signal);
    }
    if (playing && !timed) std::this_thread::sleep_until(nextFrameDue);
}

void DemoSession::noteWindow() {
    if (window->width() == recordedWidth && window->height() == recordedHeight) return;
    recordedWidth = window->width();
    recordedHeight = window->height();
    recorder.write(pointerEvent(Kind::Window, recordedWidth, recordedHeight));
}

void DemoSession::takeWindow(const DemoEvent& size) {
    demoWidth = size.x;
    demoHeight = size.y;
}

// Warns once, at the first pointer event that needs scaling.
DemoEvent DemoSession::scaled(DemoEvent event) {
    if (event.kind != Kind::Button && event.kind != Kind::Drag && event.kind != Kind::Move) return event;
    if (demoWidth == window->width() && demoHeight == window->height()) return event;
    if (!sizeWarned) {
        sizeWarned = true;
        std::fprintf(stderr,
                     "quorvel: %s was recorded in a %dx%d window and plays in %dx%d: the pointer is scaled to fit, "
                     "but steering counts pixels, so the run may differ\n",
                     demoName.c_str(), demoWidth, demoHeight, window->width(), window->height());
    }
    event.x = scaleAboutMiddle(event.x, window->width(), demoWidth, window->height(), demoHeight);
    event.y = scale(event.y, window->height(), demoHeight);
    return event;
}

int DemoSession::finish() {
    if (!finished) {
        finished = true;
        if (timed && framesPlayed > 0 && !figuresPrinted) printFigures();
        if (recording && framesRecorded > 0)
            recorder.commit();
        else
            recorder.abandon();
        reportFailure();
    }
    return recorder.failure().empty() ? 0 : recordingFailed;
}

// Once, as soon as it happens: the game plays on without its recording.
void DemoSession::reportFailure() {
    if (failureReported || recorder.failure().empty()) return;
    failureReported = true;
    std::fprintf(stderr, "quorvel: %s\n", recorder.failure().c_str());
}

void DemoSession::printFigures() {
    figuresPrinted = true;
    glFinish();
    const double seconds = std::chrono::duration<double>(SteadyClock::now() - firstFrame).count();
    std::printf("%d frames, %.3f seconds, %.1f frames per second\n", framesPlayed, seconds,
                seconds > 0.0 ? framesPlayed / seconds : 0.0);
    std::fflush(stdout);
}
