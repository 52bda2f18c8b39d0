#include "PictureFiles.h"
#include "image/Image.h"
#include "support/GlContext.h"
#include "support/TempDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

using namespace PictureFiles;

namespace {

// Run-length data for rows of one index each, chosen per row.
template <typename RowIndex>
Bytes rowsOf(int width, int height, RowIndex indexOf) {
    Bytes data;
    for (int row = 0; row < height; ++row) {
        for (int left = width; left > 0; left -= 63) {
            data.push_back(static_cast<unsigned char>(0xC0 | (left < 63 ? left : 63)));
            data.push_back(static_cast<unsigned char>(indexOf(row)));
        }
    }
    return data;
}

PcxSpec window(unsigned width, unsigned height) {
    PcxSpec spec;
    spec.xMax = width - 1;
    spec.yMax = height - 1;
    return spec;
}

void expectPixel(const Image& image, int x, int y, int index) {
    const unsigned char* p = &image.pixels[(static_cast<std::size_t>(y) * image.scaledWidth + x) * 4];
    EXPECT_EQ(p[0], index) << x << ", " << y;
    EXPECT_EQ(p[1], 255 - index) << x << ", " << y;
    EXPECT_EQ(p[2], index / 2) << x << ", " << y;
    EXPECT_EQ(p[3], 255) << x << ", " << y;
}

}  // namespace

TEST(ImageGl, PcxIsScaledDownToPowersOfTwo) {
    REQUIRE_GL_CONTEXT();
    TempDir dir;
    Image image;
    image.load(dir.write("p.pcx", pcx(window(300, 200), rowsOf(300, 200, [](int) { return 7; }),
                                      rampPalette())).c_str());
    ASSERT_NE(image.pixelData(), nullptr);
    EXPECT_EQ(image.format, 0);
    EXPECT_EQ(image.width, 300);
    EXPECT_EQ(image.height, 200);
    EXPECT_EQ(image.scaledWidth, 256);
    EXPECT_EQ(image.scaledHeight, 128);
    ASSERT_EQ(image.pixels.size(), 256u * 128u * 4u);
    EXPECT_EQ(image.palette, rampPalette());
    for (int y : {0, 64, 127}) {
        for (int x : {0, 100, 255}) expectPixel(image, x, y, 7);
    }
}

TEST(ImageGl, PcxOfPowerOfTwoSizeKeepsItsPixels) {
    REQUIRE_GL_CONTEXT();
    TempDir dir;
    Image image;
    auto indexOf = [](int row) { return row < 128 ? 20 : 90; };
    image.load(dir.write("p.PCX", pcx(window(256, 256), rowsOf(256, 256, indexOf), rampPalette())).c_str());
    ASSERT_NE(image.pixelData(), nullptr);
    EXPECT_EQ(image.scaledWidth, 256);
    EXPECT_EQ(image.scaledHeight, 256);
    ASSERT_EQ(image.pixels.size(), 256u * 256u * 4u);
    for (int y : {0, 127, 128, 255}) {
        for (int x : {0, 255}) expectPixel(image, x, y, indexOf(y));
    }
}

TEST(ImageGl, PcxScalingIgnoresAndKeepsTheHoldersPixelStore) {
    REQUIRE_GL_CONTEXT();
    TempDir dir;
    std::string path = dir.write("p.pcx", pcx(window(6, 5), rowsOf(6, 5, [](int) { return 30; }), rampPalette()));
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 3);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 50);
    Image image;
    image.load(path.c_str());
    GLint skipRows = 0, rowLength = 0;
    glGetIntegerv(GL_UNPACK_SKIP_ROWS, &skipRows);
    glGetIntegerv(GL_UNPACK_ROW_LENGTH, &rowLength);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    EXPECT_EQ(skipRows, 3);
    EXPECT_EQ(rowLength, 50);
    ASSERT_EQ(image.pixels.size(), 4u * 4u * 4u);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) expectPixel(image, x, y, 30);
    }
}

TEST(ImageGl, PcxSmallOddSizes) {
    REQUIRE_GL_CONTEXT();
    TempDir dir;
    Image image;
    image.load(dir.write("p.pcx", pcx(window(1, 3), {5, 5, 5}, rampPalette())).c_str());
    ASSERT_NE(image.pixelData(), nullptr);
    EXPECT_EQ(image.scaledWidth, 1);
    EXPECT_EQ(image.scaledHeight, 2);
    expectPixel(image, 0, 1, 5);

    PcxSpec badVersion = window(2, 2);
    badVersion.version = 3;
    image.load(dir.write("bad.pcx", pcx(badVersion, {1, 2, 3, 4}, rampPalette())).c_str());
    EXPECT_EQ(image.pixelData(), nullptr);
    EXPECT_TRUE(image.palette.empty());
    EXPECT_EQ(image.scaledWidth, 0);
}

TEST(ImageGl, DestroyingTheImageDeletesItsTexture) {
    REQUIRE_GL_CONTEXT();
    GLuint name = 0;
    {
        Image image;
        glGenTextures(1, &image.texture);
        glBindTexture(GL_TEXTURE_2D, image.texture);
        glBindTexture(GL_TEXTURE_2D, 0);
        name = image.texture;
        ASSERT_TRUE(glIsTexture(name));
    }
    EXPECT_FALSE(glIsTexture(name));
}
