// WebInput: the page's keys and mouse as GLUT reports them (ASCII keys,
// buttons, positions in canvas pixels), each with its own position as it
// came. They wait in a queue for the main loop, which hands them to the game
// between frames: there the game may end the program, as on the desktop.
#pragma once

#include "Canvas.h"
#include "GlutCallbacks.h"
#include "Pointer.h"

#include <emscripten/html5.h>
#include <vector>

class WebInput {
public:
    explicit WebInput(Canvas& canvas) : canvas(canvas) {}

    void listen();
    void deliver(const GlutCallbacks& callbacks);
    // The page draws the pointer itself while it is locked.
    void showPointer(bool shown);

private:
    struct Event {
        enum class Kind { Key, Button, Drag, Move } kind;
        int value;
        bool down;
        int x;
        int y;
    };

    static EM_BOOL onKey(int type, const EmscriptenKeyboardEvent* event, void* self);
    static EM_BOOL onMouse(int type, const EmscriptenMouseEvent* event, void* self);
    static EM_BOOL onLock(int type, const EmscriptenPointerlockChangeEvent* event, void* self);

    bool key(const EmscriptenKeyboardEvent& event);
    bool mouse(int type, const EmscriptenMouseEvent& event);
    void track(const EmscriptenMouseEvent& event);
    void push(Event::Kind kind, int value = 0, bool down = false);

    Canvas& canvas;
    Pointer pointer;
    bool locked = false;
    bool pointerShown = true;
    unsigned buttonsHeld = 0;
    std::vector<Event> queue;
};
