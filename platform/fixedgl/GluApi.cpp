// The glu* entry points of GL/glu.h, on the current context.
#include "Context.h"
#include "ImageScaler.h"

#include <GL/glu.h>

#include <algorithm>
#include <vector>

using fixedgl::Context;
using fixedgl::ImageScaler;
using fixedgl::Matrix4;

namespace {

// Bytes a pixel of an RGB or RGBA picture of bytes, 0 for anything else.
int pictureBytes(GLenum format, GLenum type) {
    if (type != GL_UNSIGNED_BYTE) return 0;
    return format == GL_RGB ? 3 : format == GL_RGBA ? 4 : 0;
}

}  // namespace

extern "C" {

void fgluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar) {
    if (Context* c = Context::current()) {
        c->run([=](Context& c) { c.multiply(Matrix4::perspective(fovy, aspect, zNear, zFar)); });
    }
}

void fgluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX, GLdouble centerY, GLdouble centerZ,
                GLdouble upX, GLdouble upY, GLdouble upZ) {
    const double eye[3] = {eyeX, eyeY, eyeZ};
    const double centre[3] = {centerX, centerY, centerZ};
    const double up[3] = {upX, upY, upZ};
    if (Context* c = Context::current()) {
        const Matrix4 view = Matrix4::lookAt(eye, centre, up);
        c->run([=](Context& c) { c.multiply(view); });
    }
}

GLint fgluScaleImage(GLenum format, GLint widthIn, GLint heightIn, GLenum typeIn, const void* dataIn, GLint widthOut,
                     GLint heightOut, GLenum typeOut, GLvoid* dataOut) {
    const int bytes = pictureBytes(format, typeIn);
    if (bytes == 0 || typeOut != typeIn) return GLU_INVALID_ENUM;
    if (widthIn < 0 || heightIn < 0 || widthOut < 0 || heightOut < 0) return GLU_INVALID_VALUE;
    Context* c = Context::current();
    if (!c || widthIn == 0 || heightIn == 0 || widthOut == 0 || heightOut == 0) return 0;
    const std::vector<unsigned char> from = c->pixels().unpack(dataIn, widthIn, heightIn, bytes);
    const std::vector<unsigned char> to = ImageScaler::scale(from.data(), widthIn, heightIn, bytes, widthOut, heightOut,
                                                             ImageScaler::Box::atLeastOnePixel);
    c->pixels().pack(to.data(), widthOut, heightOut, bytes, dataOut);
    return 0;
}

GLint fgluBuild2DMipmaps(GLenum target, GLint internalFormat, GLsizei width, GLsizei height, GLenum format, GLenum type,
                         const void* data) {
    const int bytes = pictureBytes(format, type);
    if (target != GL_TEXTURE_2D || bytes == 0) return GLU_INVALID_ENUM;
    if (width < 1 || height < 1) return GLU_INVALID_VALUE;
    Context* c = Context::current();
    if (!c) return 0;
    std::vector<unsigned char> level = c->pixels().unpack(data, width, height, bytes);
    const int levelWidth = ImageScaler::nearestPowerOfTwo(width);
    const int levelHeight = ImageScaler::nearestPowerOfTwo(height);
    if (levelWidth != width || levelHeight != height) {
        level = ImageScaler::scale(level.data(), width, height, bytes, levelWidth, levelHeight,
                                   ImageScaler::Box::footprint);
    }
    width = levelWidth;
    height = levelHeight;
    for (int number = 0;; ++number) {
        c->texImageTight(number, internalFormat, width, height, bytes, level);
        if (width == 1 && height == 1) break;
        level = ImageScaler::halve(level, width, height, bytes);
        width = std::max(1, width / 2);
        height = std::max(1, height / 2);
    }
    return 0;
}

}  // extern "C"
