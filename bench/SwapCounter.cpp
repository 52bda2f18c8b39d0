// SwapCounter: an LD_PRELOAD library that counts a program's glXSwapBuffers
// calls from outside it. Every 50 ms, and at exit, it rewrites the file named
// by QUORVEL_SWAP_FILE with one line:
//   frames <count> at_ns <monotonic> first_swap_real_ns <realtime> hwm_kb <VmHWM> cpu_ns <process CPU>
// The process CPU time (all threads, the rasteriser's included) gives the
// cost of a frame in a way that other work on the machine disturbs less
// than the frame rate.
// The program itself is not changed and writes nothing more than before.
#include <GL/glx.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <string>

namespace {

using SwapFunction = void (*)(Display*, GLXDrawable);

const long long writeIntervalNs = 50000000LL;

long long frames = 0;
long long firstSwapRealNs = 0;
long long lastWriteNs = 0;

long long nowNs(clockid_t clock) {
    timespec ts{};
    clock_gettime(clock, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

long peakResidentKb() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status) return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) kb = std::strtol(line + 6, nullptr, 10);
    }
    std::fclose(status);
    return kb;
}

// Written beside the target and renamed over it, so a reader never sees half a line.
void writeCount(long long atNs) {
    const char* path = std::getenv("QUORVEL_SWAP_FILE");
    if (!path || !*path) return;
    std::string partial = std::string(path) + ".part";
    std::FILE* file = std::fopen(partial.c_str(), "w");
    if (!file) return;
    std::fprintf(file, "frames %lld at_ns %lld first_swap_real_ns %lld hwm_kb %ld cpu_ns %lld\n", frames, atNs,
                 firstSwapRealNs, peakResidentKb(), nowNs(CLOCK_PROCESS_CPUTIME_ID));
    std::fclose(file);
    std::rename(partial.c_str(), path);
    lastWriteNs = atNs;
}

SwapFunction realSwap() {
    static SwapFunction swap = reinterpret_cast<SwapFunction>(dlsym(RTLD_NEXT, "glXSwapBuffers"));
    return swap;
}

struct WriteAtExit {
    ~WriteAtExit() {
        if (frames > 0) writeCount(nowNs(CLOCK_MONOTONIC));
    }
} writeAtExit;

}  // namespace

extern "C" void glXSwapBuffers(Display* display, GLXDrawable drawable) {
    SwapFunction swap = realSwap();
    if (swap) swap(display, drawable);
    ++frames;
    if (frames == 1) firstSwapRealNs = nowNs(CLOCK_REALTIME);
    long long now = nowNs(CLOCK_MONOTONIC);
    if (frames == 1 || now - lastWriteNs >= writeIntervalNs) writeCount(now);
}
