#include "PictureFiles.h"
#include "common/DataFile.h"
#include "image/Image.h"
#include "support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>

using namespace PictureFiles;

const Bytes smallBmp = bmp(2, 3, Bytes(18, 40));
const Bytes smallTga = tga(2, 3, 2, 32, Bytes(24, 60));

TEST(Image, TheTextAfterTheFirstDotPicksTheReaderInAnyCase) {
    const struct { std::string name; const Bytes& file; bool loads; } cases[] = {
        {"textures\\front.bmp", smallBmp, true}, {"textures/font.tga", smallTga, true}, {"UPPER.BMP", smallBmp, true},
        {"mixed.TgA", smallTga, true},          {"two.dots.bmp", smallBmp, false},   {"nodot", smallBmp, false},
        {"picture.png", smallBmp, false},       {"picture.", smallBmp, false},       {"picture.bmpx", smallBmp, false},
        {"tga.bmp", smallTga, false}};
    for (const auto& c : cases) {
        // Written under the name with slashes, loaded by the name as given.
        std::string path = saved(c.file, DataFile::hostPath(c.name.c_str()));
        Image image;
        image.load(path.replace(path.size() - c.name.size(), c.name.size(), c.name).c_str());
        EXPECT_EQ(image.pixelData() != nullptr, c.loads) << c.name;
    }
    Image image;
    image.load(nullptr);
    EXPECT_EQ(image.pixelData(), nullptr);
}

TEST(Image, LoadFillsTheFieldsOrClearsThemAndOtherExtensionsChangeNothing) {
    Image image;
    image.load(saved(smallTga, "a.tga").c_str());
    ASSERT_NE(image.pixelData(), nullptr);
    EXPECT_EQ(std::make_tuple(image.format, image.imageType, image.bitsPerPixel, image.width, image.height),
              std::make_tuple(2, 2, 32, 3, 2));
    EXPECT_EQ(image.pixels.size(), 24u);
    image.load(saved(smallBmp, "a.bmp").c_str());
    image.load(saved(smallTga, "b.png").c_str());
    image.load(saved(smallTga, "c").c_str());
    EXPECT_EQ(std::make_tuple(image.format, image.width, image.height, image.pixels.size()),
              std::make_tuple(1, 2, 3, std::size_t{18}));
    // A file that can't be read leaves no pixels and no size, whatever was loaded before.
    image.load(saved(smallTga, "a.tga").c_str());
    image.load(saved(head(smallBmp, smallBmp.size() - 4), "broken.bmp").c_str());
    EXPECT_EQ(image.pixelData(), nullptr);
    EXPECT_EQ(std::make_tuple(image.width, image.height, image.bitsPerPixel), std::make_tuple(0, 0, 0));
}

TEST(ImageGl, PcxIsScaledDownToPowersOfTwoIgnoringAndKeepingThePixelStore) {
    REQUIRE_GL_CONTEXT();
    struct Case { int width, height, scaledWidth, scaledHeight; };
    for (Case c : {Case{300, 200, 256, 128}, Case{256, 256, 256, 256}, Case{6, 5, 4, 4}, Case{1, 3, 1, 2}}) {
        SCOPED_TRACE(c.width);
        // Runs of one index per row: 20, then 90 from the middle row on in a picture kept at its size.
        bool kept = c.width == c.scaledWidth && c.height == c.scaledHeight;
        auto indexOf = [&](int row) { return kept && row >= c.height / 2 ? 90 : 20; };
        Bytes data;
        for (int row = 0; row < c.height; ++row) {
            for (int left = c.width; left > 0; left -= 63) {
                data.insert(data.end(), {Byte(0xC0 | std::min(left, 63)), Byte(indexOf(row))});
            }
        }
        glPixelStorei(GL_UNPACK_SKIP_ROWS, 3);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, 50);
        Image image;
        image.load(saved(pcx(c.width, c.height, data), "p.PCX").c_str());
        GLint skipRows = 0, rowLength = 0;
        glGetIntegerv(GL_UNPACK_SKIP_ROWS, &skipRows);
        glGetIntegerv(GL_UNPACK_ROW_LENGTH, &rowLength);
        glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
        EXPECT_EQ(std::make_tuple(skipRows, rowLength), std::make_tuple(3, 50)) << "the holder's pixel store stays";
        ASSERT_NE(image.pixelData(), nullptr);
        EXPECT_EQ(std::make_tuple(image.format, image.width, image.height, image.scaledWidth, image.scaledHeight),
                  std::make_tuple(0, c.width, c.height, c.scaledWidth, c.scaledHeight));
        ASSERT_EQ(image.pixels.size(), c.scaledWidth * c.scaledHeight * 4u);
        EXPECT_EQ(image.palette, rampPalette());
        for (int y : {0, c.scaledHeight / 2 - 1, c.scaledHeight / 2, c.scaledHeight - 1}) {
            for (int x : {0, c.scaledWidth - 1}) {  // palette entry i of rampPalette(), opaque
                const Byte* p = &image.pixels[(y * c.scaledWidth + x) * 4u];
                int i = indexOf(y);
                EXPECT_EQ(Bytes(p, p + 4), (Bytes{Byte(i), Byte(255 - i), Byte(i / 2), 255})) << x << ", " << y;
            }
        }
        image.load(saved(with(pcx(2, 2, {1, 2, 3, 4}), 1, 3, 1), "bad.pcx").c_str());
        EXPECT_EQ(image.pixelData(), nullptr) << "version 3";
        EXPECT_EQ(std::make_tuple(image.palette.size(), image.scaledWidth, image.width),
                  std::make_tuple(std::size_t{0}, 0, 0));
    }
}

TEST(ImageGl, DestroyingTheImageDeletesItsTexture) {
    REQUIRE_GL_CONTEXT();
    auto image = std::make_unique<Image>();
    glGenTextures(1, &image->texture);
    glBindTexture(GL_TEXTURE_2D, image->texture);  // the name becomes a texture once bound
    glBindTexture(GL_TEXTURE_2D, 0);
    GLuint name = image->texture;
    ASSERT_TRUE(glIsTexture(name));
    image.reset();
    EXPECT_FALSE(glIsTexture(name));
}
