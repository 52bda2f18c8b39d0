#include "demo/DemoFormat.h"

#include "common/DataFile.h"
#include "common/FloatText.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>

namespace {

using Kind = DemoEvent::Kind;
using Screen = DemoState::Screen;
using Phase = DemoState::Phase;

const char* const magic = "quorvel-demo";
constexpr int maxWindowSide = 16384;
constexpr int maxKey = 255;
constexpr int maxButton = 15;

const std::array<const char*, 3> screenWords = {"menu", "help", "run"};
const std::array<const char*, 2> lightWords = {"day", "night"};
const std::array<const char*, 2> pauseWords = {"running", "paused"};
const std::array<const char*, 5> phaseWords = {"ride", "switch", "air", "approach", "crash"};

struct LineError {
    std::string message;
};

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

std::string quoted(std::string_view text) {
    // Control bytes in a hostile file would garble the one-line message.
    std::string out = "'";
    for (char c : text.substr(0, 40)) out += (c >= 32 && c < 127) ? c : '?';
    return out + (text.size() > 40 ? "...'" : "'");
}

template <typename Number>
Number parseNumber(std::string_view field) {
    Number value{};
    auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error == std::errc::result_out_of_range) throw LineError{quoted(field) + " is out of range"};
    if (error != std::errc() || end != field.data() + field.size()) throw LineError{quoted(field) + " is not a number"};
    return value;
}

int parseInt(std::string_view field, int low, int high, const char* what) {
    long long value = parseNumber<long long>(field);
    if (value < low || value > high)
        throw LineError{std::string(what) + " " + std::string(field) + " is out of range (" + std::to_string(low) +
                        " to " + std::to_string(high) + ")"};
    return static_cast<int>(value);
}

float parseFinite(std::string_view field) {
    float value = 0.0f;
    const char* problem = nullptr;
    if (!FloatText::read(field.data(), field.data() + field.size(), value, &problem))
        throw LineError{quoted(field) + " " + problem};
    return value;
}

template <size_t N>
int parseWord(std::string_view field, const std::array<const char*, N>& words, const char* what) {
    for (size_t i = 0; i < N; ++i)
        if (field == words[i]) return static_cast<int>(i);
    throw LineError{quoted(field) + " is no " + what};
}

class Reader {
public:
    DemoReadResult read(std::string_view text);

private:
    void readHeader(std::string_view line);
    void readLine(const std::vector<std::string_view>& fields);
    void expectFields(const std::vector<std::string_view>& fields, size_t count) const;
    void readPointer(DemoEvent& event, std::string_view x, std::string_view y, bool mayLeaveWindow) const;
    void readState(const std::vector<std::string_view>& fields);
    void add(const DemoEvent& event);
    void dropAfterLastFrame();

    DemoReadResult result;
    int lineNumber = 0;
    int width = 0;
    int height = 0;
    bool afterFrame = false;
};

DemoReadResult Reader::read(std::string_view text) {
    size_t start = 0;
    try {
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            ++lineNumber;
            if (end == std::string_view::npos) {
                // No newline: the writer was stopped inside this line.
                result.demo.cutOffLine = lineNumber;
                dropAfterLastFrame();
                break;
            }
            std::string_view line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            start = end + 1;
            if (lineNumber > DemoFormat::maxLines)
                throw LineError{"more lines than a demo may hold (" + std::to_string(DemoFormat::maxLines) + ")"};
            if (lineNumber == 1) {
                readHeader(line);
                continue;
            }
            std::vector<std::string_view> fields = splitFields(line);
            if (fields.empty() || fields[0][0] == '#') continue;
            readLine(fields);
        }
        if (lineNumber == 0 || result.demo.cutOffLine == 1) {
            lineNumber = 1;
            throw LineError{"not a Quorvel demo: it ends before its first line does"};
        }
        if (result.demo.frames == 0) {
            lineNumber = 0;
            throw LineError{"holds no frame"};
        }
    } catch (const LineError& error) {
        result.demo = Demo();
        result.error = error.message;
        result.errorLine = lineNumber;
    }
    return std::move(result);
}

