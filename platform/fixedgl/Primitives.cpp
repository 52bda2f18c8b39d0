#include "Primitives.h"

#include <algorithm>

namespace fixedgl {

namespace {
const std::size_t verticesAtATime = 4096;

bool outsideView(const Vertex& v, const Matrix4& projection) {
    const auto clip = projection.transform(v.position);
    for (int axis = 0; axis < 3; ++axis) {
        if (clip[axis] > clip[3] || -clip[axis] > clip[3]) return true;
    }
    return false;
}
}  // namespace

bool Primitives::supports(GLenum mode) {
    return mode == GL_TRIANGLES || mode == GL_TRIANGLE_STRIP || mode == GL_QUADS || isLines(mode);
}

void Primitives::assemble(GLenum mode, const std::vector<Vertex>& in, const Matrix4& projection,
                          std::vector<Vertex>& out) {
    const std::size_t n = in.size();
    auto put = [&](std::initializer_list<std::size_t> corners) {
        for (std::size_t i : corners) out.push_back(in[i]);
    };
    switch (mode) {
    case GL_TRIANGLES:
        for (std::size_t i = 0; i + 2 < n; i += 3) put({i, i + 1, i + 2});
        break;
    case GL_TRIANGLE_STRIP:
        for (std::size_t i = 0; i + 2 < n; ++i) {
            if (i % 2 == 0) {
                put({i, i + 1, i + 2});
            } else {
                put({i + 1, i, i + 2});
            }
        }
        break;
    case GL_QUADS:
        for (std::size_t start = 0; start < n; start += verticesAtATime) {
            const std::size_t end = std::min(n, start + verticesAtATime);
            const bool clipped =
                std::any_of(&in[start], &in[0] + end, [&](const Vertex& v) { return outsideView(v, projection); });
            for (std::size_t i = start; i + 3 < end; i += 4) {
                if (clipped) {
                    put({i, i + 1, i + 3, i + 1, i + 2, i + 3});
                } else {
                    put({i, i + 1, i + 2, i, i + 2, i + 3});
                }
            }
        }
        break;
    case GL_LINES:
        for (std::size_t i = 0; i + 1 < n; i += 2) put({i, i + 1});
        break;
    case GL_LINE_LOOP:
        if (n < 2) break;
        for (std::size_t i = 0; i + 1 < n; ++i) put({i, i + 1});
        put({n - 1, 0});
        break;
    default: break;
    }
}

}  // namespace fixedgl
