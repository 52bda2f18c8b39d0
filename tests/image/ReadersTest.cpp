#include "PictureFiles.h"
#include "image/BmpReader.h"
#include "image/PcxReader.h"
#include "image/TgaReader.h"
#include "image/TgaTexture.h"
#include "image/TgaTextureReader.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <tuple>

using namespace PictureFiles;

namespace {

// Each reader run on bytes written to a file, keeping the header it fills.
class Readers : public ::testing::Test {
protected:
    Bytes bmpOf(const Bytes& file) { return readBmp(saved(file).c_str(), bmpInfo); }
    Bytes pcxOf(const Bytes& file) { return readPcx(saved(file).c_str(), pcxHeader); }
    Bytes tgaOf(const Bytes& file) { return readTga(saved(file).c_str(), tgaHeader); }

    BmpInfoHeader bmpInfo;
    PcxHeader pcxHeader;
    TgaHeader tgaHeader;
};

// BGR bytes whose pixel p (in file order) is (p, 100 + p, 200 - p) as RGB.
Bytes numbered(int pixels) {
    Bytes bgr;
    for (int p = 0; p < pixels; ++p) bgr.insert(bgr.end(), {Byte(200 - p), Byte(100 + p), Byte(p)});
    return bgr;
}

}  // namespace

