#include "WebInput.h"

#include <GL/freeglut.h>

#include <cstring>
#include <emscripten/emscripten.h>
#include <utility>

namespace {
const char* const canvasElement = "#canvas";

struct NamedKey {
    const char* name;
    unsigned char code;
};
// The keys without a character of their own that X reports as ASCII codes.
const NamedKey namedKeys[] = {{"Escape", 27}, {"Enter", 13}, {"Backspace", 8}, {"Tab", 9}, {"Delete", 127}};

// 0 for a key the game never sees on the desktop either (arrows, F keys...).
unsigned char asciiOf(const char* key) {
    if (key[0] != '\0' && key[1] == '\0' && static_cast<unsigned char>(key[0]) < 128)
        return static_cast<unsigned char>(key[0]);
    for (const NamedKey& named : namedKeys)
        if (std::strcmp(key, named.name) == 0) return named.code;
    return 0;
}
}  // namespace

void WebInput::listen() {
    emscripten_set_keydown_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, this, EM_FALSE, onKey);
    // A press counts on the canvas only; a drag goes on over the whole page.
    emscripten_set_mousedown_callback(canvasElement, this, EM_FALSE, onMouse);
    emscripten_set_mouseup_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, this, EM_FALSE, onMouse);
    emscripten_set_mousemove_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, this, EM_FALSE, onMouse);
    emscripten_set_pointerlockchange_callback(EMSCRIPTEN_EVENT_TARGET_DOCUMENT, this, EM_FALSE, onLock);
}

EM_BOOL WebInput::onKey(int, const EmscriptenKeyboardEvent* event, void* self) {
    return static_cast<WebInput*>(self)->key(*event);
}

EM_BOOL WebInput::onMouse(int type, const EmscriptenMouseEvent* event, void* self) {
    return static_cast<WebInput*>(self)->mouse(type, *event);
}

EM_BOOL WebInput::onLock(int, const EmscriptenPointerlockChangeEvent* event, void* self) {
    WebInput& input = *static_cast<WebInput*>(self);
    input.locked = event->isActive;
    input.showPointer(input.pointerShown);
    return EM_FALSE;
}

bool WebInput::key(const EmscriptenKeyboardEvent& event) {
    // The browser's own shortcuts stay the browser's.
    if (event.ctrlKey || event.altKey || event.metaKey) return false;
    const unsigned char code = asciiOf(event.key);
    if (code == 0) return false;
    push(Event::Kind::Key, code);
    return true;
}

bool WebInput::mouse(int type, const EmscriptenMouseEvent& event) {
    track(event);
    const unsigned bit = 1u << event.button;
    switch (type) {
    case EMSCRIPTEN_EVENT_MOUSEDOWN:
        buttonsHeld |= bit;
        push(Event::Kind::Button, event.button, true);
        return true;
    case EMSCRIPTEN_EVENT_MOUSEUP:
        // A press that began off the canvas (on the page's own controls) isn't the game's.
        if (!(buttonsHeld & bit)) return false;
        buttonsHeld &= ~bit;
        push(Event::Kind::Button, event.button, false);
        return false;
    default:
        if (buttonsHeld != 0) {
            pointer.keepNear(canvas.width(), canvas.height());
            push(Event::Kind::Drag);
        } else if (pointer.isInside(canvas.width(), canvas.height())) {
            push(Event::Kind::Move);
        }
        return false;
    }
}

void WebInput::track(const EmscriptenMouseEvent& event) {
    if (locked) {
        const double scale = canvas.pixelsPerCssPixel();
        pointer.move(event.movementX * scale, event.movementY * scale, canvas.width(), canvas.height());
        showPointer(pointerShown);
    } else {
        pointer.place(canvas.toCanvasX(event.clientX), canvas.toCanvasY(event.clientY));
    }
}

void WebInput::push(Event::Kind kind, int value, bool down) {
    queue.push_back({kind, value, down, pointer.x(), pointer.y()});
}

void WebInput::showPointer(bool shown) {
    pointerShown = shown;
    EM_ASM(
        {
            if (Module["lockedPointer"]) Module["lockedPointer"]($0, $1, $2);
        },
        locked && shown, canvas.toPageX(pointer.x()), canvas.toPageY(pointer.y()));
}

void WebInput::deliver(const GlutCallbacks& callbacks) {
    // A callback may quit, or bring more events; the ones taken are gone first.
    std::vector<Event> events;
    std::swap(events, queue);
    for (const Event& event : events) {
        switch (event.kind) {
        case Event::Kind::Key:
            if (callbacks.keyboard) callbacks.keyboard(static_cast<unsigned char>(event.value), event.x, event.y);
            break;
        case Event::Kind::Button:
            if (callbacks.mouse) callbacks.mouse(event.value, event.down ? GLUT_DOWN : GLUT_UP, event.x, event.y);
            break;
        case Event::Kind::Drag:
            if (callbacks.motion) callbacks.motion(event.x, event.y);
            break;
        case Event::Kind::Move:
            if (callbacks.passiveMotion) callbacks.passiveMotion(event.x, event.y);
            break;
        }
    }
}
