// CommandLine: the game's own options, read before any window opens. GLUT's
// X options (-display NAME and the like) are kept aside for glutInit.
#pragma once

#include <string>
#include <vector>

struct CommandLine {
    enum class Playback { None, Play, TimeDemo };

    bool help = false;
    bool version = false;
    Playback playback = Playback::None;
    std::string demoFile;    // --play or --timedemo
    std::string recordFile;  // --record
    // --window: a window instead of full screen; a size of 0 x 0 asks for the
    // game's own size, or the largest that fits the screen.
    bool windowed = false;
    int windowWidth = 0;
    int windowHeight = 0;
    // --fullscreen: a borderless window at the desktop's own size, the
    // desktop's mode left as it is.
    bool fullscreen = false;
    // The program name and GLUT's options, in their order, for glutInit.
    std::vector<std::string> glutArgs;
    // One line saying what is wrong; empty when the command line is good.
    std::string error;

    static constexpr int minWindowSide = 32;
    static constexpr int maxWindowSide = 16384;

    static CommandLine parse(int argc, const char* const* argv);
    static const char* usage();
};
