#include "PictureFiles.h"
#include "image/TgaTexture.h"
#include "support/GlContext.h"
#include "support/TempDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

using namespace PictureFiles;

namespace {

Bytes tgaFile(unsigned char type, unsigned width, unsigned height, unsigned char bits, const Bytes& body) {
    TgaSpec spec;
    spec.imageType = type;
    spec.width = width;
    spec.height = height;
    spec.bitsPerPixel = bits;
    return tga(spec, body);
}

GLint levelParameter(int level, GLenum name) {
    GLint value = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, name, &value);
    return value;
}

GLint textureParameter(GLenum name) {
    GLint value = -1;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    return value;
}

Bytes readBack(GLenum format, std::size_t bytes) {
    Bytes pixels(bytes + 16, 0xCD);
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, format, GL_UNSIGNED_BYTE, pixels.data());
    glPopClientAttrib();
    pixels.resize(bytes);
    return pixels;
}

// Loads the file, checks the texture that comes back is bound, single-level
// and linearly filtered, and returns its name.
GLuint loadChecked(const std::string& path) {
    GLuint texture = 0;
    EXPECT_TRUE(loadTgaTexture(path.c_str(), &texture));
    EXPECT_NE(texture, 0u);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<GLuint>(bound), texture);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
    EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
    EXPECT_EQ(levelParameter(1, GL_TEXTURE_WIDTH), 0) << "no mipmaps";
    return texture;
}

}  // namespace

TEST(TgaTextureGl, UncompressedOddWidth24BitGivesRgbTexture) {
    REQUIRE_GL_CONTEXT();
    TempDir dir;
    // 3 x 2: rows of 9 bytes, which a 4-byte unpack alignment would misread.
    Bytes bgr = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
    GLuint texture = loadChecked(dir.write("wood.tga", tgaFile(2, 3, 2, 24, bgr)));
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_INTERNAL_FORMAT), GL_RGB);
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_WIDTH), 3);
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_HEIGHT), 2);
    EXPECT_EQ(readBack(GL_RGB, 18), (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10, 15, 14, 13, 18, 17, 16}));
    glDeleteTextures(1, &texture);
}

TEST(TgaTextureGl, RunLengthEncoded32BitGivesRgbaTexture) {
    REQUIRE_GL_CONTEXT();
    TempDir dir;
    Bytes packets = {0x82, 10, 20, 30, 40, 0x00, 1, 2, 3, 4};
    GLuint texture = loadChecked(dir.write("snow.tga", tgaFile(10, 2, 2, 32, packets)));
    EXPECT_EQ(levelParameter(0, GL_TEXTURE_INTERNAL_FORMAT), GL_RGBA);
    EXPECT_EQ(readBack(GL_RGBA, 16), (Bytes{30, 20, 10, 40, 30, 20, 10, 40, 30, 20, 10, 40, 3, 2, 1, 4}));
    glDeleteTextures(1, &texture);
}

TEST(TgaTextureGl, FileIsRecognisedByContentNotName) {
    REQUIRE_GL_CONTEXT();
    TempDir dir;
    std::string path = dir.write("textures/board.bmp", tgaFile(2, 1, 1, 24, {9, 8, 7}));
    GLuint first = loadChecked(dir.path() + "\\textures\\board.bmp");
    EXPECT_EQ(readBack(GL_RGB, 3), (Bytes{7, 8, 9}));
    GLuint second = loadChecked(path);
    EXPECT_NE(first, second) << "every call makes its own texture";
    GLuint both[] = {first, second};
    glDeleteTextures(2, both);
}

TEST(TgaTextureGl, LeavesTheUnpackAlignmentAsItWas) {
    REQUIRE_GL_CONTEXT();
    TempDir dir;
    std::string path = dir.write("a.tga", tgaFile(2, 1, 1, 24, {1, 2, 3}));
    for (GLint alignment : {2, 8}) {
        glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
        GLuint texture = loadChecked(path);
        GLint after = 0;
        glGetIntegerv(GL_UNPACK_ALIGNMENT, &after);
        EXPECT_EQ(after, alignment);
        glDeleteTextures(1, &texture);
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
}

// Every file the loader can't make a whole texture from ends the program,
// including those the loader would otherwise upload stale or released pixels for.
TEST(TgaTextureDeathTest, UnreadableFilesEndTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TempDir dir;
    Bytes header = tgaFile(2, 1, 1, 24, {});
    const Bytes files[] = {
        Bytes(header.begin(), header.begin() + 10),        // short header
        Bytes(header.begin(), header.begin() + 17),
        tgaFile(10, 0, 4, 24, {0x80, 1, 2, 3}),            // run-length: zero width
        tgaFile(10, 4, 4, 16, {0x80, 1, 2}),               // run-length: 16 bits
        tgaFile(10, 2, 1, 24, {0x83, 1, 2, 3}),            // run-length: packet past the end
        tgaFile(3, 1, 1, 24, {1, 2, 3}),                   // neither form
        tgaFile(2, 0, 1, 24, {1, 2, 3}),                   // uncompressed: zero width
        tgaFile(2, 1, 1, 8, {1}),                          // uncompressed: 8 bits
        tgaFile(2, 2, 2, 24, Bytes(11, 1)),                // uncompressed: one byte short
    };
    unsigned int texture = 0;
    for (const Bytes& file : files) {
        std::string path = dir.write("t.tga", file);
        EXPECT_EXIT(loadTgaTexture(path.c_str(), &texture), ::testing::ExitedWithCode(1), "") << file.size();
    }
    std::string missing = dir.path() + "/missing.tga";
    EXPECT_EXIT(loadTgaTexture(missing.c_str(), &texture), ::testing::ExitedWithCode(1), "");
}
