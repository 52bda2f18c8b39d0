#include "demo/DemoFormat.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using Kind = DemoEvent::Kind;

const std::string header = "quorvel-demo 1\n";

DemoEvent event(Kind kind, int x, int y, int value = 0, bool down = false) {
    DemoEvent e;
    e.kind = kind;
    e.x = x, e.y = y, e.value = value, e.down = down;
    return e;
}

DemoReadResult read(const std::string& body) { return DemoFormat::read(header + body); }

}  // namespace

// Whatever the recorder writes reads back the same, floats bit for bit.
TEST(DemoFormat, WrittenLinesReadBackExactly) {
    DemoState state;
    state.screen = DemoState::Screen::Run;
    state.night = true;
    state.phase = DemoState::Phase::Approach;
    state.position = {41.111088f, 104.863556f, -0.1f};
    state.rotation = {-1.852e-41f, 359.99997f, 1e-7f};
    state.speed = std::numeric_limits<float>::denorm_min();
    state.trickRotation = {0.0f, 123.456789f, std::numeric_limits<float>::max()};
    state.balanceY = -1.05f;
    state.eye = {-3e-30f, 0.5f, 1e30f};
    DemoEvent random;
    random.kind = Kind::Random;
    random.random = 4294967295u;
    const DemoEvent events[] = {event(Kind::Window, 1280, 1024),     random,
                                event(Kind::Key, 0, 0, 115),         event(Kind::Button, -1280, 2047, 2, true),
                                event(Kind::Button, 0, 0, 0, false), event(Kind::Drag, 2559, -1024),
                                event(Kind::Move, 1279, 1023),       event(Kind::Frame, 0, 0, 130)};
    std::string text = header;
    for (const DemoEvent& e : events) text += DemoFormat::line(e);
    text += DemoFormat::line(state);

    DemoReadResult result = DemoFormat::read(text);
    ASSERT_EQ(result.error, "");
    ASSERT_EQ(result.demo.events.size(), std::size(events) + 1);
    for (size_t i = 0; i < std::size(events); ++i) {
        const DemoEvent& got = result.demo.events[i];
        EXPECT_EQ(DemoFormat::line(got), DemoFormat::line(events[i]));
        EXPECT_EQ(got.line, static_cast<int>(i) + 2);
    }
    ASSERT_EQ(result.demo.states.size(), 1u);
    EXPECT_TRUE(result.demo.states[0] == state) << DemoFormat::line(result.demo.states[0]);
    EXPECT_EQ(result.demo.frames, 1);
}

TEST(DemoFormat, BadLinesAreNamedWithWhatIsWrong) {
    struct Case {
        std::string text;
        int line;
        const char* says;
    };
    const std::string window = "window 640 480\n";
    const std::string state = "state run day running ride 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15";
    const Case cases[] = {
        {"", 1, "not a Quorvel demo"},
        {"P6\n640 480\n", 1, "not a Quorvel demo"},
        {"quorvel-demo 2\nframe 60\n", 1, "version '2'"},
        {header + "jump 3\n", 2, "'jump' is no demo line"},
        {header + window + "key 115 116\n", 3, "'key' takes 1 value, not 2"},
        {header + window + "key 256\n", 3, "key 256 is out of range (0 to 255)"},
        {header + window + "frame 0\n", 3, "frame rate 0 is out of range"},
        {header + window + "frame 99999999999999999999\n", 3, "is out of range"},
        {header + window + "frame +60\n", 3, "is not a number"},
        {header + "window 0 480\n", 2, "width 0 is out of range"},
        {header + "frame 60\n", 2, "a frame before any window line"},
        {header + "move 3 4\n", 2, "a pointer event before any window line"},
        {header + window + "move 640 0\n", 3, "the pointer at (640, 0) lies outside the 640x480 window"},
        {header + window + "button 0 pressed 1 1\n", 3, "'pressed' is no button state"},
        {header + window + "button 16 up 1 1\n", 3, "button 16 is out of range"},
        {header + "random 4294967296\n", 2, "is out of range"},
        {header + window + state + "\n", 3, "a state line belongs right after its frame"},
        {header + window + "frame 60\n" + state + " 11\n", 4, "'state' takes 19 values, not 20"},
        {header + window + "frame 60\nstate run dusk running ride 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15\n", 4,
         "'dusk' is no lighting"},
        {header + window + "frame 60\nstate run day running ride 1 2 3 4 5 6 inf 8 9 10 11 12 13 14 15\n", 4,
         "'inf' is not a finite"},
        {header + window + "key \x01\x02\x1b[2J\n", 3, "'???[2J' is not a number"},
        {header + window + "key 115\n", 0, "holds no frame"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        DemoReadResult result = DemoFormat::read(c.text);
        EXPECT_EQ(result.errorLine, c.line);
        EXPECT_NE(result.error.find(c.says), std::string::npos) << result.error;
        EXPECT_TRUE(result.demo.events.empty());
    }
}

// A recording cut off by a killed game plays up to its last whole frame.
TEST(DemoFormat, ACutOffTailIsDroppedBackToTheLastWholeFrame) {
    const std::string whole =
        "window 640 480\nframe 60\nstate run day running ride 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15\n";
    for (const std::string& tail : {std::string("key 11"), std::string("key 113\nmove 3 4\nfram"),
                                    std::string("state run day running ride 1 2 3 4 5 6 7 8 9 10 11 12 13 14 1")}) {
        SCOPED_TRACE(tail);
        DemoReadResult result = read(whole + tail);
        ASSERT_EQ(result.error, "");
        EXPECT_EQ(result.demo.events.size(), 3u);
        EXPECT_EQ(result.demo.events.back().kind, Kind::State);
        EXPECT_GT(result.demo.cutOffLine, 4);
    }
    EXPECT_EQ(read(whole + "key 113\n").demo.events.back().kind, Kind::Key);  // a whole line stays
    EXPECT_EQ(read(whole + "key 113\n").demo.cutOffLine, 0);
    // Cut inside its first line, a file has shown no header to trust.
    EXPECT_NE(DemoFormat::read("quorvel-de").error.find("not a Quorvel demo"), std::string::npos);
}

TEST(DemoFormat, AFileLongerThanADemoMayBeIsRefusedAtTheLineThatPassesTheLimit) {
    std::string text = header + "window 640 480\n";
    for (int line = 3; line <= DemoFormat::maxLines + 1; ++line) text += "frame 60\n";
    DemoReadResult result = DemoFormat::read(text);
    EXPECT_EQ(result.errorLine, DemoFormat::maxLines + 1);
    EXPECT_NE(result.error.find("more lines than a demo may hold"), std::string::npos);
}