TEST_F(Readers, BmpRowsComeOutAsRgbBottomUpWithoutPadding) {
    struct Case { int width, height; bool zeroDataSize, lastPaddingCut; };
    const Case cases[] = {{4, 1, false, false}, {1, 3, false, false}, {2, 3, false, false}, {3, 3, false, false},
                          {5, 2, true, false},  {7, 3, false, false}, {3, -2, false, false}, {1, 2, false, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        int rows = std::abs(c.height), pixels = c.width * rows;
        Bytes file = bmp(c.width, c.height, numbered(pixels));
        if (c.zeroDataSize) file = with(file, 34, 0, 4);
        if (c.lastPaddingCut) file.pop_back();
        Bytes expected(pixels * 3u);
        for (int p = 0; p < pixels; ++p) {
            int row = c.height < 0 ? rows - 1 - p / c.width : p / c.width;  // a top-down file is flipped
            std::size_t at = (row * c.width + p % c.width) * 3u;
            expected[at] = p, expected[at + 1] = 100 + p, expected[at + 2] = 200 - p;
        }
        EXPECT_EQ(bmpOf(file), expected);
        // The height comes out positive; a data size of 0 is filled in.
        EXPECT_EQ(std::make_tuple(bmpInfo.width, bmpInfo.height, bmpInfo.sizeImage),
                  std::make_tuple(c.width, rows, (c.width * 3u + 3) / 4 * 4 * rows));
    }
}

TEST_F(Readers, PcxDecodesRunsLiteralsAndTheWindow) {
    // 0xC3 0x07: three 7s; 0xC0 0x99: nothing; 0x41, 0xBF: themselves; a run of 5 cut off at the picture's end.
    EXPECT_EQ(pcxOf(pcx(7, 1, {0xC3, 0x07, 0xC0, 0x99, 0x41, 0xBF, 0xC5, 9})), (Bytes{7, 7, 7, 0x41, 0xBF, 9, 9}));
    EXPECT_EQ(pcxHeader.xMax, 6);
    EXPECT_EQ(pcxHeader.palette, rampPalette());
    Bytes offset = with(with(with(pcx(13, 8, {1, 2, 3, 4}), 4, 10, 2), 6, 7, 2), 8, 12, 2);
    EXPECT_EQ(pcxOf(offset), (Bytes{1, 2, 3}));
    EXPECT_EQ(std::make_tuple(pcxHeader.xMin, pcxHeader.yMin), std::make_tuple(10, 7));

    // With no data the decoder reads on through the palette block (bytes below the
    // run marker here) and the end of the file; what it doesn't reach stays 255.
    Bytes palette(768);
    for (std::size_t i = 0; i < palette.size(); ++i) palette[i] = static_cast<unsigned char>(i % 150);
    Bytes indices = pcxOf(pcx(1000, 2, {}, palette));
    ASSERT_EQ(indices.size(), 2000u);
    EXPECT_EQ(indices[0], 12);
    EXPECT_TRUE(std::equal(palette.begin(), palette.end(), indices.begin() + 1));
    EXPECT_EQ(std::count(indices.begin() + 769, indices.end(), 255), 2000 - 769);
}

TEST_F(Readers, TgaTurnsTrueColourToRgbSkipsIdAndColourMapAndKeepsOthersAsRead) {
    EXPECT_EQ(tgaOf(tga(2, 2, 1, 32, {10, 20, 30, 40, 1, 2, 3, 4})), (Bytes{30, 20, 10, 40, 3, 2, 1, 4}));
    EXPECT_EQ(std::make_tuple(tgaHeader.imageType, tgaHeader.width, tgaHeader.height, tgaHeader.bitsPerPixel),
              std::make_tuple(2, 2, 1, 32));
    EXPECT_EQ(tgaOf(tga(2, 1, 2, 24, {10, 20, 30, 40, 50, 60}, 5, 4)), (Bytes{30, 20, 10, 60, 50, 40}));
    Bytes grey = {10, 20, 30, 40, 50, 60};
    EXPECT_EQ(tgaOf(tga(3, 3, 2, 8, grey)), grey);
    EXPECT_EQ(tgaHeader.imageType, 3);
    EXPECT_EQ(tgaOf(tga(2, 3, 1, 16, grey)), grey) << "16-bit pixels are left as read";
    Bytes longest(16384, 5);
    EXPECT_EQ(tgaOf(tga(3, 16384, 1, 8, longest)), longest);
}

TEST_F(Readers, RefuseOtherKindsAbsurdSizesAndShortFiles) {
    Bytes goodBmp = bmp(4, 2, numbered(8)), goodPcx = pcx(2, 1, {1, 2}), goodTga = tga(2, 2, 2, 24, Bytes(12, 9));
    ASSERT_FALSE(bmpOf(goodBmp).empty() || pcxOf(goodPcx).empty() || tgaOf(goodTga).empty());
    std::vector<Bytes> bmps = {with(goodBmp, 1, 'N', 1), with(goodBmp, 28, 8, 2), with(goodBmp, 28, 32, 2),
                               with(goodBmp, 30, 1, 4), head(goodBmp, goodBmp.size() - 1), head(goodBmp, 60),
                               head(goodBmp, 0), head(goodBmp, 13), head(goodBmp, 53), with(goodBmp, 10, 0xFF, 1),
                               bmp(16385, 1, Bytes(16385 * 3, 1))};
    const std::int32_t sizes[][2] = {{0, 1}, {1, 0}, {-4, 1}, {1, 16385}, {INT_MAX, INT_MAX}, {1, INT_MIN},
                                     {65536, 65536}};
    for (const auto& size : sizes) bmps.push_back(with(with(goodBmp, 18, size[0], 4), 22, size[1], 4));
    const Bytes pcxs[] = {with(goodPcx, 0, 11, 1), with(goodPcx, 1, 3, 1), with(goodPcx, goodPcx.size() - 769, 13, 1),
                          with(goodPcx, 4, 5, 2), with(goodPcx, 6, 1, 2), pcx(65536, 1, {1}), pcx(1, 16385, {1}),
                          head(goodPcx, 0), head(goodPcx, 11), head(goodPcx, 128), head(goodPcx, 700)};
    std::vector<Bytes> tgas = {tga(10, 1, 1, 24, {0x80, 1, 2, 3}), tga(1, 1, 1, 8, {0}), tga(2, 0, 1, 24, {1, 2, 3}),
                               tga(2, 1, 0, 24, {1, 2, 3}), tga(3, 16385, 1, 8, Bytes(16385, 1)),
                               tga(2, 65535, 65535, 32, Bytes(64, 1)), head(goodTga, 0), head(goodTga, 17),
                               head(goodTga, 18), head(goodTga, goodTga.size() - 1),
                               head(tga(2, 1, 1, 24, {1, 2, 3}, 200), 118)};  // an ID field past the end
    for (int bits : {0, 1, 15, 31, 40}) tgas.push_back(tga(2, 1, 1, bits, Bytes(64, 7)));
    for (std::size_t i = 0; i < bmps.size(); ++i) EXPECT_TRUE(bmpOf(bmps[i]).empty()) << "BMP " << i;
    for (std::size_t i = 0; i < std::size(pcxs); ++i) EXPECT_TRUE(pcxOf(pcxs[i]).empty()) << "PCX " << i;
    for (std::size_t i = 0; i < tgas.size(); ++i) EXPECT_TRUE(tgaOf(tgas[i]).empty()) << "TGA " << i;
    std::string missing = saved({}) + "-missing";
    EXPECT_TRUE(readBmp(missing.c_str(), bmpInfo).empty() && readPcx(missing.c_str(), pcxHeader).empty() &&
                readTga(missing.c_str(), tgaHeader).empty());
}

// Material texture files that can't give a whole texture.
std::vector<Bytes> unreadableTextures() {
    const Bytes one = tga(2, 1, 1, 24, {1, 2, 3});
    std::vector<Bytes> files = {
        tga(10, 3, 1, 24, {0x83, 1, 2, 3}),                                 // a run of 4 into 3 pixels
        tga(10, 3, 1, 24, {0x00, 1, 2, 3, 0x02, 1, 2, 3, 4, 5, 6, 7, 8, 9}),  // 3 raw pixels after 1
        tga(10, 4, 1, 24, {0x81, 1, 2, 3}),                                 // no packet for the last two
        tga(10, 2, 1, 24, {0x01, 1, 2, 3, 4}),                              // raw pixels cut short
        tga(10, 2, 1, 32, {0x81, 1, 2, 3}),                                 // run pixel cut short
        tga(10, 300, 300, 32, {0xFF, 1, 2, 3, 4}),                          // far too little for the size
        tga(2, 2, 2, 24, Bytes(11, 1)),                                     // one byte short
        with(one, 0, 1, 1), with(one, 1, 1, 1), tga(3, 1, 1, 24, {1, 2, 3}), tga(11, 1, 1, 24, {0x80, 1, 2, 3}),
        head(one, 17), head(one, 11), {}};
    for (int type : {2, 10}) {
        const int shapes[][3] = {{1, 1, 16}, {1, 1, 8}, {0, 1, 24}, {1, 0, 24}, {65535, 65535, 32}};
        for (const auto& s : shapes) files.push_back(tga(type, s[0], s[1], s[2], {0xFF, 1, 2, 3, 4}));
        files.push_back(tga(type, 16385, 1, 24, Bytes(16385 * 3 + 200, 0x80)));
    }
    return files;
}

TEST_F(Readers, TgaTextureRefusalsLeaveTheRecordEmpty) {
    std::vector<Bytes> bad = unreadableTextures();
    for (std::size_t i = 0; i < bad.size(); ++i) {
        TgaTexture texture{{1, 2, 3}, 24, 1, 1, 0};  // as an earlier texture filled it
        std::FILE* file = std::fopen(saved(bad[i]).c_str(), "rb");
        EXPECT_FALSE(readTgaTexture(file, texture)) << "case " << i;
        std::fclose(file);
        EXPECT_TRUE(texture.imageData.empty()) << "case " << i;
        EXPECT_EQ(texture.width + texture.height + texture.bitsPerPixel, 0u) << "case " << i;
    }
}

// The loader ends the program, before any GL, for every file it can't make a whole texture from.
TEST(TgaTextureDeathTest, UnreadableFilesEndTheProgramWithCode1) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    unsigned int texture = 0;
    std::vector<Bytes> files = unreadableTextures();
    for (std::size_t i = 0; i < files.size(); ++i) {
        std::string path = saved(files[i], "t.tga");
        EXPECT_EXIT(loadTgaTexture(path.c_str(), &texture), ::testing::ExitedWithCode(1), "") << "case " << i;
    }
    std::string missing = saved({}) + "-missing.tga";
    EXPECT_EXIT(loadTgaTexture(missing.c_str(), &texture), ::testing::ExitedWithCode(1), "");
}
