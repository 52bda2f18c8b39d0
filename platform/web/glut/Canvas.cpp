#include "Canvas.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <cmath>
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

namespace {
const char* const canvasElement = "#canvas";

// The page stretches the canvas element over the whole page; what it holds
// is shown centred and scaled to fit (the page's object-fit: contain).
void shownSize(double& width, double& height) { emscripten_get_element_css_size(canvasElement, &width, &height); }

int deviceSize(double cssSize) {
    return std::max(1, static_cast<int>(std::lround(cssSize * emscripten_get_device_pixel_ratio())));
}
}  // namespace

bool Canvas::create(int width, int height) {
    drawWidth = std::max(1, width);
    drawHeight = std::max(1, height);
    placeOnPage();
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    // Opaque, as a window is: the game clears to a colour of alpha 0.
    attributes.alpha = EM_FALSE;
    attributes.depth = EM_TRUE;
    attributes.stencil = EM_FALSE;
    attributes.antialias = EM_FALSE;
    attributes.majorVersion = 1;
    attributes.minorVersion = 0;
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context = emscripten_webgl_create_context(canvasElement, &attributes);
    if (context <= 0 || emscripten_webgl_make_context_current(context) != EMSCRIPTEN_RESULT_SUCCESS) return false;
    // The game's GL 1.1 over it (platform/fixedgl), for the page's whole life.
    return fglCreateContext() != nullptr;
}

void Canvas::followPage() {
    fillsPage = true;
    update();
}

bool Canvas::update() {
    const int oldWidth = drawWidth;
    const int oldHeight = drawHeight;
    if (fillsPage) {
        drawWidth = pageWidth();
        drawHeight = pageHeight();
    }
    placeOnPage();
    return drawWidth != oldWidth || drawHeight != oldHeight;
}

void Canvas::placeOnPage() {
    // Setting a canvas's size, even to the one it has, clears it and makes
    // the browser allocate its buffers again.
    int elementWidth = 0;
    int elementHeight = 0;
    emscripten_get_canvas_element_size(canvasElement, &elementWidth, &elementHeight);
    if (elementWidth != drawWidth || elementHeight != drawHeight)
        emscripten_set_canvas_element_size(canvasElement, drawWidth, drawHeight);
    double width = 0.0;
    double height = 0.0;
    shownSize(width, height);
    if (width <= 0.0 || height <= 0.0) return;
    shownScale = std::min(width / drawWidth, height / drawHeight);
    shownLeft = (width - drawWidth * shownScale) / 2.0;
    shownTop = (height - drawHeight * shownScale) / 2.0;
}

int Canvas::pageWidth() {
    double width = 0.0;
    double height = 0.0;
    shownSize(width, height);
    return deviceSize(width);
}

int Canvas::pageHeight() {
    double width = 0.0;
    double height = 0.0;
    shownSize(width, height);
    return deviceSize(height);
}

void Canvas::setCursor(int shape) {
    const char* const name = shape == GLUT_CURSOR_NONE        ? "none"
                             : shape == GLUT_CURSOR_CROSSHAIR ? "crosshair"
                                                              : "default";
    EM_ASM({ document.querySelector(UTF8ToString($0)).style.cursor = UTF8ToString($1); }, canvasElement, name);
}
