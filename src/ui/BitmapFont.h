// BitmapFont: draws short strings over the frame from the grid of glyphs (ui/ScreenLayout.h) in one RGBA texture.
#pragma once

#include "ui/HudArea.h"

#include <memory>
#include <string>

class Image;

class BitmapFont {
public:
    // Makes no GL calls: the font is usable once load has run.
    BitmapFont();
    ~BitmapFont();
    BitmapFont(const BitmapFont&) = delete;
    BitmapFont& operator=(const BitmapFont&) = delete;

    // Reads the font picture (a 32-bit TGA) and builds its texture and one
    // display list per glyph. A picture that can't be read, or holds fewer than
    // four bytes a pixel, leaves the texture without an image: the glyphs then
    // draw as plain quads in white.
    void load(const char* fileName);

    // The text area follows the window: 32 units high over the window's
    // height and 32 wide over its HUD area (ui/HudArea.h), so glyphs keep the
    // shape they have at 5:4; a wider window adds units at both sides.
    void resize(float windowWidth, float windowHeight);
    // The window's left edge in text units: 0 up to 5:4, negative beyond.
    float leftEdge() const;

    // Draws text with its first glyph's lower-left corner at (x, y) of the
    // text area, in glyph set 0 or 1, each 16 x 16 glyph scaled by scale. A
    // character with no glyph in the set draws nothing and doesn't move the
    // pen; a null text draws nothing.
    void print(float x, float y, const char* text, int set, float scale) const;

private:
    void makeTexture();
    void compileGlyph(unsigned int glyph) const;
    static std::string drawableCharacters(const char* text, int set);

    unsigned int listBase = 0;
    std::unique_ptr<Image> image;
    int orthoWidth;
    int orthoHeight;
    HudArea area{1.0f, 1.0f};  // the whole window until the first resize
};
