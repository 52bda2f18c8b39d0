// Canvas: the page's one canvas and the WebGL context the game draws into.
// A window of the game's own size keeps that many pixels and is shown scaled
// to fit the page; a full-screen window follows the page, one pixel for each
// of the device's. Either way a position on the page maps to canvas pixels.
#pragma once

class Canvas {
public:
    // Makes the context current; false when the browser gives none.
    bool create(int width, int height);
    void followPage();
    // Re-reads the page's size; true when the drawing size changed.
    bool update();

    int width() const { return drawWidth; }
    int height() const { return drawHeight; }
    // The page in device pixels: the screen a window can fill.
    static int pageWidth();
    static int pageHeight();

    // A page position, in CSS pixels from the top-left corner, in canvas pixels.
    double toCanvasX(double pageX) const { return (pageX - shownLeft) / shownScale; }
    double toCanvasY(double pageY) const { return (pageY - shownTop) / shownScale; }
    double toPageX(double canvasX) const { return canvasX * shownScale + shownLeft; }
    double toPageY(double canvasY) const { return canvasY * shownScale + shownTop; }
    // Canvas pixels for one CSS pixel of movement.
    double pixelsPerCssPixel() const { return 1.0 / shownScale; }

    void setCursor(int shape);

private:
    void placeOnPage();

    bool fillsPage = false;
    int drawWidth = 0;
    int drawHeight = 0;
    double shownScale = 1.0;
    double shownLeft = 0.0;
    double shownTop = 0.0;
};
