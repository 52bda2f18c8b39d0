#include "ui/BitmapFont.h"
#include "ui/FormatInt.h"

#include "UiTestSupport.h"
#include "support/GlContext.h"
#include "support/TempDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <climits>

TEST(FormatInt, WritesDecimalLikePercentI) {
    char buffer[12];  // the smallest buffer callers may pass
    for (const auto& c : {std::make_pair(-5, "-5"), std::make_pair(130, "130"), std::make_pair(INT_MIN, "-2147483648")}) {
        formatInt(buffer, c.first);
        EXPECT_STREQ(buffer, c.second);
    }
}

namespace {
// Cell colours encode the glyph: red from its column, green from its row.
Rgb cellColour(int glyph) { return {glyph % 16 * 16 + 8, glyph / 16 * 16 + 8, 128}; }

class BitmapFontTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GlContext::ensure()) << "no X display";
        glViewport(0, 0, GlContext::width(), GlContext::height());
        grid = dir.write("font.tga", tgaFile(256, 32, [](int x, int y) {
            const int glyph = (255 - y) / 16 * 16 + x / 16;  // rows counted down from the top
            const Rgb c = cellColour(glyph);
            return std::array<int, 4>{c[0], c[1], c[2], glyph == 0 ? 0 : 255};  // the space is clear
        }));
    }

    // Then puts back the scene's state, which binds another texture.
    static void load(BitmapFont& font, const std::string& file) {
        font.load(file.c_str());
        useStartupState();
    }

    // At a point of the 32 x 32 text area.
    static void expectAt(float u, float v, const Rgb& want) {
        expectPixel(static_cast<int>(u * GlContext::width() / 32), static_cast<int>(v * GlContext::height() / 32), want);
    }

    TempDir dir;
    std::string grid;
};
}

// At scale 0.5 a glyph is 8 units square and the pen moves 5: "A B" from
// (2, 3) puts A over x 2..10, the space over 7..15, B over 12..20, y 3..11.
TEST_F(BitmapFontTest, GlyphsLandWhereThePenPutsThemAndStateIsRestored) {
    BitmapFont font;
    load(font, grid);
    glMatrixMode(GL_PROJECTION);
    glRotatef(10.0f, 0.0f, 0.0f, 1.0f);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(1.0f, 2.0f, 3.0f);
    const std::vector<float> before = stateSnapshot();
    font.print(2, 3, "A B", 0, 0.5f);
    EXPECT_EQ(stateSnapshot(), before);
    for (float v : {3.5f, 10.5f}) {
        expectAt(2.5f, v, cellColour(33));
        expectAt(9.5f, v, cellColour(33));  // under the clear space
        expectAt(11.5f, v, {0, 0, 0});
        expectAt(12.5f, v, cellColour(34));
        expectAt(20.5f, v, {0, 0, 0});
    }

    useStartupState();
    const std::vector<float> plain = stateSnapshot();
    font.print(2, 3, "A", 1, 0.5f);
    expectAt(6.0f, 7.0f, cellColour(161));  // set 1: the grid's lower half
    font.print(2, 3, "", 0, 0.5f);
    EXPECT_EQ(stateSnapshot(), plain);
}

// Characters with no glyph must not reach display lists outside the font's
// own, even when another part's lists lie right below them.
TEST_F(BitmapFontTest, CharactersWithoutAGlyphDrawNothingAndKeepThePen) {
    const GLuint foreign = glGenLists(128);
    for (GLuint i = 0; i < 128; ++i) {
        glNewList(foreign + i, GL_COMPILE);
        glTexCoord2f(0.53f, 0.53f);
        glRecti(-1000, -1000, 1000, 1000);
        glEndList();
    }
    {
        BitmapFont font;
        load(font, grid);
        ASSERT_TRUE(glIsList(foreign + 128)) << "the font's lists should follow the others";
        font.print(2, 3, "AB", 0, 0.5f);
        const std::vector<unsigned char> plain = GlContext::readPixels();
        useStartupState();
        font.print(2, 3, "\x01" "A\x1f\xc1\x80" "B", 0, 0.5f);
        EXPECT_TRUE(GlContext::readPixels() == plain) << "characters without a glyph changed the picture";
        useStartupState();
        font.print(2, 3, nullptr, 0, 0.5f);
        font.print(2, 3, "A", 5, 0.5f);  // no such set
        expectAt(6.0f, 7.0f, {0, 0, 0});
    }
    glDeleteLists(foreign, 128);
}

// A missing picture, or a 24-bit one that RGBA would overrun, leaves plain white quads.
TEST_F(BitmapFontTest, UnusablePictureDrawsPlainGlyphs) {
    const std::string rgb = dir.write("rgb.tga", tgaFile(256, 24, [](int, int) { return std::array<int, 4>{10, 200, 30}; }));
    for (const std::string& file : {rgb, dir.path() + "/absent.tga"}) {
        BitmapFont font;
        load(font, file);
        font.print(2, 3, "A", 0, 0.5f);
        expectAt(6.0f, 7.0f, {255, 255, 255});
    }
}
