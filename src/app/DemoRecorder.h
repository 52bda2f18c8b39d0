// DemoRecorder: writes a session to a demo file while it is played. Lines go
// out whole and are flushed at least once a second and when the recorder
// closes, so a killed game leaves a file that plays up to its last whole frame.
#pragma once

#include "app/DemoFormat.h"
#include "common/DataFile.h"

#include <cstdint>
#include <cstdio>
#include <string>

class DemoRecorder {
public:
    // Creates or empties the file and writes the header; false when it can't
    // (errno says why).
    bool open(const std::string& path);
    void write(const DemoEvent& event);
    void write(const DemoState& state);
    // Flushes when a second or more has passed since the last flush.
    void flushIfDue(uint32_t nowMs);
    void close();

private:
    void put(const std::string& line);

    DataFile::Handle file;
    uint32_t lastFlushMs = 0;
};
