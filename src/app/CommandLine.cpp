#include "app/CommandLine.h"

#include <cctype>
#include <cstdio>
#include <cstring>

namespace {

// freeglut's own options; the first two take a value.
const char* const glutOptionsWithValue[] = {"-display", "-geometry"};
const char* const glutFlags[] = {"-direct", "-indirect", "-iconic", "-gldebug", "-sync"};

template <size_t N>
bool isOneOf(const std::string& arg, const char* const (&names)[N]) {
    for (const char* name : names)
        if (arg == name) return true;
    return false;
}

class Parser {
public:
    Parser(int argc, const char* const* argv) : args(argv, argv + argc) {}
    CommandLine parse();

private:
    void parseOne(const std::string& arg);
    std::string valueOf(const std::string& option, const char* what);
    void setPlayback(CommandLine::Playback playback, const std::string& option);
    void setWindow();
    void fail(const std::string& message) {
        if (line.error.empty()) line.error = message;
    }

    std::vector<std::string> args;
    size_t next = 1;
    CommandLine line;
};

CommandLine Parser::parse() {
    line.glutArgs.push_back(args.empty() ? "quorvel" : args[0]);
    while (next < args.size() && line.error.empty()) parseOne(args[next++]);
    if (line.windowed && line.fullscreen) fail("--window and --fullscreen don't go together");
    return line;
}

void Parser::parseOne(const std::string& arg) {
    if (arg == "--help" || arg == "-h") {
        line.help = true;
    } else if (arg == "--version") {
        line.version = true;
    } else if (arg == "--play") {
        setPlayback(CommandLine::Playback::Play, arg);
    } else if (arg == "--timedemo") {
        setPlayback(CommandLine::Playback::TimeDemo, arg);
    } else if (arg == "--record") {
        if (!line.recordFile.empty()) fail("--record is given twice");
        line.recordFile = valueOf(arg, "a file name");
    } else if (arg == "--window") {
        setWindow();
    } else if (arg == "--fullscreen") {
        if (line.fullscreen) fail("--fullscreen is given twice");
        line.fullscreen = true;
    } else if (isOneOf(arg, glutOptionsWithValue)) {
        line.glutArgs.push_back(arg);
        line.glutArgs.push_back(valueOf(arg, "a value"));
    } else if (isOneOf(arg, glutFlags)) {
        line.glutArgs.push_back(arg);
    } else if (!arg.empty() && arg[0] == '-') {
        fail("unknown option '" + arg + "'");
    } else {
        fail("unexpected argument '" + arg + "'");
    }
}

// A value that looks like an option is one the player forgot the value
// before: taken as a file name, it would be written over. A file whose name
// starts with '-' is still reachable as ./-name; X geometries such as -0-0
// start with '-' and a digit.
std::string Parser::valueOf(const std::string& option, const char* what) {
    const bool missing = next >= args.size() || args[next].empty();
    const bool geometry =
        !missing && option == "-geometry" && std::isdigit(static_cast<unsigned char>(args[next].c_str()[1]));
    if (missing || (args[next][0] == '-' && !geometry)) {
        fail(option + " needs " + what + (missing ? "" : ", not '" + args[next] + "'"));
        return "";
    }
    return args[next++];
}

void Parser::setPlayback(CommandLine::Playback playback, const std::string& option) {
    if (line.playback != CommandLine::Playback::None) fail("--play and --timedemo take one demo, once");
    line.playback = playback;
    line.demoFile = valueOf(option, "a file name");
}

// The size is optional: the next argument is taken for it unless it is an option.
void Parser::setWindow() {
    if (line.windowed) fail("--window is given twice");
    line.windowed = true;
    if (next >= args.size() || args[next].empty() || args[next][0] == '-') return;
    const std::string& size = args[next++];
    int width = 0, height = 0, length = 0;
    const bool read = std::sscanf(size.c_str(), "%5dx%5d%n", &width, &height, &length) == 2 &&
                      static_cast<size_t>(length) == size.size() && std::isdigit(static_cast<unsigned char>(size[0]));
    if (!read) return fail("--window takes a size such as 800x600, not '" + size + "'");
    if (width < CommandLine::minWindowSide || height < CommandLine::minWindowSide ||
        width > CommandLine::maxWindowSide || height > CommandLine::maxWindowSide) {
        return fail("--window " + size + ": each side must be " + std::to_string(CommandLine::minWindowSide) + " to " +
                    std::to_string(CommandLine::maxWindowSide) + " pixels");
    }
    line.windowWidth = width;
    line.windowHeight = height;
}

}  // namespace

CommandLine CommandLine::parse(int argc, const char* const* argv) { return Parser(argc, argv).parse(); }

const char* CommandLine::usage() {
    return "Usage: quorvel [OPTION]...\n"
           "A snowboard game: ride the floodlit slope, jump the kicker, spin, flip and land.\n"
           "\n"
           "  --record FILE     play, and write the session to FILE as a demo: it goes to\n"
           "                    FILE.part and takes FILE's place when the game ends\n"
           "  --play FILE       show the demo in FILE again; Escape ends it\n"
           "  --timedemo FILE   play the demo in FILE as fast as it draws, print\n"
           "                    frames, seconds and frames per second, and quit\n"
           "  --window [WxH]    play in a window of 1280x1024 (or the largest that fits\n"
           "                    the screen), or of the size given, not full screen\n"
           "  --fullscreen      play full screen at the desktop's own size, without\n"
           "                    switching the screen's mode\n"
           "  --help            show this help and quit\n"
           "  --version         show the version and quit\n"
           "\n"
           "X options such as -display NAME and -geometry WxH+X+Y go to the X server.\n"
           "A file name that starts with '-' is written ./-name.\n"
           "\n"
           "Exit status: 0 when the player quits, 1 when the game's data can't be found or\n"
           "a model names a texture that can't be read, 2 for a bad command line or a demo\n"
           "file that can't be played, 3 when the recording can't be written (what was\n"
           "written stays in FILE.part); ended by SIGINT, SIGTERM or SIGHUP, the game\n"
           "first keeps the recording, then ends by that signal.\n";
}
