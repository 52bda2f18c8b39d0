#include "ui/BitmapFont.h"
#include "ui/FormatInt.h"

#include "GlStateSnapshot.h"
#include "PictureFiles.h"
#include "support/GlContext.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

TEST(FormatInt, WritesDecimalLikePercentI) {
    const std::pair<int, const char*> cases[] = {
        {-5, "-5"}, {130, "130"}, {0, "0"}, {INT_MIN, "-2147483648"}, {INT_MAX, "2147483647"}};
    for (const auto& c : cases) {
        char buffer[12];  // the smallest buffer callers may pass
        formatInt(buffer, c.first);
        EXPECT_STREQ(buffer, c.second);
    }
}

namespace {
// Grid cell colours encode the glyph: red from the column, green from the
// row. The space (glyph 0) is fully transparent.
Rgba cellColour(int glyph) {
    return {static_cast<unsigned char>(glyph % 16 * 16 + 8), static_cast<unsigned char>(glyph / 16 * 16 + 8), 128,
            static_cast<unsigned char>(glyph == 0 ? 0 : 255)};
}

Rgba gridPixel(int x, int y) {
    const int row = (255 - y) / 16;  // rows counted down from the top edge
    return cellColour(row * 16 + x / 16);
}

class BitmapFontTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(GlContext::ensure()) << "no X display: run the tests with ./test";
        gridFile = dir.write("font.tga", tgaFile(256, 256, 32, gridPixel));
        useStartupState();
        glViewport(0, 0, GlContext::width(), GlContext::height());
    }

    // Loads, then puts back the scene's state, which binds another texture.
    static void load(BitmapFont& font, const std::string& file) {
        font.load(file.c_str());
        useStartupState();
    }

    // Colour at a point of the 32 x 32 text area.
    std::array<unsigned char, 3> at(float u, float v) const {
        return GlContext::pixel(static_cast<int>(u * GlContext::width() / 32),
                                static_cast<int>(v * GlContext::height() / 32));
    }

    void expectAt(float u, float v, const Rgba& want) const {
        const auto got = at(u, v);
        for (int i = 0; i < 3; ++i) EXPECT_NEAR(got[i], want[i], 2) << "channel " << i << " at (" << u << ", " << v << ")";
    }

    TempDir dir;
    std::string gridFile;
};

const Rgba background = {0, 0, 0, 255};
}

// At scale 0.5 a glyph is 8 units square and the pen moves 5 units: "A B"
// from (2, 3) puts A over 2..10, the space over 7..15 and B over 12..20.
TEST_F(BitmapFontTest, GlyphsLandWhereThePenPutsThem) {
    BitmapFont font;
    load(font, gridFile);
    font.print(2, 3, "A B", 0, 0.5f);
    expectAt(4.5f, 7.0f, cellColour(33));
    expectAt(8.5f, 7.0f, cellColour(33));  // under the transparent space
    expectAt(11.5f, 7.0f, background);  // between A and B, under the space
    expectAt(12.5f, 7.0f, cellColour(34));
    expectAt(19.5f, 7.0f, cellColour(34));
    expectAt(21.0f, 7.0f, background);
    expectAt(4.5f, 3.5f, cellColour(33));
    expectAt(4.5f, 10.5f, cellColour(33));
    expectAt(4.5f, 11.5f, background);
    expectAt(4.5f, 2.5f, background);
    expectAt(1.0f, 7.0f, background);
}

TEST_F(BitmapFontTest, SetOneDrawsFromTheLowerHalfOfTheGrid) {
    BitmapFont font;
    load(font, gridFile);
    font.print(2, 3, "A", 1, 0.5f);
    expectAt(6.0f, 7.0f, cellColour(161));
}

// Characters with no glyph must not reach display lists outside the font's
// own, even when another part's lists lie right below them.
TEST_F(BitmapFontTest, CharactersWithoutAGlyphDrawNothingAndKeepThePen) {
    const GLuint foreign = glGenLists(128);
    for (GLuint i = 0; i < 128; ++i) {
        glNewList(foreign + i, GL_COMPILE);
        glBegin(GL_QUADS);
        glTexCoord2f(0.53f, 0.53f);
        glVertex2i(-1000, -1000);
        glVertex2i(1000, -1000);
        glVertex2i(1000, 1000);
        glVertex2i(-1000, 1000);
        glEnd();
        glEndList();
    }
    ASSERT_FALSE(glIsList(foreign + 128));
    {
        BitmapFont font;
        load(font, gridFile);
        ASSERT_TRUE(glIsList(foreign + 128)) << "the font's lists should follow the others";
        font.print(2, 3, "AB", 0, 0.5f);
        const std::vector<unsigned char> plain = GlContext::readPixels();

        useStartupState();
        font.print(2, 3, "\x01" "A\x1f\xc1\x80" "B", 0, 0.5f);
        EXPECT_TRUE(GlContext::readPixels() == plain) << "control and high characters changed the picture";

        useStartupState();
        font.print(2, 3, nullptr, 0, 0.5f);
        font.print(2, 3, "A", 5, 0.5f);  // no such set
        EXPECT_EQ(at(6.0f, 7.0f)[0], 0);
    }
    glDeleteLists(foreign, 128);
}

// A missing picture, or a 24-bit one read as RGBA, leaves the glyphs as plain
// white quads rather than colours read from past the picture's end.
TEST_F(BitmapFontTest, UnusablePictureDrawsPlainGlyphs) {
    const std::string rgb = dir.write("rgb.tga", tgaFile(256, 256, 24, [](int, int) { return Rgba{10, 200, 30, 255}; }));
    for (const std::string& file : {rgb, dir.path() + "/absent.tga"}) {
        SCOPED_TRACE(file);
        BitmapFont font;
        load(font, file);
        font.print(2, 3, "A", 0, 0.5f);
        expectAt(6.0f, 7.0f, {255, 255, 255, 255});
    }
}

TEST_F(BitmapFontTest, PrintRestoresCullingLightingDepthAndMatrices) {
    BitmapFont font;
    load(font, gridFile);
    for (const char* text : {"CRASH", "", "130"}) {
        SCOPED_TRACE(text);
        useStartupState();
        glMatrixMode(GL_PROJECTION);
        glRotatef(10.0f, 0.0f, 0.0f, 1.0f);
        glMatrixMode(GL_MODELVIEW);
        glTranslatef(1.0f, 2.0f, 3.0f);
        const GlStateSnapshot before = GlStateSnapshot::capture();
        font.print(13, 15, text, 0, 0.1f);
        EXPECT_EQ(GlStateSnapshot::capture(), before);
    }
}
