#include "PictureFiles.h"
#include "image/TgaTexture.h"
#include "support/GlContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

using namespace PictureFiles;

TEST(TgaTextureGl, TexturesAreRgbOrRgbaLinearWithoutMipmapsAndKeepTheUnpackAlignment) {
    REQUIRE_GL_CONTEXT();
    auto state = [](GLenum name) { GLint value = -1; glGetIntegerv(name, &value); return value; };
    auto parameter = [](GLenum name) {
        GLint value = -1;
        glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
        return value;
    };
    auto level = [](int level, GLenum name) {
        GLint value = -1;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, name, &value);
        return value;
    };
    struct Case { Bytes file; std::string name; GLenum format; int width, height; Bytes pixels; };
    // The longest packets, a 128-pixel run and 128 raw pixels, span the rows of 16 x 16.
    Bytes longest = {0xFF, 9, 9, 9, 0x7F}, longestRgb(128 * 3, 9);
    for (int i = 0; i < 128; ++i) {
        longest.insert(longest.end(), {Byte(i), 0, 0});
        longestRgb.insert(longestRgb.end(), {0, 0, Byte(i)});
    }
    const Case cases[] = {
        // 3 x 2: rows of 9 bytes, which a 2-, 4- or 8-byte unpack alignment would misread.
        {tga(2, 3, 2, 24, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}), "wood.tga", GL_RGB, 3, 2,
         {3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10, 15, 14, 13, 18, 17, 16}},
        {tga(2, 1, 2, 32, {10, 20, 30, 40, 50, 60, 70, 80}), "rail.tga", GL_RGBA, 1, 2,
         {30, 20, 10, 40, 70, 60, 50, 80}},
        // 0x83: one pixel 4 times; 0x02: three raw pixels; 0x80: a run of one.
        {tga(10, 8, 1, 24, {0x83, 1, 2, 3, 0x02, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0x80, 13, 14, 15}), "snow.tga", GL_RGB,
         8, 1,
         {3, 2, 1, 3, 2, 1, 3, 2, 1, 3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10, 15, 14, 13}},
        {tga(10, 2, 2, 32, {0x00, 1, 2, 3, 4, 0x82, 5, 6, 7, 8}), "ice.tga", GL_RGBA, 2, 2,
         {3, 2, 1, 4, 7, 6, 5, 8, 7, 6, 5, 8, 7, 6, 5, 8}},
        {tga(10, 16, 16, 24, longest), "long.tga", GL_RGB, 16, 16, longestRgb},
        {tga(2, 1, 1, 24, {9, 8, 7}), "board.bmp", GL_RGB, 1, 1, {7, 8, 9}},  // recognised by content, not name
    };
    std::set<GLuint> names;
    for (GLint alignment : {2, 8}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.name + " at alignment " + std::to_string(alignment));
            std::string path = saved(c.file, "textures/" + c.name);
            path.replace(path.rfind("/textures/"), 10, "\\textures\\");
            glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
            GLuint texture = 0;
            EXPECT_TRUE(loadTgaTexture(path.c_str(), &texture));
            EXPECT_EQ(state(GL_UNPACK_ALIGNMENT), alignment);
            EXPECT_EQ(static_cast<GLuint>(state(GL_TEXTURE_BINDING_2D)), texture);
            EXPECT_TRUE(names.insert(texture).second) << "every call makes its own texture";
            EXPECT_EQ(std::make_tuple(parameter(GL_TEXTURE_MIN_FILTER), parameter(GL_TEXTURE_MAG_FILTER)),
                      std::make_tuple(GL_LINEAR, GL_LINEAR));
            EXPECT_EQ(std::make_tuple(level(0, GL_TEXTURE_INTERNAL_FORMAT), level(0, GL_TEXTURE_WIDTH),
                                      level(0, GL_TEXTURE_HEIGHT), level(1, GL_TEXTURE_WIDTH)),
                      std::make_tuple(GLint(c.format), c.width, c.height, 0)) << "format, size, no mipmaps";
            Bytes pixels(c.pixels.size() + 16, 0xCD);
            glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
                glPixelStorei(GL_PACK_ALIGNMENT, 1);
                glGetTexImage(GL_TEXTURE_2D, 0, c.format, GL_UNSIGNED_BYTE, pixels.data());
            glPopClientAttrib();
            EXPECT_EQ(head(pixels, c.pixels.size()), c.pixels);
        }
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    for (GLuint name : names) glDeleteTextures(1, &name);
}
