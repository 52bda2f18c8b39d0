#include "PictureFiles.h"
#include "image/Image.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>

using namespace PictureFiles;

namespace {

Bytes smallBmp() {
    BmpSpec spec;
    spec.width = 2;
    spec.height = 3;
    return bmp(spec, Bytes(18, 40));
}

Bytes smallTga() {
    TgaSpec spec;
    spec.width = 3;
    spec.height = 2;
    spec.bitsPerPixel = 32;
    return tga(spec, Bytes(24, 60));
}

bool loads(const std::string& fileName) {
    Image image;
    image.load(fileName.c_str());
    return image.pixelData() != nullptr;
}

}  // namespace

TEST(Image, BmpAndTgaFillTheirFields) {
    TempDir dir;
    Image image;
    image.load(dir.write("textures/front.bmp", smallBmp()).c_str());
    ASSERT_NE(image.pixelData(), nullptr);
    EXPECT_EQ(image.format, 1);
    EXPECT_EQ(image.width, 2);
    EXPECT_EQ(image.height, 3);
    EXPECT_EQ(image.pixels.size(), 2u * 3u * 3u);

    image.load(dir.write("textures/font.tga", smallTga()).c_str());
    ASSERT_NE(image.pixelData(), nullptr);
    EXPECT_EQ(image.format, 2);
    EXPECT_EQ(image.imageType, 2);
    EXPECT_EQ(image.bitsPerPixel, 32);
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.pixels.size(), 3u * 2u * 4u);
}

TEST(Image, ExtensionPicksTheReaderWhateverItsCaseAndSeparator) {
    TempDir dir;
    dir.write("textures/front.bmp", smallBmp());
    dir.write("textures/font.tga", smallTga());
    EXPECT_TRUE(loads(dir.path() + "\\textures\\front.bmp"));
    EXPECT_TRUE(loads(dir.path() + "/textures/font.tga"));
    EXPECT_TRUE(loads(dir.write("UPPER.BMP", smallBmp())));
    EXPECT_TRUE(loads(dir.write("mixed.TgA", smallTga())));
}

TEST(Image, OtherOrMissingExtensionsLoadNothing) {
    TempDir dir;
    EXPECT_FALSE(loads(dir.write("two.dots.bmp", smallBmp()))) << "extension is \"dots.bmp\"";
    EXPECT_FALSE(loads(dir.write("nodot", smallBmp())));
    EXPECT_FALSE(loads(dir.write("picture.png", smallBmp())));
    EXPECT_FALSE(loads(dir.write("picture.", smallBmp())));
    EXPECT_FALSE(loads(dir.write("picture.bmpx", smallBmp())));
    EXPECT_FALSE(loads(dir.write("tga.bmp", smallTga()))) << "content must match the extension";
    Image image;
    image.load(nullptr);
    EXPECT_EQ(image.pixelData(), nullptr);
}

TEST(Image, UnknownExtensionLeavesTheImageAsItWas) {
    TempDir dir;
    Image image;
    image.load(dir.write("a.bmp", smallBmp()).c_str());
    ASSERT_NE(image.pixelData(), nullptr);
    image.load(dir.write("b.png", smallTga()).c_str());
    image.load(dir.write("c", smallTga()).c_str());
    EXPECT_EQ(image.format, 1);
    EXPECT_EQ(image.width, 2);
    EXPECT_EQ(image.pixels.size(), 18u);
}

TEST(Image, FailedReadLeavesNoPixelsAndNoSize) {
    TempDir dir;
    Image image;
    image.load(dir.write("a.tga", smallTga()).c_str());
    ASSERT_NE(image.pixelData(), nullptr);
    image.load((dir.path() + "/missing.bmp").c_str());
    EXPECT_EQ(image.pixelData(), nullptr);
    EXPECT_EQ(image.width, 0);
    EXPECT_EQ(image.height, 0);
    EXPECT_EQ(image.bitsPerPixel, 0);

    Bytes broken = smallBmp();
    broken.resize(broken.size() - 4);
    image.load(dir.write("broken.bmp", broken).c_str());
    EXPECT_EQ(image.pixelData(), nullptr);
    EXPECT_EQ(image.width, 0);
}
