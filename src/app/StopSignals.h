// StopSignals: SIGINT, SIGTERM and SIGHUP noted, not obeyed at once, so the
// frame loop can end the game on its own terms (a recording moved into place)
// and then die of the signal as the sender expects.
#pragma once

class StopSignals {
public:
    static void catchThem();
    // The signal that came, or 0.
    static int caught();
    // Ends the process by the signal's own default action.
    [[noreturn]] static void endWith(int signal);
};
