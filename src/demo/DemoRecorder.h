// DemoRecorder: writes a session to a demo file while it is played, and never
// puts a half-written file in the place of an older one. Lines go out whole
// to NAME.part beside the target, flushed at least once a second, so a killed
// game leaves a .part that plays up to its last whole frame; commit() moves it
// onto the target when the recording ends. A target that exists but is no
// regular file (a pipe, /dev/null) is written in place: there is nothing to
// keep. Every write, flush, close and rename is checked; the first failure
// ends the recording and is kept as one line for the player.
#pragma once

#include "common/DataFile.h"
#include "demo/DemoFormat.h"

#include <cstdint>
#include <string>

class DemoRecorder {
public:
    // Opens the .part (or the target in place) and writes the header; false,
    // with `error` saying what failed and why, when it can't. The target is
    // not touched.
    bool open(const std::string& path, std::string& error);
    void write(const DemoEvent& event);
    void write(const DemoState& state);
    // Flushes when a second or more has passed since the last flush.
    void flushIfDue(uint32_t nowMs);
    // Ends the recording: flushes, closes and moves the .part onto the target.
    // False when this or any earlier step failed (failure() says which).
    bool commit();
    // Ends the recording keeping nothing: the .part goes, the target stays.
    void abandon();

    bool isOpen() const { return file != nullptr; }
    // "cannot write run.demo: No space left on device"; empty while all is well.
    const std::string& failure() const { return firstFailure; }

private:
    void put(const std::string& line);
    bool flush();
    void fail(int error);

    DataFile::Handle file;
    std::string shownName;  // as the player gave it, for messages
    std::string target;     // the file a symbolic link names, so the link stays
    std::string partPath;   // what is written: the target itself when in place
    std::string firstFailure;
    uint32_t lastFlushMs = 0;
};
