#include "model/Mesh.h"

#include "common/Maths.h"
#include "model/TextLine.h"

namespace {

bool readCount(std::FILE* file, int& count) {
    TextLine line;
    return line.readFields(file, "%d", {count});
}

}  // namespace

bool Mesh::read(std::FILE* file) { return readVertices(file) && readNormals(file) && readTriangles(file); }

bool Mesh::readVertices(std::FILE* file) {
    int count = 0;
    if (!readCount(file, count)) return false;
    TextLine line;
    for (int i = 0; i < count; ++i) {
        int flags = 0;
        Vertex vertex;
        float fileV = 0.0f;
        if (!line.readFields(
                file, "%d %f %f %f %f %f %d",
                {flags, vertex.position.x, vertex.position.y, vertex.position.z, vertex.u, fileV, vertex.boneIndex})) {
            return false;
        }
        vertex.v = 1.0f - fileV;
        vertices.push_back(vertex);
    }
    return true;
}

bool Mesh::readNormals(std::FILE* file) {
    int count = 0;
    if (!readCount(file, count)) return false;
    TextLine line;
    for (int i = 0; i < count; ++i) {
        Vec3 normal;
        if (!line.readFields(file, "%f %f %f", {normal.x, normal.y, normal.z})) return false;
        normals.push_back(normal);
    }
    return true;
}

bool Mesh::readTriangles(std::FILE* file) {
    int count = 0;
    if (!readCount(file, count)) return false;
    TextLine line;
    for (int i = 0; i < count; ++i) {
        int flags = 0, smoothingGroup = 0;
        Triangle t;
        if (!line.readFields(file, "%d %d %d %d %d %d %d %d",
                             {flags, t.vertexIndices[0], t.vertexIndices[1], t.vertexIndices[2], t.normalIndices[0],
                              t.normalIndices[1], t.normalIndices[2], smoothingGroup})) {
            return false;
        }
        if (holds(t)) triangles.push_back(t);
    }
    return true;
}

bool Mesh::holds(const Triangle& triangle) const {
    for (int k = 0; k < 3; ++k) {
        if (!maths::inRange(triangle.vertexIndices[k], vertices.size())) return false;
        if (!maths::inRange(triangle.normalIndices[k], normals.size())) return false;
    }
    return true;
}
