#include "app/FocusWatch.h"

#include "app/XCalls.h"

namespace {

using xcalls::Display;
using xcalls::find;
using xcalls::OpenDisplayFn;
using xcalls::XWindow;

// The GLX and Xlib calls, and the one event read.
using GetCurrentDisplayFn = Display* (*)();
using GetCurrentDrawableFn = XWindow (*)();
using DisplayStringFn = char* (*)(Display*);
using CloseDisplayFn = int (*)(Display*);
using SelectInputFn = int (*)(Display*, XWindow, long);
using PendingFn = int (*)(Display*);

struct FocusChangeEvent {  // XFocusChangeEvent
    int type;
    unsigned long serial;
    int sendEvent;
    Display* display;
    XWindow window;
    int mode;
    int detail;
};
union Event {  // XEvent
    FocusChangeEvent focus;
    long pad[24];
};
using NextEventFn = int (*)(Display*, Event*);

const long focusChangeMask = 1L << 21;
const int focusOut = 10;
// A keyboard grab (a window manager's switcher key held) and focus moving
// into a child window are not losses.
const int notifyGrab = 1;
const int notifyUngrab = 2;
const int notifyInferior = 2;

}  // namespace

FocusWatch::~FocusWatch() {
    if (auto close = find<CloseDisplayFn>("XCloseDisplay"); display && close) close(display);
}

void FocusWatch::watchCurrentWindow() {
    auto currentDisplay = find<GetCurrentDisplayFn>("glXGetCurrentDisplay");
    auto currentDrawable = find<GetCurrentDrawableFn>("glXGetCurrentDrawable");
    auto displayString = find<DisplayStringFn>("XDisplayString");
    auto open = find<OpenDisplayFn>("XOpenDisplay");
    auto select = find<SelectInputFn>("XSelectInput");
    if (display || !currentDisplay || !currentDrawable || !displayString || !open || !select) return;
    Display* glut = currentDisplay();
    const XWindow window = currentDrawable();
    if (!glut || !window) return;
    // The events go to the connection that asked for them: GLUT's own queue
    // never sees them, and this one sees nothing else.
    display = open(displayString(glut));
    if (display) select(display, window, focusChangeMask);
}

bool FocusWatch::lost() {
    static const auto pending = find<PendingFn>("XPending");
    static const auto next = find<NextEventFn>("XNextEvent");
    if (!display || !pending || !next) return false;
    bool lostFocus = false;
    while (pending(display) > 0) {
        Event event{};
        next(display, &event);
        const FocusChangeEvent& e = event.focus;
        if (e.type == focusOut && e.mode != notifyGrab && e.mode != notifyUngrab && e.detail != notifyInferior)
            lostFocus = true;
    }
    return lostFocus;
}
