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
    EXPECT_EQ(line.error + "|" + line.demoFile + "|" + line.recordFile, "|run.demo|out.demo");
    EXPECT_EQ(line.playback, Playback::TimeDemo);
    EXPECT_EQ(line.glutArgs,
              (std::vector<std::string>{"quorvel", "-display", ":3", "-sync", "-geometry", "640x480+0+0"}));
    CommandLine none = parse({});
    EXPECT_TRUE(none.error.empty() && none.playback == Playback::None && none.recordFile.empty() && !none.help &&
                !none.version && !none.windowed && none.glutArgs == std::vector<std::string>{"quorvel"});

    EXPECT_EQ(parse({"--play", "a.demo"}).playback, Playback::Play);
    CommandLine sized = parse({"--window", "800x600", "--play", "a.demo"});
    EXPECT_TRUE(sized.windowed && sized.windowWidth == 800 && sized.windowHeight == 600);
    // Without a size the next option stays an option.
    CommandLine unsized = parse({"--window", "--record", "b.demo"});
    EXPECT_TRUE(unsized.error.empty() && unsized.windowed && unsized.windowWidth == 0 &&
                unsized.recordFile == "b.demo");
    EXPECT_EQ(parse({"--window", "32x16384"}).error + parse({"--window", "16384x32"}).error, "");
    // A file named with a leading '-' is reachable by its path; X geometries may start with '-' and a digit.
    EXPECT_EQ(parse({"--record", "./-1.demo"}).recordFile, "./-1.demo");
    CommandLine corner = parse({"-geometry", "-0-0", "--fullscreen"});
    EXPECT_TRUE(corner.error.empty() && corner.fullscreen);
    EXPECT_EQ(corner.glutArgs, (std::vector<std::string>{"quorvel", "-geometry", "-0-0"}));
    EXPECT_TRUE(parse({"-h"}).help && parse({"--help"}).help && parse({"--version"}).version);
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
        {{"--timedemo", "-h"}, "--timedemo needs a file name, not '-h'"},
        {{"--record", "-1.demo"}, "--record needs a file name, not '-1.demo'"},
        {{"-display", "--record", "a"}, "-display needs a value, not '--record'"},
        {{"-geometry", "-sync"}, "-geometry needs a value, not '-sync'"},
        {{"--play", "a", "--timedemo", "b"}, "--play and --timedemo take one demo, once"},
        {{"--fullscreen", "--fullscreen"}, "--fullscreen is given twice"},
        {{"--window", "--fullscreen"}, "--window and --fullscreen don't go together"},
        {{"--record", "a", "--record", "b"}, "--record is given twice"},
        {{"--window", "abc"}, "--window takes a size such as 800x600, not 'abc'"},
        {{"--window", "800x600+0"}, "--window takes a size such as 800x600, not '800x600+0'"},
        {{"--window", "--window"}, "--window is given twice"},
    };
    for (const Case& c : cases) EXPECT_EQ(parse(c.args).error, c.error);
    for (const char* size : {"31x600", "600x31", "16385x600", "600x16385"})
        EXPECT_EQ(parse({"--window", size}).error,
                  "--window " + std::string(size) + ": each side must be 32 to 16384 pixels");
}