void Reader::readHeader(std::string_view line) {
    std::vector<std::string_view> fields = splitFields(line);
    if (fields.size() != 2 || fields[0] != magic)
        throw LineError{"not a Quorvel demo (its first line should be \"quorvel-demo " +
                        std::to_string(DemoFormat::version) + "\")"};
    if (fields[1] != std::to_string(DemoFormat::version))
        throw LineError{"demo version " + quoted(fields[1]) + " is not one this game plays (" +
                        std::to_string(DemoFormat::version) + ")"};
}

void Reader::readLine(const std::vector<std::string_view>& fields) {
    std::string_view keyword = fields[0];
    DemoEvent event;
    event.line = lineNumber;
    if (keyword == "window") {
        expectFields(fields, 3);
        event.kind = Kind::Window;
        event.x = width = parseInt(fields[1], 1, maxWindowSide, "width");
        event.y = height = parseInt(fields[2], 1, maxWindowSide, "height");
    } else if (keyword == "random") {
        expectFields(fields, 2);
        event.kind = Kind::Random;
        event.random = parseNumber<uint32_t>(fields[1]);
    } else if (keyword == "key") {
        expectFields(fields, 2);
        event.kind = Kind::Key;
        event.value = parseInt(fields[1], 0, maxKey, "key");
    } else if (keyword == "button") {
        expectFields(fields, 5);
        event.kind = Kind::Button;
        event.value = parseInt(fields[1], 0, maxButton, "button");
        event.down = parseWord(fields[2], std::array<const char*, 2>{"up", "down"}, "button state (down or up)") == 1;
        readPointer(event, fields[3], fields[4], true);
    } else if (keyword == "drag" || keyword == "move") {
        expectFields(fields, 3);
        event.kind = keyword == "drag" ? Kind::Drag : Kind::Move;
        readPointer(event, fields[1], fields[2], event.kind == Kind::Drag);
    } else if (keyword == "frame") {
        expectFields(fields, 2);
        if (width == 0) throw LineError{"a frame before any window line"};
        event.kind = Kind::Frame;
        event.value = parseInt(fields[1], 1, DemoFormat::maxFrameRate, "frame rate");
        ++result.demo.frames;
    } else if (keyword == "state") {
        readState(fields);
        return;
    } else {
        throw LineError{quoted(keyword) + " is no demo line"};
    }
    add(event);
}

void Reader::expectFields(const std::vector<std::string_view>& fields, size_t count) const {
    if (fields.size() != count)
        throw LineError{"'" + std::string(fields[0]) + "' takes " + std::to_string(count - 1) +
                        (count == 2 ? " value, not " : " values, not ") + std::to_string(fields.size() - 1)};
}

// The pointer stays in the window, except while a button is held: then X
// keeps reporting it beyond the window's edges, up to a window's size.
void Reader::readPointer(DemoEvent& event, std::string_view x, std::string_view y, bool mayLeaveWindow) const {
    if (width == 0) throw LineError{"a pointer event before any window line"};
    event.x = parseInt(x, -maxWindowSide * 2, maxWindowSide * 3, "x");
    event.y = parseInt(y, -maxWindowSide * 2, maxWindowSide * 3, "y");
    const int marginX = mayLeaveWindow ? width : 0;
    const int marginY = mayLeaveWindow ? height : 0;
    if (event.x < -marginX || event.x >= width + marginX || event.y < -marginY || event.y >= height + marginY)
        throw LineError{"the pointer at (" + std::to_string(event.x) + ", " + std::to_string(event.y) +
                        ") lies outside the " + std::to_string(width) + "x" + std::to_string(height) + " window"};
}

