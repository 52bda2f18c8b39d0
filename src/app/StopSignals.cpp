#include "app/StopSignals.h"

#include <csignal>
#include <cstdlib>
#include <initializer_list>

namespace {

volatile std::sig_atomic_t caughtSignal = 0;

extern "C" void note(int signal) { caughtSignal = signal; }

}  // namespace

void StopSignals::catchThem() {
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) std::signal(signal, note);
}

int StopSignals::caught() { return caughtSignal; }

void StopSignals::endWith(int signal) {
    std::signal(signal, SIG_DFL);
    std::raise(signal);
    std::_Exit(128 + signal);  // should the signal be blocked
}
