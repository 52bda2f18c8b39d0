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
    // The program name and GLUT's options, in their order, for glutInit.
    std::vector<std::string> glutArgs;
    // One line saying what is wrong; empty when the command line is good.
    std::string error;

    static CommandLine parse(int argc, const char* const* argv);
    static const char* usage();
};
