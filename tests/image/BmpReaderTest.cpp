#include "PictureFiles.h"
#include "image/BmpReader.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <climits>

using namespace PictureFiles;

namespace {

// BGR bytes whose pixel p (in file order) is (p, 100 + p, 200 - p) as RGB.
Bytes numberedBgr(int pixels) {
    Bytes bgr;
    for (int p = 0; p < pixels; ++p) {
        bgr.push_back(static_cast<unsigned char>(200 - p));
        bgr.push_back(static_cast<unsigned char>(100 + p));
        bgr.push_back(static_cast<unsigned char>(p));
    }
    return bgr;
}

void expectNumberedRgb(const Bytes& rgb, int pixels) {
    ASSERT_EQ(rgb.size(), static_cast<std::size_t>(pixels) * 3);
    for (int p = 0; p < pixels; ++p) {
        EXPECT_EQ(rgb[p * 3], p) << "pixel " << p;
        EXPECT_EQ(rgb[p * 3 + 1], 100 + p) << "pixel " << p;
        EXPECT_EQ(rgb[p * 3 + 2], 200 - p) << "pixel " << p;
    }
}

Bytes readBytes(const Bytes& file, BmpInfoHeader& info) {
    TempDir dir;
    return readBmp(dir.write("p.bmp", file).c_str(), info);
}

Bytes readBytes(const Bytes& file) {
    BmpInfoHeader info;
    return readBytes(file, info);
}

}  // namespace

TEST(BmpReader, UnpaddedRowsComeOutAsRgbInFileOrder) {
    BmpSpec spec;
    spec.width = 4;
    spec.height = 1;
    BmpInfoHeader info;
    expectNumberedRgb(readBytes(bmp(spec, numberedBgr(4)), info), 4);
    EXPECT_EQ(info.width, 4);
    EXPECT_EQ(info.height, 1);
    EXPECT_EQ(info.sizeImage, 12u);
}

TEST(BmpReader, RowPaddingIsDroppedForOddWidths) {
    for (int width : {1, 2, 3, 4, 5, 7}) {
        BmpSpec spec;
        spec.width = width;
        spec.height = 3;
        SCOPED_TRACE(width);
        expectNumberedRgb(readBytes(bmp(spec, numberedBgr(width * 3))), width * 3);
    }
}

TEST(BmpReader, TopDownFileIsFlippedToBottomUp) {
    BmpSpec spec;
    spec.width = 3;
    spec.height = -2;
    Bytes fileRows = numberedBgr(6);  // top row first: pixels 0..2, then 3..5
    BmpInfoHeader info;
    Bytes rgb = readBytes(bmp(spec, fileRows), info);
    EXPECT_EQ(info.height, 2);
    ASSERT_EQ(rgb.size(), 18u);
    EXPECT_EQ(rgb[0], 3) << "bottom row (the file's second) comes first";
    EXPECT_EQ(rgb[9], 0);
    EXPECT_EQ(rgb[9 + 1], 100);
}

TEST(BmpReader, ZeroSizeImageIsFilledInFromTheSize) {
    BmpSpec spec;
    spec.width = 5;
    spec.height = 2;
    spec.writeSizeImage = false;
    BmpInfoHeader info;
    Bytes rgb = readBytes(bmp(spec, numberedBgr(10)), info);
    expectNumberedRgb(rgb, 10);
    EXPECT_EQ(info.sizeImage, 2u * 16u) << "two rows of 15 bytes padded to 16";
}

TEST(BmpReader, MissingLastRowPaddingIsAccepted) {
    BmpSpec spec;
    spec.width = 1;
    spec.height = 2;
    Bytes file = bmp(spec, numberedBgr(2));
    file.pop_back();
    expectNumberedRgb(readBytes(file), 2);
}

TEST(BmpReader, RefusesWhatIsNotAnUncompressed24BitBmp) {
    BmpSpec spec;
    spec.width = 4;
    Bytes good = bmp(spec, numberedBgr(4));
    ASSERT_FALSE(readBytes(good).empty());

    Bytes badMagic = good;
    badMagic[1] = 'N';
    EXPECT_TRUE(readBytes(badMagic).empty());

    for (std::uint16_t bits : {1, 8, 16, 32}) {
        BmpSpec other = spec;
        other.bitCount = bits;
        EXPECT_TRUE(readBytes(bmp(other, numberedBgr(4))).empty()) << bits << " bits";
    }
    BmpSpec compressed = spec;
    compressed.compression = 1;
    EXPECT_TRUE(readBytes(bmp(compressed, numberedBgr(4))).empty());
}

TEST(BmpReader, RefusesTruncatedFiles) {
    BmpSpec spec;
    spec.width = 4;
    spec.height = 2;
    Bytes good = bmp(spec, numberedBgr(8));
    for (std::size_t cut : {std::size_t{1}, std::size_t{12}, std::size_t{24}}) {
        Bytes shorter(good.begin(), good.end() - static_cast<long>(cut));
        EXPECT_TRUE(readBytes(shorter).empty()) << cut << " bytes short";
    }
    for (std::size_t length : {std::size_t{0}, std::size_t{2}, std::size_t{13}, std::size_t{30}, std::size_t{53}}) {
        EXPECT_TRUE(readBytes(Bytes(good.begin(), good.begin() + static_cast<long>(length))).empty())
            << "only " << length << " bytes";
    }
    Bytes farOffset = good;
    farOffset[10] = 0xFF;  // data offset beyond the end of the file
    EXPECT_TRUE(readBytes(farOffset).empty());
}

TEST(BmpReader, RefusesZeroAndAbsurdSizesBeforeReading) {
    const std::int32_t sizes[][2] = {{0, 1}, {1, 0}, {-4, 1}, {70000, 1}, {1, 16385},
                                     {16385, 1}, {INT_MAX, INT_MAX}, {1, INT_MIN}, {65536, 65536}};
    for (const auto& size : sizes) {
        BmpSpec spec;
        spec.width = size[0];
        spec.height = size[1];
        Bytes file = bmp(BmpSpec(), numberedBgr(1));
        // Keep the small body, lie about the size in the header.
        Bytes header = bmp(spec, Bytes());
        std::copy(header.begin() + 18, header.begin() + 26, file.begin() + 18);
        EXPECT_TRUE(readBytes(file).empty()) << size[0] << " x " << size[1];
    }
}

TEST(BmpReader, MissingFileGivesNothingAndLeavesTheHeader) {
    BmpInfoHeader info;
    info.width = 77;
    TempDir dir;
    EXPECT_TRUE(readBmp((dir.path() + "/none.bmp").c_str(), info).empty());
    EXPECT_EQ(info.width, 77);
}
