#include "PictureFiles.h"
#include "image/TgaReader.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace PictureFiles;

namespace {

TgaSpec shape(unsigned width, unsigned height, unsigned char bits, unsigned char type = 2) {
    TgaSpec spec;
    spec.width = width;
    spec.height = height;
    spec.bitsPerPixel = bits;
    spec.imageType = type;
    return spec;
}

Bytes readBytes(const Bytes& file, TgaHeader& header) {
    TempDir dir;
    return readTga(dir.write("p.tga", file).c_str(), header);
}

Bytes readBytes(const Bytes& file) {
    TgaHeader header;
    return readBytes(file, header);
}

}  // namespace

TEST(TgaReader, TrueColourPixelsTurnToRgbAndGreyStaysAsRead) {
    TgaHeader header;
    Bytes rgba = readBytes(tga(shape(2, 1, 32), {10, 20, 30, 40, 1, 2, 3, 4}), header);
    EXPECT_EQ(rgba, (Bytes{30, 20, 10, 40, 3, 2, 1, 4}));
    EXPECT_EQ(header.imageType, 2);
    EXPECT_EQ(header.width, 2);
    EXPECT_EQ(header.height, 1);
    EXPECT_EQ(header.bitsPerPixel, 32);

    EXPECT_EQ(readBytes(tga(shape(1, 2, 24), {10, 20, 30, 40, 50, 60})), (Bytes{30, 20, 10, 60, 50, 40}));

    Bytes grey = {10, 20, 30, 40, 50, 60};
    EXPECT_EQ(readBytes(tga(shape(3, 2, 8, 3), grey), header), grey);
    EXPECT_EQ(header.imageType, 3);
    EXPECT_EQ(readBytes(tga(shape(3, 1, 16), grey)), grey) << "16-bit pixels are left as read";
}

TEST(TgaReader, SkipsTheIdFieldAndColourMap) {
    TgaSpec spec = shape(1, 1, 24);
    spec.idField = Bytes(5, 0xAA);
    spec.colourMap = Bytes(3 * 4, 0xBB);
    EXPECT_EQ(readBytes(tga(spec, {1, 2, 3})), (Bytes{3, 2, 1}));
}

TEST(TgaReader, RefusesOtherTypesAndDepths) {
    EXPECT_TRUE(readBytes(tga(shape(1, 1, 24, 10), {0x80, 1, 2, 3})).empty()) << "run-length encoded";
    EXPECT_TRUE(readBytes(tga(shape(1, 1, 8, 1), {0})).empty()) << "colour-mapped";
    for (unsigned char bits : {0, 1, 4, 15, 31, 40, 255}) {
        EXPECT_TRUE(readBytes(tga(shape(1, 1, bits), Bytes(64, 7))).empty()) << int(bits) << " bits";
    }
}

TEST(TgaReader, RefusesZeroAbsurdAndTruncatedSizes) {
    EXPECT_TRUE(readBytes(tga(shape(0, 1, 24), {1, 2, 3})).empty());
    EXPECT_TRUE(readBytes(tga(shape(1, 0, 24), {1, 2, 3})).empty());
    EXPECT_TRUE(readBytes(tga(shape(16385, 1, 8), Bytes(16385, 1))).empty());
    EXPECT_TRUE(readBytes(tga(shape(40000, 40000, 32), Bytes(64, 1))).empty());
    EXPECT_TRUE(readBytes(tga(shape(65535, 65535, 32), Bytes(64, 1))).empty());

    Bytes good = tga(shape(2, 2, 24), Bytes(12, 9));
    ASSERT_FALSE(readBytes(good).empty());
    for (std::size_t length : {std::size_t{0}, std::size_t{17}, std::size_t{18}, good.size() - 1}) {
        EXPECT_TRUE(readBytes(Bytes(good.begin(), good.begin() + static_cast<long>(length))).empty())
            << length << " bytes";
    }
    TgaSpec longId = shape(1, 1, 24);
    longId.idField = Bytes(200, 0);
    Bytes cut = tga(longId, {1, 2, 3});
    cut.resize(18 + 100);
    EXPECT_TRUE(readBytes(cut).empty()) << "ID field running past the end";

    TempDir dir;
    TgaHeader header;
    EXPECT_TRUE(readTga((dir.path() + "/none.tga").c_str(), header).empty());
}

TEST(TgaReader, LargestAllowedSideIsRead) {
    Bytes row(16384, 5);
    TgaHeader header;
    Bytes grey = readBytes(tga(shape(16384, 1, 8, 3), row), header);
    EXPECT_EQ(grey, row);
    EXPECT_EQ(header.width, 16384);
}
