// Mesh: the vertices, normals and triangles of one group of a model.
#pragma once

#include "common/Vec3.h"
#include "model/Triangle.h"
#include "model/Vertex.h"

#include <cstdio>
#include <vector>

class Mesh {
public:
    // Reads the lines after a mesh's header: the vertex, normal and triangle
    // lists. False at the first missing or unmatched line, keeping the entries
    // read in full before it. A triangle naming a vertex or normal that the
    // mesh doesn't hold is skipped; the lists grow only as lines arrive.
    bool read(std::FILE* file);

    std::vector<Vertex> vertices;
    std::vector<Vec3> normals;
    std::vector<Triangle> triangles;

private:
    bool readVertices(std::FILE* file);
    bool readNormals(std::FILE* file);
    bool readTriangles(std::FILE* file);
    bool holds(const Triangle& triangle) const;
};
