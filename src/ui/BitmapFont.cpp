#include "ui/BitmapFont.h"

#include "image/Image.h"
#include "ui/NdcOverlay.h"
#include "ui/ScreenLayout.h"

#include <GL/gl.h>

namespace {
const unsigned int gridSize = screenLayout::fontGrid;
const unsigned int glyphCount = gridSize * gridSize;
const float cellSize = 1.0f / gridSize;  // one grid cell in texture coordinates
const int firstCharacter = screenLayout::fontFirstCharacter;
const int glyphsPerSet = screenLayout::fontGlyphsPerSet;
}  // namespace

BitmapFont::BitmapFont() : image(std::make_unique<Image>()), orthoWidth(32), orthoHeight(32) {}

BitmapFont::~BitmapFont() {
    if (listBase != 0) glDeleteLists(listBase, glyphCount);
}

void BitmapFont::load(const char* fileName) {
    if (listBase != 0) glDeleteLists(listBase, glyphCount);
    image = std::make_unique<Image>();
    image->load(fileName);
    listBase = glGenLists(glyphCount);
    makeTexture();
    if (listBase == 0) return;
    for (unsigned int glyph = 0; glyph < glyphCount; ++glyph) compileGlyph(glyph);
}

void BitmapFont::makeTexture() {
    glGenTextures(1, &image->texture);
    glBindTexture(GL_TEXTURE_2D, image->texture);
    // GL reads four bytes a pixel; a 24-bit or grey picture would be overrun.
    if (image->holds(4)) {
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, image->width, image->height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     image->pixels.data());
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
}

void BitmapFont::compileGlyph(unsigned int glyph) const {
    const unsigned int column = glyph % gridSize;
    const unsigned int row = glyph / gridSize;
    const float cellX = static_cast<float>(column) * cellSize;
    const float cellY = static_cast<float>(row) * cellSize;
    glNewList(listBase + glyph, GL_COMPILE);
    {
        glBegin(GL_QUADS);
        glTexCoord2f(cellX, 1.0f - cellY - cellSize);
        glVertex2i(0, 0);
        glTexCoord2f(cellX + cellSize, 1.0f - cellY - cellSize);
        glVertex2i(16, 0);
        glTexCoord2f(cellX + cellSize, 1.0f - cellY);
        glVertex2i(16, 16);
        glTexCoord2f(cellX, 1.0f - cellY);
        glVertex2i(0, 16);
        glEnd();
        glTranslated(10.0, 0.0, 0.0);  // the pen: neighbouring glyphs overlap by 6 units
    }
    glEndList();
}

// Keeps the characters whose glyph exists, so no character can name a display
// list outside the font's own (another part's lists may lie there).
std::string BitmapFont::drawableCharacters(const char* text, int set) {
    std::string kept;
    if (!text) return kept;
    const long long setStart = static_cast<long long>(glyphsPerSet) * set - firstCharacter;
    for (const char* c = text; *c; ++c) {
        const long long glyph = setStart + static_cast<signed char>(*c);
        if (glyph >= 0 && glyph < glyphCount) kept.push_back(*c);
    }
    return kept;
}

void BitmapFont::resize(float windowWidth, float windowHeight) { area = HudArea(windowWidth, windowHeight); }

float BitmapFont::leftEdge() const { return (orthoWidth - orthoWidth / area.widthShare()) / 2.0f; }

void BitmapFont::print(float x, float y, const char* text, int set, float scale) const {
    const std::string characters = drawableCharacters(text, set);
    // The glyph quads are wound counter-clockwise; the scene culls front faces.
    glCullFace(GL_BACK);
    glBindTexture(GL_TEXTURE_2D, image->texture);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);

    NdcOverlay::beginArea(orthoWidth / area.widthShare(), orthoHeight);
    {
        glTranslated(x - leftEdge(), y, 0.0);
        glColor3f(1.0f, 1.0f, 1.0f);
        glScalef(scale, scale, scale);
        if (listBase != 0 && !characters.empty()) {
            glListBase(listBase - firstCharacter + static_cast<unsigned int>(glyphsPerSet * set));
            glCallLists(static_cast<GLsizei>(characters.size()), GL_BYTE, characters.data());
        }
    }
    NdcOverlay::end();

    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glCullFace(GL_FRONT);
}
