// Quorvel: start-up. Reads the command line, builds every long-lived object
// in order, then hands control to GLUT's main loop, which never returns.
#include "app/Callbacks.h"
#include "app/Camera.h"
#include "app/CommandLine.h"
#include "app/DataFolder.h"
#include "app/DemoSession.h"
#include "app/Globals.h"
#include "app/Window.h"
#include "scene/World.h"
#include "ui/BitmapFont.h"
#include "ui/HelpScreen.h"
#include "ui/MenuScreen.h"

#include <GL/freeglut.h>

#include <cstdio>
#include <cstdlib>

namespace {

const int noDataStatus = 1;
const int badCommandLineStatus = 2;

int fail(const std::string& message, int status) {
    std::fprintf(stderr, "quorvel: %s\n", message.c_str());
    return status;
}

int printHelpOrVersion(const CommandLine& line) {
    if (line.help)
        std::fputs(CommandLine::usage(), stdout);
    else
        std::printf("quorvel %s\n", QUORVEL_VERSION);
    return 0;
}

// Demo files are opened before any window, so a bad one ends the game at once.
// Returns the exit code of the failure, or 0.
int startDemoSession(const CommandLine& line) {
    if (line.playback == CommandLine::Playback::None && line.recordFile.empty()) return 0;
    demoSession = new DemoSession();
    // Ways out that pass by quitGame (a lost X connection) still keep the recording.
    std::atexit([] { demoSession->finish(); });
    std::string error;
    const bool timed = line.playback == CommandLine::Playback::TimeDemo;
    if (line.playback != CommandLine::Playback::None && !demoSession->play(line.demoFile, timed, error))
        return fail(error, badCommandLineStatus);
    if (!line.recordFile.empty() && !demoSession->record(line.recordFile, error))
        return fail(error, DemoSession::recordingFailed);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine line = CommandLine::parse(argc, argv);
    if (!line.error.empty()) return fail(line.error + " (see quorvel --help)", badCommandLineStatus);
    if (line.help || line.version) return printHelpOrVersion(line);
    // Demo files first: their names are the player's, relative to where the game started.
    if (const int status = startDemoSession(line)) return status;
    std::string dataError;
    if (!DataFolder::enter(dataError)) return fail(dataError, noDataStatus);
    std::vector<char*> glutArgv;
    for (const std::string& arg : line.glutArgs) glutArgv.push_back(const_cast<char*>(arg.c_str()));
    int glutArgc = static_cast<int>(glutArgv.size());
    glutArgv.push_back(nullptr);

    framesPerSecond = 130;
    mouseX = mouseY = 0;
    dragStarted = 0;

    // The start-up objects are never freed: they live until exit(0), and no
    // destructor may make GL calls after the window has gone.
    window = new Window(glutArgc, glutArgv.data(), "Quorvel", 1024, 768, 32, 60,
                        {line.windowed, line.windowWidth, line.windowHeight, line.fullscreen});
    Window::initGL();
    // GLUT reports the real size only at the first reshape, inside the loop.
    mouseX = window->width() / 2;
    mouseY = window->height() / 2;

    menuScreen = new MenuScreen("textures/menu.bmp", window->width(), window->height());
    helpScreen = new HelpScreen("textures/help.bmp", window->width(), window->height());
    world = new World();
    camera = new Camera();
    font = new BitmapFont();
    font->load("textures/font.tga");

    world->reset(static_cast<float>(window->width()), static_cast<float>(window->height()));
    registerCallbacks();
    glutMainLoop();
    return 0;
}
