// PixelStore: GL's pack and unpack pixel store, with the client attribute
// stack that saves it. GLES 2 knows only the alignment, so the layer lays
// client pixels out itself: unpack copies them into tight rows, pack writes
// tight rows out with the row length, skips and alignment asked for.
#pragma once

#include <GL/gl.h>

#include <vector>

namespace fixedgl {

class PixelStore {
public:
    GLenum set(GLenum name, GLint value);  // a GL error
    bool get(GLenum name, GLint& value) const;
    GLenum push(GLbitfield mask);
    GLenum pop();

    std::vector<unsigned char> unpack(const void* pixels, int width, int height, int bytesPerPixel) const;
    void pack(const unsigned char* tight, int width, int height, int bytesPerPixel, void* pixels) const;
    // From 3 or 4 bytes a pixel to the other, opaque where alpha is added.
    static std::vector<unsigned char> reformat(const unsigned char* pixels, std::size_t count, int from, int to);

private:
    struct Layout {
        GLint rowLength = 0;
        GLint skipRows = 0;
        GLint skipPixels = 0;
        GLint alignment = 4;
    };
    struct Saved {
        GLbitfield mask;
        Layout unpacking;
        Layout packing;
    };

    static GLint* field(Layout& layout, GLenum name, GLenum base);
    static std::size_t rowStride(const Layout& layout, int width, int bytesPerPixel);
    static std::size_t start(const Layout& layout, int width, int bytesPerPixel);

    Layout unpacking;
    Layout packing;
    std::vector<Saved> saved;
};

}  // namespace fixedgl
