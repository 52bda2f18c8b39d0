// ModeGuard: puts the display's video mode back however the game ends, a
// crash or a kill included, which the X server does not do by itself. A
// helper process, forked before game mode switches the mode, notes the mode
// over an X connection of its own and waits on a pipe that only the game's
// end closes, however it comes; then it switches the display back. The X
// calls come from the libX11 and libXxf86vm that GLUT loaded (the game links
// no X library itself).
#pragma once

class ModeGuard {
public:
    // Forks the helper and waits until it has noted the mode; false where it
    // can't (no display, no mode extension), and nothing is guarded.
    static bool start();
    // Lets the helper go at once, the mode left as it is now: for a game that
    // never switched it.
    static void release();
};
