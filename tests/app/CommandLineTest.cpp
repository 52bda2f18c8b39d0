#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

CommandLine parse(std::vector<const char*> args) {
    args.insert(args.begin(), "quorvel");
    return CommandLine::parse(static_cast<int>(args.size()), args.data());
}

using Playback = CommandLine::Playback;

}  // namespace

TEST(CommandLine, OptionsAreReadAndGlutsOwnKeptInOrder) {
    CommandLine line = parse(
        {"-display", ":3", "--record", "out.demo", "-sync", "--timedemo", "run.demo", "-geometry", "640x480+0+0"});
    EXPECT_EQ(line.error, "");
    EXPECT_EQ(line.playback, Playback::TimeDemo);
    EXPECT_EQ(line.demoFile, "run.demo");
    EXPECT_EQ(line.recordFile, "out.demo");
    EXPECT_EQ(line.glutArgs,
              (std::vector<std::string>{"quorvel", "-display", ":3", "-sync", "-geometry", "640x480+0+0"}));

    CommandLine none = parse({});
    EXPECT_EQ(none.error, "");
    EXPECT_EQ(none.playback, Playback::None);
    EXPECT_TRUE(none.recordFile.empty());
    EXPECT_FALSE(none.help || none.version);
    EXPECT_EQ(none.glutArgs, std::vector<std::string>{"quorvel"});

    EXPECT_EQ(parse({"--play", "a.demo"}).playback, Playback::Play);
    CommandLine sized = parse({"--window", "800x600", "--play", "a.demo"});
    EXPECT_TRUE(sized.windowed);
    EXPECT_EQ(sized.windowWidth * 10000 + sized.windowHeight, 8000600);
    // Without a size the next option stays an option.
    CommandLine unsized = parse({"--window", "--record", "b.demo"});
    EXPECT_EQ(unsized.error, "");
    EXPECT_TRUE(unsized.windowed);
    EXPECT_EQ(unsized.windowWidth, 0);
    EXPECT_EQ(unsized.recordFile, "b.demo");
    EXPECT_EQ(parse({"--window", "32x16384"}).error + parse({"--window", "16384x32"}).error, "");
    // A file named with a leading '-' is reachable by its path; X geometries
    // may start with '-' and a digit.
    EXPECT_EQ(parse({"--record", "./-1.demo"}).recordFile, "./-1.demo");
    CommandLine corner = parse({"-geometry", "-0-0", "--fullscreen"});
    EXPECT_EQ(corner.error, "");
    EXPECT_TRUE(corner.fullscreen);
    EXPECT_EQ(corner.glutArgs, (std::vector<std::string>{"quorvel", "-geometry", "-0-0"}));
    EXPECT_TRUE(parse({"--help"}).help);
    EXPECT_TRUE(parse({"--version"}).version);
}

TEST(CommandLine, MistakesGiveOneLineNamingThem) {
    struct Case {
        std::vector<const char*> args;
        const char* error;
    };
    const Case cases[] = {
        {{"--fly"}, "unknown option '--fly'"},
        {{"run.demo"}, "unexpected argument 'run.demo'"},
        {{"--play"}, "--play needs a file name"},
        {{"--record", ""}, "--record needs a file name"},
        {{"-display"}, "-display needs a value"},
        // An option never swallows the next one as its value.
        {{"--record", "--window"}, "--record needs a file name, not '--window'"},
        {{"--play", "--window"}, "--play needs a file name, not '--window'"},
        {{"--timedemo", "-h"}, "--timedemo needs a file name, not '-h'"},
        {{"--record", "-1.demo"}, "--record needs a file name, not '-1.demo'"},
        {{"-display", "--record", "a"}, "-display needs a value, not '--record'"},
        {{"-geometry", "-sync"}, "-geometry needs a value, not '-sync'"},
        {{"--play", "a", "--timedemo", "b"}, "--play and --timedemo take one demo, once"},
        {{"--timedemo", "a", "--timedemo", "a"}, "--play and --timedemo take one demo, once"},
        {{"--fullscreen", "--fullscreen"}, "--fullscreen is given twice"},
        {{"--window", "--fullscreen"}, "--window and --fullscreen don't go together"},
        {{"--record", "a", "--record", "b"}, "--record is given twice"},
        {{"--window", "0x0"}, "--window 0x0: each side must be 32 to 16384 pixels"},
        {{"--window", "99999x5"}, "--window 99999x5: each side must be 32 to 16384 pixels"},
        {{"--window", "31x600"}, "--window 31x600: each side must be 32 to 16384 pixels"},
        {{"--window", "600x31"}, "--window 600x31: each side must be 32 to 16384 pixels"},
        {{"--window", "16385x600"}, "--window 16385x600: each side must be 32 to 16384 pixels"},
        {{"--window", "600x16385"}, "--window 600x16385: each side must be 32 to 16384 pixels"},
        {{"--window", "abc"}, "--window takes a size such as 800x600, not 'abc'"},
        {{"--window", "800x600+0"}, "--window takes a size such as 800x600, not '800x600+0'"},
        {{"--window", "--window"}, "--window is given twice"},
    };
    for (const Case& c : cases) {
        CommandLine line = parse(c.args);
        EXPECT_EQ(line.error, c.error);
    }
}
