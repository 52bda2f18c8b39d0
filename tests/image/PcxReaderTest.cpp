#include "PictureFiles.h"
#include "image/PcxReader.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace PictureFiles;

namespace {

PcxSpec window(unsigned width, unsigned height) {
    PcxSpec spec;
    spec.xMax = width - 1;
    spec.yMax = height - 1;
    return spec;
}

Bytes readBytes(const Bytes& file, PcxHeader& header) {
    TempDir dir;
    return readPcx(dir.write("p.pcx", file).c_str(), header);
}

Bytes readBytes(const Bytes& file) {
    PcxHeader header;
    return readBytes(file, header);
}

}  // namespace

TEST(PcxReader, DecodesRunsLiteralsAndEmptyRuns) {
    // 0xC3 0x07: three 7s; 0xC0 0x99: nothing; 0x41: itself; 0x05: itself.
    PcxHeader header;
    Bytes indices = readBytes(pcx(window(6, 1), {0xC3, 0x07, 0xC0, 0x99, 0x41, 0xBF, 0x05}, rampPalette()), header);
    EXPECT_EQ(indices, (Bytes{7, 7, 7, 0x41, 0xBF, 5}));
    EXPECT_EQ(header.palette, rampPalette());
    EXPECT_EQ(header.xMax, 5);
    EXPECT_EQ(header.yMax, 0);
}

TEST(PcxReader, RunIsCutOffAtTheEndOfThePicture) {
    Bytes indices = readBytes(pcx(window(2, 2), {0x01, 0xFF, 0x09}, rampPalette()));
    EXPECT_EQ(indices, (Bytes{1, 9, 9, 9}));
}

TEST(PcxReader, WindowGivesTheSizeAndRowsStayInFileOrder) {
    Bytes data;  // each row five runs of 60 of the row's number
    for (int row = 0; row < 200; ++row) {
        for (int i = 0; i < 5; ++i) data.insert(data.end(), {0xC0 | 60, static_cast<unsigned char>(row % 190)});
    }
    PcxHeader header;
    Bytes indices = readBytes(pcx(window(300, 200), data, rampPalette()), header);
    ASSERT_EQ(indices.size(), 300u * 200u);
    EXPECT_EQ(indices[0], 0);
    EXPECT_EQ(indices[299], 0);
    EXPECT_EQ(indices[300 * 199], 199 % 190);
    EXPECT_EQ(indices[300 * 100 + 150], 100);

    PcxSpec offset;
    offset.xMin = 10;
    offset.xMax = 12;
    offset.yMin = 7;
    offset.yMax = 7;
    EXPECT_EQ(readBytes(pcx(offset, {1, 2, 3}, rampPalette())).size(), 3u);
}

TEST(PcxReader, DataEndingEarlyReadsOnThroughThePaletteThen255) {
    // With no image data the decoder reads the palette block itself, whose
    // bytes stay below the run marker here, and then the end of the file.
    Bytes palette(768);
    for (std::size_t i = 0; i < palette.size(); ++i) palette[i] = static_cast<unsigned char>(i % 150);
    Bytes indices = readBytes(pcx(window(1000, 2), {}, palette));
    ASSERT_EQ(indices.size(), 2000u);
    EXPECT_EQ(indices[0], 12);
    EXPECT_EQ(indices[1], palette[0]);
    EXPECT_EQ(indices[768], palette[767]);
    for (std::size_t i = 769; i < indices.size(); ++i) ASSERT_EQ(indices[i], 255) << "index " << i;
}

TEST(PcxReader, RefusesOtherManufacturerVersionOrPaletteMarker) {
    Bytes data = {1, 2};
    ASSERT_FALSE(readBytes(pcx(window(2, 1), data, rampPalette())).empty());
    PcxSpec version3 = window(2, 1);
    version3.version = 3;
    EXPECT_TRUE(readBytes(pcx(version3, data, rampPalette())).empty());
    PcxSpec maker = window(2, 1);
    maker.manufacturer = 11;
    EXPECT_TRUE(readBytes(pcx(maker, data, rampPalette())).empty());
    PcxSpec marker = window(2, 1);
    marker.paletteMarker = 13;
    EXPECT_TRUE(readBytes(pcx(marker, data, rampPalette())).empty());
}

TEST(PcxReader, RefusesInvertedOrAbsurdWindows) {
    PcxSpec invertedX;
    invertedX.xMin = 5;
    invertedX.xMax = 4;
    EXPECT_TRUE(readBytes(pcx(invertedX, {1}, rampPalette())).empty());
    PcxSpec invertedY;
    invertedY.yMin = 1;
    EXPECT_TRUE(readBytes(pcx(invertedY, {1}, rampPalette())).empty());
    EXPECT_TRUE(readBytes(pcx(window(65536, 1), {1}, rampPalette())).empty());
    EXPECT_TRUE(readBytes(pcx(window(1, 16385), {1}, rampPalette())).empty());
}

TEST(PcxReader, RefusesFilesTooShortForHeaderOrPalette) {
    Bytes good = pcx(window(2, 1), {1, 2}, rampPalette());
    for (std::size_t length : {std::size_t{0}, std::size_t{11}, std::size_t{128}, std::size_t{700}}) {
        EXPECT_TRUE(readBytes(Bytes(good.begin(), good.begin() + static_cast<long>(length))).empty())
            << length << " bytes";
    }
    TempDir dir;
    PcxHeader header;
    EXPECT_TRUE(readPcx((dir.path() + "/none.pcx").c_str(), header).empty());
}
