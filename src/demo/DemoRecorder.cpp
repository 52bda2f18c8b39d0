#include "demo/DemoRecorder.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr uint32_t flushPeriodMs = 1000;
const char* const partSuffix = ".part";

}  // namespace

bool DemoRecorder::open(const std::string& path, std::string& error) {
    shownName = path;
    std::error_code ignored;
    // Absolute, as the game moves into its data folder before it ends.
    target = fs::absolute(path, ignored).string();
    const fs::file_status status = fs::status(path, ignored);
    const bool inPlace = fs::exists(status) && !fs::is_regular_file(status);
    if (!inPlace && fs::is_symlink(fs::symlink_status(path, ignored))) {
        const fs::path real = fs::weakly_canonical(target, ignored);
        if (!ignored) target = real.string();
    }
    partPath = inPlace ? target : target + partSuffix;
    file.reset(std::fopen(partPath.c_str(), "wb"));
    if (!file) {
        error = "cannot write " + shownName + (inPlace ? "" : partSuffix) + ": " + std::strerror(errno);
        return false;
    }
    put(DemoFormat::header());
    if (!flush()) {
        error = firstFailure;
        abandon();
        firstFailure.clear();  // handed over: the recording never began
        return false;
    }
    return true;
}

void DemoRecorder::write(const DemoEvent& event) { put(DemoFormat::line(event)); }

void DemoRecorder::write(const DemoState& state) { put(DemoFormat::line(state)); }

void DemoRecorder::put(const std::string& line) {
    if (file && std::fwrite(line.data(), 1, line.size(), file.get()) != line.size()) fail(errno);
}

bool DemoRecorder::flush() {
    if (file && std::fflush(file.get()) != 0) fail(errno);
    return file != nullptr;
}

void DemoRecorder::flushIfDue(uint32_t nowMs) {
    // Unsigned subtraction survives the clock's wrap.
    if (!file || nowMs - lastFlushMs < flushPeriodMs) return;
    flush();
    lastFlushMs = nowMs;
}

bool DemoRecorder::commit() {
    if (!file) return firstFailure.empty();
    const bool inPlace = partPath == target;
    // On disk before it takes the old file's place, so a power cut can't leave
    // an empty file under the old name.
    if (!flush() || (!inPlace && fsync(fileno(file.get())) != 0)) {
        fail(errno);
        return false;
    }
    if (std::fclose(file.release()) != 0) {
        fail(errno);
        return false;
    }
    if (!inPlace && std::rename(partPath.c_str(), target.c_str()) != 0) {
        fail(errno);
        return false;
    }
    return true;
}

void DemoRecorder::abandon() {
    file.reset();
    if (partPath != target) std::remove(partPath.c_str());
}

// The .part keeps what was written before the failure: it may still play.
void DemoRecorder::fail(int error) {
    if (firstFailure.empty()) firstFailure = "cannot write " + shownName + ": " + std::strerror(error);
    if (file) std::fclose(file.release());
}
