// ScreenLayout: the menu and help buttons and the font's glyph grid, for the game and the asset generator alike.
#pragma once

// tools/assetgen/layout.py reads this file too: keep to plain inline constexpr
// numbers and tables, one row a line.
// clang-format off

#include "ui/ButtonRect.h"

namespace screenLayout {

// Start, help and quit, top to bottom in the left half of the menu picture.
inline constexpr ButtonRect menuButtons[] = {
    {0.195f, 0.446f, 0.425f, 0.549f},
    {0.195f, 0.446f, 0.573f, 0.695f},
    {0.195f, 0.446f, 0.767f, 0.89f},
};

// Back to the menu, painted where the menu has its quit button.
inline constexpr ButtonRect helpButtons[] = {
    menuButtons[2],
};

// The font picture: fontGrid x fontGrid cells, glyph g in column g % fontGrid
// and row g / fontGrid from the top. Glyph set s holds character c as glyph
// c - fontFirstCharacter + s * fontGlyphsPerSet.
inline constexpr int fontGrid = 16;
inline constexpr int fontFirstCharacter = 32;
inline constexpr int fontGlyphsPerSet = 128;

// clang-format on
}  // namespace screenLayout
