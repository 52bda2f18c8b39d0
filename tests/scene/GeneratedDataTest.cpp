// The generated data folder, read through the game's own loaders.
#include "image/Image.h"
#include "model/Model.h"
#include "support/GlContext.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

class GeneratedData : public ::testing::Test {
protected:
    void SetUp() override {
        REQUIRE_GL_CONTEXT();
        previous = std::filesystem::current_path();
        std::filesystem::current_path(TestPaths::data());
    }
    void TearDown() override {
        if (!previous.empty()) std::filesystem::current_path(previous);
    }
    std::filesystem::path previous;
};

bool isPowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

}  // namespace

TEST_F(GeneratedData, EveryModelLoadsWithItsTexturesAndNoMessage) {
    for (const char* name : {"models\\boada.txt", "models\\kicka.txt", "models\\arrows.txt", "models\\surround.txt"}) {
        Model model;
        testing::internal::CaptureStdout();
        EXPECT_TRUE(model.load(name)) << name;
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << name;
        EXPECT_GT(model.meshCount(), 0) << name;
    }
}

TEST_F(GeneratedData, EveryPictureLoadsAtTheSizeAndDepthItsHolderUploads) {
    // Mipmapped RGB pictures: power-of-two sides, so nothing is rescaled at start-up.
    for (const char* name :
         {"textures/menu.bmp", "textures/help.bmp", "textures\\top.bmp", "textures\\bottom.bmp", "textures\\left.bmp",
          "textures\\right.bmp", "textures\\back.bmp", "textures\\front.bmp", "textures\\dapplecrux.bmp",
          "textures\\brolunt.bmp", "textures\\wornel.bmp", "textures\\krenn.bmp", "textures\\ulmar.bmp",
          "textures\\qvl_banner.bmp", "textures\\particle1.bmp"}) {
        Image image;
        image.load(name);
        ASSERT_NE(image.pixelData(), nullptr) << name;
        EXPECT_EQ(image.format, 1) << name;
        EXPECT_TRUE(isPowerOfTwo(image.width) && isPowerOfTwo(image.height)) << name;
        EXPECT_EQ(image.pixels.size(), static_cast<size_t>(image.width) * image.height * 3) << name;
    }
    Image font;
    font.load("textures/font.tga");
    ASSERT_NE(font.pixelData(), nullptr);
    EXPECT_EQ(font.format, 2);
    EXPECT_EQ(font.imageType, 2);
    EXPECT_EQ(font.bitsPerPixel, 32);
    EXPECT_EQ(font.width, font.height);
    EXPECT_EQ(font.pixels.size(), static_cast<size_t>(font.width) * font.height * 4);
}
