// Primitives: turns the vertices of one glBegin/glEnd into the independent
// triangles or line segments GLES draws. Every other strip triangle turns
// back to keep its winding, a loop closes with a last segment, and vertices
// that make no whole primitive are dropped. The diagonal a quad is split
// along shows in its shading, so quads split as Mesa's llvmpipe splits them,
// the picture the layer is held to: along 0-2, but along 1-3 wherever a
// vertex among the 4096 it draws at a time lies outside the view volume.
#pragma once

#include "Matrix4.h"
#include "Vertex.h"

#include <GL/gl.h>

#include <vector>

namespace fixedgl {

class Primitives {
public:
    static bool supports(GLenum mode);
    static bool isLines(GLenum mode) { return mode == GL_LINES || mode == GL_LINE_LOOP; }
    static void assemble(GLenum mode, const std::vector<Vertex>& in, const Matrix4& projection,
                         std::vector<Vertex>& out);
};

}  // namespace fixedgl
