#include "PictureFiles.h"
#include "image/TgaTextureReader.h"

#include <gtest/gtest.h>

using namespace PictureFiles;

namespace {

Bytes headerFor(unsigned char type, unsigned width, unsigned height, unsigned char bits) {
    TgaSpec spec;
    spec.imageType = type;
    spec.width = width;
    spec.height = height;
    spec.bitsPerPixel = bits;
    return tga(spec, {});
}

Bytes file(unsigned char type, unsigned width, unsigned height, unsigned char bits, const Bytes& body) {
    Bytes bytes = headerFor(type, width, height, bits);
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

bool decode(const Bytes& bytes, TgaTexture& texture) {
    std::FILE* stored = std::tmpfile();
    EXPECT_NE(stored, nullptr);
    if (!stored) return false;
    std::fwrite(bytes.data(), 1, bytes.size(), stored);
    std::rewind(stored);
    bool read = readTgaTexture(stored, texture);
    std::fclose(stored);
    return read;
}

// Fails the test unless decoding fails and leaves nothing behind, even after
// an earlier texture filled the record.
void expectRefused(const Bytes& bytes) {
    TgaTexture texture;
    ASSERT_TRUE(decode(file(2, 1, 1, 24, {1, 2, 3}), texture));
    EXPECT_FALSE(decode(bytes, texture));
    EXPECT_TRUE(texture.imageData.empty());
    EXPECT_EQ(texture.width, 0u);
    EXPECT_EQ(texture.height, 0u);
    EXPECT_EQ(texture.bitsPerPixel, 0u);
}

}  // namespace

TEST(TgaTextureReader, UncompressedPixelsTurnToRgbOrRgba) {
    TgaTexture texture;
    ASSERT_TRUE(decode(file(2, 3, 1, 24, {1, 2, 3, 4, 5, 6, 7, 8, 9}), texture));
    EXPECT_EQ(texture.width, 3u);
    EXPECT_EQ(texture.height, 1u);
    EXPECT_EQ(texture.bitsPerPixel, 24u);
    EXPECT_EQ(texture.imageData, (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7}));

    ASSERT_TRUE(decode(file(2, 1, 2, 32, {10, 20, 30, 40, 50, 60, 70, 80}), texture));
    EXPECT_EQ(texture.bitsPerPixel, 32u);
    EXPECT_EQ(texture.imageData, (Bytes{30, 20, 10, 40, 70, 60, 50, 80}));
}

TEST(TgaTextureReader, RunAndRawPacketsFillThePicture) {
    // 0x83: one pixel stored 4 times; 0x02: three raw pixels follow; 0x80: a run of one.
    TgaTexture texture;
    ASSERT_TRUE(decode(file(10, 8, 1, 24, {0x83, 1, 2, 3, 0x02, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0x80, 13, 14, 15}),
                       texture));
    EXPECT_EQ(texture.imageData,
              (Bytes{3, 2, 1, 3, 2, 1, 3, 2, 1, 3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10, 15, 14, 13}));

    ASSERT_TRUE(decode(file(10, 2, 2, 32, {0x00, 1, 2, 3, 4, 0x82, 5, 6, 7, 8}), texture));
    EXPECT_EQ(texture.imageData, (Bytes{3, 2, 1, 4, 7, 6, 5, 8, 7, 6, 5, 8, 7, 6, 5, 8}));
    EXPECT_EQ(texture.width, 2u);
    EXPECT_EQ(texture.height, 2u);
}

TEST(TgaTextureReader, LongestPacketsSpanRows) {
    // A 128-pixel run and a 128-pixel raw packet fill a 16 x 16 picture.
    Bytes body = {0xFF, 9, 9, 9, 0x7F};
    for (int i = 0; i < 128; ++i) body.insert(body.end(), {static_cast<unsigned char>(i), 0, 0});
    TgaTexture texture;
    ASSERT_TRUE(decode(file(10, 16, 16, 24, body), texture));
    ASSERT_EQ(texture.imageData.size(), 16u * 16u * 3u);
    EXPECT_EQ(texture.imageData[127 * 3], 9);
    EXPECT_EQ(texture.imageData[128 * 3 + 2], 0);
    EXPECT_EQ(texture.imageData[255 * 3 + 2], 127);
}

TEST(TgaTextureReader, PacketsRunningPastTheEndOrOutOfDataFail) {
    expectRefused(file(10, 3, 1, 24, {0x83, 1, 2, 3}));                    // run of 4 into 3 pixels
    expectRefused(file(10, 3, 1, 24, {0x00, 1, 2, 3, 0x02, 1, 2, 3, 4, 5, 6, 7, 8, 9}));  // raw of 3 after 1
    expectRefused(file(10, 4, 1, 24, {0x81, 1, 2, 3}));                    // no packet for the last two
    expectRefused(file(10, 2, 1, 24, {0x01, 1, 2, 3, 4}));                 // raw pixels cut short
    expectRefused(file(10, 2, 1, 32, {0x81, 1, 2, 3}));                    // run pixel cut short
    expectRefused(file(10, 300, 300, 32, {0xFF, 1, 2, 3, 4}));             // far too little for the size
}

TEST(TgaTextureReader, RefusesOtherStartsDepthsAndSizes) {
    Bytes withId = file(2, 1, 1, 24, {1, 2, 3});
    withId[0] = 1;
    expectRefused(withId);
    Bytes colourMapped = file(2, 1, 1, 24, {1, 2, 3});
    colourMapped[1] = 1;
    expectRefused(colourMapped);
    expectRefused(file(3, 1, 1, 24, {1, 2, 3}));
    expectRefused(file(11, 1, 1, 24, {0x80, 1, 2, 3}));
    for (unsigned char type : {2, 10}) {
        SCOPED_TRACE(int(type));
        expectRefused(file(type, 1, 1, 16, {0x80, 1, 2, 3}));
        expectRefused(file(type, 1, 1, 8, {0x80, 1, 2, 3}));
        expectRefused(file(type, 0, 1, 24, {0x80, 1, 2, 3}));
        expectRefused(file(type, 1, 0, 24, {0x80, 1, 2, 3}));
        expectRefused(file(type, 16385, 1, 24, Bytes(16385 * 3 + 200, 0x80)));
        expectRefused(file(type, 65535, 65535, 32, {0xFF, 1, 2, 3, 4}));
    }
    expectRefused(file(2, 2, 2, 24, Bytes(11, 1)));                        // one byte short
    Bytes header = headerFor(2, 1, 1, 24);
    expectRefused(Bytes(header.begin(), header.begin() + 17));
    expectRefused(Bytes(header.begin(), header.begin() + 11));
    expectRefused(Bytes{});
}
