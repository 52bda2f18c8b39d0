// The picture readers on small files built byte by byte, the Image holder and the material texture upload.
#include "PictureFiles.h"
#include "image/BmpReader.h"
#include "image/Image.h"
#include "image/PcxReader.h"
#include "image/TgaReader.h"
#include "image/TgaTextureReader.h"
#include "support/GlContext.h"
#include "support/TempDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <tuple>

using namespace PictureFiles;

namespace {

// BGR bytes of pixels numbered 0 to count - 1 in file order; the RGB pixels (p, 100 + p, 200 - p) in an order.
Bytes numbered(int count) {
    Bytes bgr;
    for (int p = 0; p < count; ++p) bgr.insert(bgr.end(), {Byte(200 - p), Byte(100 + p), Byte(p)});
    return bgr;
}
Bytes rgb(std::initializer_list<int> order) {
    Bytes out;
    for (int p : order) out.insert(out.end(), {Byte(p), Byte(100 + p), Byte(200 - p)});
    return out;
}

// What a reader makes of the bytes: 'b' BMP, 'p' PCX, 't' TGA, 'm' material texture; nothing when refused.
Bytes readAs(char reader, Bytes file) {
    std::FILE* f = fmemopen(file.data(), file.size(), "rb");
    BmpInfoHeader bmpInfo;
    PcxHeader pcxHeader;
    TgaHeader tgaHeader;
    TgaTexture texture{{1, 2, 3}, 24, 1, 1, 0};  // as an earlier texture left it
    Bytes out;
    switch (reader) {
    case 'b': out = readBmp(f, bmpInfo); break;
    case 'p': out = readPcx(f, pcxHeader); break;
    case 't': out = readTga(f, tgaHeader); break;
    default:
        if (readTgaTexture(f, texture)) out = texture.imageData;
        EXPECT_EQ(out.empty(), texture.imageData.size() + texture.width + texture.height == 0)
            << "a refusal left a record";
    }
    std::fclose(f);
    return out;
}

}  // namespace

TEST(Readers, DecodeWhatTheyCanAndRefuseTheRest) {
    Bytes early(1000, 255), grey = {10, 20, 30, 40, 50, 60};  // PCX data read on through the palette block, then 255
    std::fill_n(early.begin(), 769, 0), early[0] = 12;
    const std::pair<char, std::vector<std::pair<Bytes, Bytes>>> decoded[] = {
        // BMP rows come out bottom-up as RGB without their padding, a top-down file flipped; a data size of 0
        // or a last row without its padding is fine.
        {'b',
         {{bmp(2, 3, numbered(6)), rgb({0, 1, 2, 3, 4, 5})},
          {bmp(3, -2, numbered(6)), rgb({3, 4, 5, 0, 1, 2})},
          {with(bmp(5, 1, numbered(5)), 34, 0), rgb({0, 1, 2, 3, 4})},
          {head(bmp(1, 2, numbered(2)), 61), rgb({0, 1})}}},
        // PCX runs (0xC0 | n) and literals; a window that doesn't start at 0.
        {'p',
         {{pcx(7, 1, {0xC3, 7, 0xC0, 0x99, 0x41, 0xBF, 0xC5, 9}), {7, 7, 7, 0x41, 0xBF, 9, 9}},
          {with(with(with(pcx(13, 8, {1, 2, 3, 4}), 4, 10, 2), 6, 7, 2), 8, 12, 2), {1, 2, 3}},
          {pcx(1000, 1, {}, Bytes(768)), early}}},
        // TGA true colour as RGB(A) past an ID field and colour map, grey and 16 bits as read, a side of 16384.
        {'t',
         {{tga(2, 2, 1, 32, {10, 20, 30, 40, 1, 2, 3, 4}), {30, 20, 10, 40, 3, 2, 1, 4}},
          {tga(2, 1, 2, 24, {10, 20, 30, 40, 50, 60}, 5, 4), {30, 20, 10, 60, 50, 40}},
          {tga(3, 3, 2, 8, grey), grey},
          {tga(2, 3, 1, 16, grey), grey},
          {tga(3, 16384, 1, 8, Bytes(16384, 5)), Bytes(16384, 5)}}},
        // Material textures, raw and run-length: 0x83 one pixel 4 times, 0x02 three raw pixels, 0x80 a run of one.
        {'m',
         {{tga(2, 1, 2, 24, {1, 2, 3, 4, 5, 6}), {3, 2, 1, 6, 5, 4}},
          {tga(2, 1, 1, 32, {1, 2, 3, 4}), {3, 2, 1, 4}},
          {tga(10, 8, 1, 24, {0x83, 1, 2, 3, 0x02, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0x80, 13, 14, 15}),
           {3, 2, 1, 3, 2, 1, 3, 2, 1, 3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10, 15, 14, 13}},
          {tga(10, 2, 1, 32, {0x00, 1, 2, 3, 4, 0x80, 5, 6, 7, 8}), {3, 2, 1, 4, 7, 6, 5, 8}}}}};
    for (const auto& [reader, cases] : decoded)
        for (std::size_t i = 0; i < cases.size(); ++i)
            EXPECT_EQ(readAs(reader, cases[i].first), cases[i].second) << reader << " case " << i;

    // Other kinds, sizes of 0 or below, a side above 16384 (with all its pixels there), files cut short.
    const Bytes goodBmp = bmp(4, 2, numbered(8)), goodPcx = pcx(2, 1, {1, 2}), goodTga = tga(2, 2, 2, 24, Bytes(12));
    std::pair<char, std::vector<Bytes>> refused[] = {
        {'b',
         {with(goodBmp, 1, 'N', 1), with(goodBmp, 28, 32, 2), with(goodBmp, 30, 1), with(goodBmp, 18, 0),
          with(goodBmp, 22, INT_MIN), bmp(16385, 1, Bytes(16385 * 3)), bmp(1, 16385, Bytes(16385 * 3)),
          head(goodBmp, goodBmp.size() - 1), head(goodBmp, 53), with(goodBmp, 10, 0xFFFF)}},
        {'p',
         {with(goodPcx, 0, 11, 1), with(goodPcx, 1, 3, 1), with(goodPcx, goodPcx.size() - 769, 13, 1),
          with(goodPcx, 4, 5, 2), with(goodPcx, 6, 1, 2), pcx(16385, 1, {}), pcx(1, 16385, {}), head(goodPcx, 11),
          head(goodPcx, 700)}},
        {'t',
         {tga(10, 1, 1, 24, {0x80, 1, 2, 3}), tga(1, 1, 1, 8, {0}), tga(2, 0, 1, 24, {1, 2, 3}),
          tga(2, 1, 0, 24, {1, 2, 3}), tga(3, 16385, 1, 8, Bytes(16385)), tga(3, 1, 16385, 8, Bytes(16385)),
          head(goodTga, 17), head(goodTga, goodTga.size() - 1), head(tga(2, 1, 1, 24, {1, 2, 3}, 200), 118)}},
        // Material textures: packets past the last pixel, too few packets, pixels cut short, other headers.
        {'m',
         {tga(10, 3, 1, 24, {0x83, 1, 2, 3}), tga(10, 3, 1, 24, {0x00, 1, 2, 3, 0x02, 1, 2, 3, 4, 5, 6}),
          tga(10, 4, 1, 24, {0x81, 1, 2, 3}), tga(10, 2, 1, 24, {0x01, 1, 2, 3, 4}), tga(10, 2, 1, 32, {0x81, 1}),
          tga(10, 300, 300, 32, {0xFF, 1, 2, 3, 4}), tga(2, 2, 2, 24, Bytes(11)), tga(2, 1, 1, 24, {1, 2, 3}, 1),
          tga(2, 1, 1, 24, {1, 2, 3}, 0, 1), tga(3, 1, 1, 24, {1, 2, 3}), tga(11, 1, 1, 24, {0x80, 1, 2, 3}),
          head(goodTga, 17), tga(2, 1, 1, 16, {1, 2}), tga(10, 1, 1, 8, {0x80, 1}), tga(10, 0, 1, 24, {0x80, 1}),
          tga(10, 1, 0, 24, {0x80, 1, 2, 3}), tga(10, 16385, 1, 24, Bytes(16385 * 3 + 200, 0x80))}}};
    for (int bits : {0, 15, 40}) refused[2].second.push_back(tga(2, 1, 1, bits, Bytes(64, 7)));
    for (const auto& [reader, files] : refused)
        for (std::size_t i = 0; i < files.size(); ++i)
            EXPECT_EQ(readAs(reader, files[i]), Bytes()) << reader << " refusal " << i;
}