void Reader::readState(const std::vector<std::string_view>& fields) {
    expectFields(fields, 20);
    if (!afterFrame) throw LineError{"a state line belongs right after its frame"};
    DemoState state;
    state.screen = static_cast<Screen>(parseWord(fields[1], screenWords, "screen (menu, help or run)"));
    state.night = parseWord(fields[2], lightWords, "lighting (day or night)") == 1;
    state.paused = parseWord(fields[3], pauseWords, "pause state (running or paused)") == 1;
    state.phase = static_cast<Phase>(parseWord(fields[4], phaseWords, "rider phase"));
    float* numbers[] = {&state.position.x,      &state.position.y,      &state.position.z, &state.rotation.x,
                        &state.rotation.y,      &state.rotation.z,      &state.speed,      &state.trickRotation.x,
                        &state.trickRotation.y, &state.trickRotation.z, &state.balanceX,   &state.balanceY,
                        &state.eye.x,           &state.eye.y,           &state.eye.z};
    for (size_t i = 0; i < std::size(numbers); ++i) *numbers[i] = parseFinite(fields[5 + i]);
    DemoEvent event;
    event.kind = Kind::State;
    event.line = lineNumber;
    event.state = static_cast<int>(result.demo.states.size());
    result.demo.states.push_back(state);
    add(event);
}

void Reader::add(const DemoEvent& event) {
    afterFrame = event.kind == Kind::Frame;
    result.demo.events.push_back(event);
}

void Reader::dropAfterLastFrame() {
    std::vector<DemoEvent>& events = result.demo.events;
    while (!events.empty() && events.back().kind != Kind::Frame && events.back().kind != Kind::State) {
        events.pop_back();
    }
}

std::string numbers(std::initializer_list<float> values) {
    std::string out;
    for (float v : values) out += " " + FloatText::write(v);
    return out;
}

}  // namespace

bool DemoState::operator==(const DemoState& o) const {
    auto same = [](const Vec3& a, const Vec3& b) { return a.x == b.x && a.y == b.y && a.z == b.z; };
    return screen == o.screen && night == o.night && paused == o.paused && phase == o.phase &&
           same(position, o.position) && same(rotation, o.rotation) && speed == o.speed &&
           same(trickRotation, o.trickRotation) && balanceX == o.balanceX && balanceY == o.balanceY && same(eye, o.eye);
}

DemoReadResult DemoFormat::read(std::string_view text) { return Reader().read(text); }

DemoReadResult DemoFormat::load(const std::string& path) {
    DemoReadResult result;
    DataFile::Handle file(std::fopen(path.c_str(), "rb"));
    std::string text;
    if (file) {
        char buffer[65536];
        size_t count;
        while (text.size() <= maxBytes && (count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
            text.append(buffer, count);
        }
    }
    if (!file || std::ferror(file.get())) {
        result.error = std::string("can't read it: ") + std::strerror(errno);
    } else if (text.size() > maxBytes) {
        result.error = "larger than a demo may be (" + std::to_string(maxBytes >> 20) + " MiB)";
    } else {
        result = read(text);
    }
    return result;
}

std::string DemoFormat::header() { return std::string(magic) + " " + std::to_string(version) + "\n"; }

std::string DemoFormat::line(const DemoEvent& e) {
    switch (e.kind) {
    case Kind::Window: return "window " + std::to_string(e.x) + " " + std::to_string(e.y) + "\n";
    case Kind::Random: return "random " + std::to_string(e.random) + "\n";
    case Kind::Key: return "key " + std::to_string(e.value) + "\n";
    case Kind::Button:
        return "button " + std::to_string(e.value) + (e.down ? " down " : " up ") + std::to_string(e.x) + " " +
               std::to_string(e.y) + "\n";
    case Kind::Drag: return "drag " + std::to_string(e.x) + " " + std::to_string(e.y) + "\n";
    case Kind::Move: return "move " + std::to_string(e.x) + " " + std::to_string(e.y) + "\n";
    case Kind::Frame: return "frame " + std::to_string(e.value) + "\n";
    case Kind::State: break;
    }
    return "";
}

std::string DemoFormat::line(const DemoState& s) {
    return std::string("state ") + screenWords[static_cast<int>(s.screen)] + " " + lightWords[s.night] + " " +
           pauseWords[s.paused] + " " + phaseWords[static_cast<int>(s.phase)] +
           numbers({s.position.x, s.position.y, s.position.z, s.rotation.x, s.rotation.y, s.rotation.z, s.speed,
                    s.trickRotation.x, s.trickRotation.y, s.trickRotation.z, s.balanceX, s.balanceY, s.eye.x, s.eye.y,
                    s.eye.z}) +
           "\n";
}
