#include "app/ModeGuard.h"

#include "app/XCalls.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using xcalls::Display;
using xcalls::find;
using xcalls::OpenDisplayFn;

// Xlib's and the XFree86-VidMode extension's calls.
struct ModeInfo {  // XF86VidModeModeInfo
    unsigned int dotClock;
    unsigned short hDisplay, hSyncStart, hSyncEnd, hTotal, hSkew;
    unsigned short vDisplay, vSyncStart, vSyncEnd, vTotal;
    unsigned int flags;
    int privateSize;
    int* privateData;
};
using DefaultScreenFn = int (*)(Display*);
using SyncFn = int (*)(Display*, int);
using GetAllModeLinesFn = int (*)(Display*, int, int*, ModeInfo***);
using SwitchToModeFn = int (*)(Display*, int, ModeInfo*);
using SetViewPortFn = int (*)(Display*, int, int, int);

const int highestInheritedFd = 1024;

pid_t helper = 0;
int gameAliveEnd = -1;  // the game's end of the pipe: closed when it ends

// The helper keeps nothing of the game's but its two pipe ends: not its
// output (a reader waiting for the end of it would wait for the helper too),
// not its X connection (the server would not see the game go), not its
// terminal (whose Ctrl+C ends the game, not the helper).
void letGoOfTheGame(int ready, int gameAlive) {
    setsid();
    const int nothing = open("/dev/null", O_RDWR);
    for (int fd = 0; fd <= 2; ++fd) dup2(nothing, fd);
    for (int fd = 3; fd <= highestInheritedFd; ++fd)
        if (fd != ready && fd != gameAlive) close(fd);
}

// In the helper: the mode noted (the extension lists the current one first),
// the game told, then back to it once the game's end closes the pipe.
[[noreturn]] void guard(int ready, int gameAlive) {
    letGoOfTheGame(ready, gameAlive);
    const auto open = find<OpenDisplayFn>("XOpenDisplay");
    const auto defaultScreen = find<DefaultScreenFn>("XDefaultScreen");
    const auto sync = find<SyncFn>("XSync");
    const auto modeLines = find<GetAllModeLinesFn>("XF86VidModeGetAllModeLines");
    const auto switchTo = find<SwitchToModeFn>("XF86VidModeSwitchToMode");
    const auto setViewPort = find<SetViewPortFn>("XF86VidModeSetViewPort");
    if (!open || !defaultScreen || !sync || !modeLines || !switchTo || !setViewPort) _exit(1);
    Display* display = open(nullptr);
    if (!display) _exit(1);
    const int screen = defaultScreen(display);
    int count = 0;
    ModeInfo** modes = nullptr;
    if (!modeLines(display, screen, &count, &modes) || count < 1) _exit(1);
    const char noted = 1;
    if (write(ready, &noted, 1) != 1) _exit(1);
    close(ready);
    char nothingComes;
    while (read(gameAlive, &nothingComes, 1) > 0) {
    }
    // Released, the display is as noted already: this switches nothing.
    switchTo(display, screen, modes[0]);
    setViewPort(display, screen, 0, 0);
    sync(display, 0);
    _exit(0);
}

}  // namespace

bool ModeGuard::start() {
    if (helper > 0) return true;
    int readyPipe[2], alivePipe[2];
    if (pipe(readyPipe) != 0) return false;
    if (pipe(alivePipe) != 0) {
        close(readyPipe[0]);
        close(readyPipe[1]);
        return false;
    }
    helper = fork();
    if (helper == 0) guard(readyPipe[1], alivePipe[0]);
    close(readyPipe[1]);
    close(alivePipe[0]);
    gameAliveEnd = alivePipe[1];
    // Open until the process ends, and to no program it might start.
    fcntl(gameAliveEnd, F_SETFD, FD_CLOEXEC);
    char noted = 0;
    const bool guarded = helper > 0 && read(readyPipe[0], &noted, 1) == 1;
    close(readyPipe[0]);
    if (!guarded) release();
    return guarded;
}

void ModeGuard::release() {
    if (gameAliveEnd >= 0) close(gameAliveEnd);
    gameAliveEnd = -1;
    if (helper > 0) waitpid(helper, nullptr, 0);
    helper = 0;
}
