// Triangle: three corners of a mesh, each a vertex index and a normal index.
#pragma once

struct Triangle {
    int vertexIndices[3] = {0, 0, 0};
    int normalIndices[3] = {0, 0, 0};
};
