#include "PixelStore.h"

#include <algorithm>
#include <cstring>

namespace fixedgl {

namespace {
const std::size_t stackLimit = 16;
}

// The four names of each store run in the same order from the row length.
GLint* PixelStore::field(Layout& layout, GLenum name, GLenum base) {
    switch (name - base) {
    case 0: return &layout.rowLength;
    case 1: return &layout.skipRows;
    case 2: return &layout.skipPixels;
    case 3: return &layout.alignment;
    default: return nullptr;
    }
}

GLenum PixelStore::set(GLenum name, GLint value) {
    GLint* target = field(unpacking, name, GL_UNPACK_ROW_LENGTH);
    if (!target) target = field(packing, name, GL_PACK_ROW_LENGTH);
    if (!target) return GL_INVALID_ENUM;
    const bool alignment = name == GL_UNPACK_ALIGNMENT || name == GL_PACK_ALIGNMENT;
    if (alignment ? (value != 1 && value != 2 && value != 4 && value != 8) : value < 0) return GL_INVALID_VALUE;
    *target = value;
    return GL_NO_ERROR;
}

bool PixelStore::get(GLenum name, GLint& value) const {
    Layout u = unpacking;
    Layout p = packing;
    const GLint* source = field(u, name, GL_UNPACK_ROW_LENGTH);
    if (!source) source = field(p, name, GL_PACK_ROW_LENGTH);
    if (source) value = *source;
    return source != nullptr;
}

GLenum PixelStore::push(GLbitfield mask) {
    if (saved.size() >= stackLimit) return GL_STACK_OVERFLOW;
    saved.push_back({mask, unpacking, packing});
    return GL_NO_ERROR;
}

GLenum PixelStore::pop() {
    if (saved.empty()) return GL_STACK_UNDERFLOW;
    if (saved.back().mask & GL_CLIENT_PIXEL_STORE_BIT) {
        unpacking = saved.back().unpacking;
        packing = saved.back().packing;
    }
    saved.pop_back();
    return GL_NO_ERROR;
}

std::size_t PixelStore::rowStride(const Layout& layout, int width, int bytesPerPixel) {
    const std::size_t pixels = static_cast<std::size_t>(layout.rowLength > 0 ? layout.rowLength : width);
    const std::size_t bytes = pixels * static_cast<std::size_t>(bytesPerPixel);
    const std::size_t alignment = static_cast<std::size_t>(layout.alignment);
    return (bytes + alignment - 1) / alignment * alignment;
}

std::size_t PixelStore::start(const Layout& layout, int width, int bytesPerPixel) {
    return static_cast<std::size_t>(layout.skipRows) * rowStride(layout, width, bytesPerPixel) +
           static_cast<std::size_t>(layout.skipPixels) * static_cast<std::size_t>(bytesPerPixel);
}

std::vector<unsigned char> PixelStore::unpack(const void* pixels, int width, int height, int bytesPerPixel) const {
    const std::size_t row = static_cast<std::size_t>(width) * static_cast<std::size_t>(bytesPerPixel);
    std::vector<unsigned char> tight(row * static_cast<std::size_t>(height));
    const auto* from = static_cast<const unsigned char*>(pixels) + start(unpacking, width, bytesPerPixel);
    const std::size_t stride = rowStride(unpacking, width, bytesPerPixel);
    for (int y = 0; y < height; ++y) std::memcpy(tight.data() + y * row, from + y * stride, row);
    return tight;
}

void PixelStore::pack(const unsigned char* tight, int width, int height, int bytesPerPixel, void* pixels) const {
    const std::size_t row = static_cast<std::size_t>(width) * static_cast<std::size_t>(bytesPerPixel);
    auto* to = static_cast<unsigned char*>(pixels) + start(packing, width, bytesPerPixel);
    const std::size_t stride = rowStride(packing, width, bytesPerPixel);
    for (int y = 0; y < height; ++y) std::memcpy(to + y * stride, tight + y * row, row);
}

std::vector<unsigned char> PixelStore::reformat(const unsigned char* pixels, std::size_t count, int from, int to) {
    std::vector<unsigned char> out(count * static_cast<std::size_t>(to), 255);
    const std::size_t kept = static_cast<std::size_t>(std::min(from, to));
    for (std::size_t i = 0; i < count; ++i) std::copy(pixels + i * from, pixels + i * from + kept, &out[i * to]);
    return out;
}

}  // namespace fixedgl