// A material texture of 3 x 2 at 24 bits has rows of 9 bytes, which an unpack alignment of 8 would misread; the
// alignment is kept. PCX pictures are scaled to the largest powers of two that fit (256 x 3 to 256 x 2), as RGBA
// through the palette, whatever pixel store the holder left set, and keep it. A picture that fails to load leaves
// no pixels and no size; the reader goes by the text after the first dot. An image deletes its texture.
TEST(ImageGl, UploadsPcxScalingAndTheTextureDeleted) {
    REQUIRE_GL_CONTEXT();
    TempDir dir;
    dir.write("textures/t.tga", tga(2, 3, 2, 24, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
    glPixelStorei(GL_UNPACK_ALIGNMENT, 8);
    GLuint texture = 0;
    EXPECT_TRUE(loadTgaTexture((dir.path() + "\\textures\\t.tga").c_str(), &texture));
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 8);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    Bytes pixels(18 + 2, 0xCD);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    EXPECT_EQ(pixels, (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10, 15, 14, 13, 18, 17, 16, 0xCD, 0xCD}));

    Bytes data;  // index 90 throughout, in runs of up to 63
    for (int row = 0; row < 3; ++row)
        for (int left = 256; left > 0; left -= 63) data.insert(data.end(), {Byte(0xC0 | std::min(left, 63)), 90});
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 3);
    {
        Image image;
        image.load(dir.write("p.PCX", pcx(256, 3, data)).c_str());
        GLint skipRows = 0;
        glGetIntegerv(GL_UNPACK_SKIP_ROWS, &skipRows);
        glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
        EXPECT_EQ(
            std::make_tuple(skipRows, image.format, image.width, image.height, image.scaledWidth, image.scaledHeight),
            std::make_tuple(3, 0, 256, 3, 256, 2));
        Bytes expected;
        for (int i = 0; i < 256 * 2; ++i) expected.insert(expected.end(), {90, 165, 45, 255});
        EXPECT_EQ(image.pixels, expected);
        image.load(dir.write("bad.tga", tga(2, 3, 2, 32, Bytes(23))).c_str());
        EXPECT_EQ(std::make_tuple(image.pixelData(), image.width, image.height), std::make_tuple(nullptr, 0, 0));
        image.load(dir.write("two.dots.tga", tga(2, 1, 1, 24, {1, 2, 3})).c_str());  // the extension is "dots.tga"
        EXPECT_EQ(image.pixelData(), nullptr);
        image.texture = texture;
    }
    EXPECT_FALSE(glIsTexture(texture));
}
