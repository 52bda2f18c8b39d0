#include "app/DemoRecorder.h"

namespace {
constexpr uint32_t flushPeriodMs = 1000;
}

bool DemoRecorder::open(const std::string& path) {
    file.reset(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    put(DemoFormat::header());
    std::fflush(file.get());
    return true;
}

void DemoRecorder::write(const DemoEvent& event) { put(DemoFormat::line(event)); }

void DemoRecorder::write(const DemoState& state) { put(DemoFormat::line(state)); }

void DemoRecorder::put(const std::string& line) {
    if (file) std::fwrite(line.data(), 1, line.size(), file.get());
}

void DemoRecorder::flushIfDue(uint32_t nowMs) {
    // Unsigned subtraction survives the clock's wrap.
    if (!file || nowMs - lastFlushMs < flushPeriodMs) return;
    std::fflush(file.get());
    lastFlushMs = nowMs;
}

void DemoRecorder::close() { file.reset(); }
