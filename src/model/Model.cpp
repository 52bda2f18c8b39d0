#include "model/Model.h"

#include "common/DataFile.h"
#include "common/Maths.h"
#include "model/TextLine.h"

#include <GL/gl.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameNameIgnoringCase(const char* a, const char* b) {
    for (; *a && *b; ++a, ++b) {
        if (asciiLower(*a) != asciiLower(*b)) return false;
    }
    return *a == *b;
}

bool between(float value, float a, float b) { return (a <= value && value <= b) || (b <= value && value <= a); }

double distance(double x1, double z1, double x2, double z2) {
    return std::sqrt((x2 - x1) * (x2 - x1) + (z2 - z1) * (z2 - z1));
}

// Reads up to count records; a record cut short is dropped, so the list holds
// only records read in full.
template <class Record>
bool readRecords(std::FILE* file, int count, std::vector<Record>& records) {
    for (int i = 0; i < count; ++i) {
        records.emplace_back();
        if (!records.back().read(file)) {
            records.pop_back();
            return false;
        }
    }
    return true;
}

}  // namespace

Model::Model() = default;

Model::~Model() = default;

bool Model::load(const char* fileName) {
    DataFile::Handle file(DataFile::open(fileName, "r"));
    if (!file) return false;
    clear();
    int startFrame = 0;
    readSections(file.get(), startFrame);
    file.reset();
    dropBadIndices();
    if (!linkBones()) return false;
    setupBones();
    bindVertices();
    advanceFrame(static_cast<float>(startFrame));
    return true;
}

void Model::clear() {
    totalFrames = 0.0f;
    currentFrame = 0.0f;
    meshes.clear();
    meshMaterials.clear();
    materials.clear();
    bones.clear();
}

void Model::readSections(std::FILE* file, int& startFrame) {
    TextLine line;
    bool reading = true;
    while (reading && line.read(file)) {
        if (line.startsWith("//")) continue;
        int number = 0;
        if (line.scan("Frames: %d", {number}) == 1) {
            totalFrames = static_cast<float>(number);
        } else if (line.scan("Frame: %d", {number}) == 1) {
            startFrame = number;
        } else if (line.scan("Meshes: %d", {number}) == 1) {
            reading = readMeshes(file, number);
        } else if (line.scan("Materials: %d", {number}) == 1) {
            reading = readMaterials(file, number);
        } else if (line.scan("Bones: %d", {number}) == 1) {
            reading = readBones(file, number);
        }
    }
}

bool Model::readMeshes(std::FILE* file, int count) {
    meshes.clear();
    meshMaterials.clear();
    TextLine header;
    for (int i = 0; i < count; ++i) {
        char name[32];
        int flags = 0, material = -1;
        if (!header.readFields(file, "\"%[^\"]\" %d %d", {name, flags, material})) return false;
        meshes.emplace_back();
        meshMaterials.push_back(material);
        if (!meshes.back().read(file)) return false;
    }
    return true;
}

bool Model::readMaterials(std::FILE* file, int count) {
    materials.clear();
    return readRecords(file, count, materials);
}

bool Model::readBones(std::FILE* file, int count) {
    bones.clear();
    return readRecords(file, count, bones);
}

// Sections may come in any order, so indices into other sections are checked
// once all are read.
void Model::dropBadIndices() {
    for (int& material : meshMaterials) {
        if (!maths::inRange(material, materials.size())) material = -1;
    }
    for (Mesh& mesh : meshes) {
        for (Vertex& vertex : mesh.vertices) {
            if (!maths::inRange(vertex.boneIndex, bones.size())) vertex.boneIndex = -1;
        }
    }
}

bool Model::linkBones() {
    for (Bone& bone : bones) {
        bone.parent = nullptr;
        if (bone.parentName[0] == '\0') continue;
        bone.parent = findBone(bone.parentName);
        if (!bone.parent) return false;
    }
    return true;
}

const Bone* Model::findBone(const char* name) const {
    for (const Bone& bone : bones) {
        if (sameNameIgnoringCase(bone.name, name)) return &bone;
    }
    return nullptr;
}

void Model::setupBones() {
    for (Bone& bone : bones) bone.setup();
}

void Model::bindVertices() {
    for (Mesh& mesh : meshes) {
        for (Vertex& vertex : mesh.vertices) {
            if (vertex.boneIndex == -1) continue;
            vertex.position = bones[vertex.boneIndex].finalMatrix.inverseTransformRigid(vertex.position);
        }
    }
}

void Model::advanceFrame(float frames) {
    currentFrame += frames;
    if (currentFrame > totalFrames) currentFrame = 1.0f;
    for (Bone& bone : bones) bone.animate(currentFrame);
}

int Model::triangleCount() const {
    int count = 0;
    for (const Mesh& mesh : meshes) count += static_cast<int>(mesh.triangles.size());
    return count;
}

void Model::draw() {
    bool probing = startProbe();
    for (std::size_t i = 0; i < meshes.size(); ++i) {
        const Mesh& mesh = meshes[i];
        applyMaterial(meshMaterials[i]);
        glBegin(GL_TRIANGLES);
        {
            for (const Triangle& triangle : mesh.triangles) {
                drawTriangle(mesh, triangle);
                if (probing) probeTriangle(mesh, triangle);
            }
        }
        glEnd();
    }
}

void Model::applyMaterial(int index) const {
    if (index >= 0)
        materials[index].apply();
    else
        glDisable(GL_TEXTURE_2D);
}

void Model::drawTriangle(const Mesh& mesh, const Triangle& triangle) const {
    for (int k = 0; k < 3; ++k) {
        const Vec3& normal = mesh.normals[triangle.normalIndices[k]];
        const Vertex& vertex = mesh.vertices[triangle.vertexIndices[k]];
        glNormal3f(normal.x, normal.y, normal.z);
        glTexCoord2f(vertex.u, vertex.v);
        if (vertex.boneIndex == -1) {
            glVertex3f(vertex.position.x, vertex.position.y, vertex.position.z);
        } else {
            Vec3 posed = bones[vertex.boneIndex].finalMatrix.transform(vertex.position);
            glVertex3fv(&posed.x);
        }
    }
}

void Model::measureGround() {
    if (!startProbe()) return;
    for (const Mesh& mesh : meshes) {
        for (const Triangle& triangle : mesh.triangles) probeTriangle(mesh, triangle);
    }
}

void Model::setProbe(bool enabled, const Vec3* points, int count) {
    probeEnabled = enabled;
    probePoints = points;
    probeCount = count;
}

void Model::setProbeResults(ProbeResult* results) { probeResults = results; }

// Marks every point as without ground; false when there is nothing to probe.
bool Model::startProbe() {
    if (!probeEnabled || !probePoints || !probeResults || probeCount <= 0) return false;
    for (int j = 0; j < probeCount; ++j) probeResults[j].height = noGroundHeight;
    return true;
}

// Works on the stored corners, in the model's own coordinates. A triangle
// that is upright or collapsed in x and z has no height to give and is passed over.
// For the kicker's ramp the results are the rider's ground samples, handed over
// by World::reset: this write, every frame, is all the ground the rider feels.
void Model::probeTriangle(const Mesh& mesh, const Triangle& triangle) {
    const Vec3& v0 = mesh.vertices[triangle.vertexIndices[0]].position;
    const Vec3& v1 = mesh.vertices[triangle.vertexIndices[1]].position;
    const Vec3& v2 = mesh.vertices[triangle.vertexIndices[2]].position;
    Vec3 n = cross(subtract(v0, v1), subtract(v0, v2));
    if (n.y == 0.0f) return;
    float length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
    float normalX = n.x / length, normalZ = n.z / length;
    if (!std::isfinite(normalX) || !std::isfinite(normalZ)) return;
    for (int j = 0; j < probeCount; ++j) {
        ProbeResult& result = probeResults[j];
        if (!(result.height < noGroundBelow)) continue;
        float px = probePoints[j].x, pz = probePoints[j].z;
        if (isOutsideEdge(v0.x, v0.z, v1.x, v1.z, v2.x, v2.z, px, pz) ||
            isOutsideEdge(v0.x, v0.z, v2.x, v2.z, v1.x, v1.z, px, pz) ||
            isOutsideEdge(v1.x, v1.z, v2.x, v2.z, v0.x, v0.z, px, pz)) {
            continue;
        }
        float height = heightOnTriangle(v0, v1, v2, px, pz);
        if (!std::isfinite(height)) continue;
        result.height = height;
        result.normalX = normalX;
        result.normalZ = normalZ;
    }
}

// The line intersections below are badly conditioned for edges that are
// nearly upright in x-z, so they are worked out in double.
bool Model::isOutsideEdge(float x1, float z1, float x2, float z2, float x3, float z3, float px, float pz) {
    if (x1 == x2) return !between(px, x1, x3);
    if (z1 == z2) return !between(pz, z1, z3);
    double m1 = (static_cast<double>(z2) - z1) / (static_cast<double>(x2) - x1);
    double b1 = z1 - m1 * x1;
    double xi = x3, zi = m1 * x3 + b1;
    // The line from P3 through P is upright when they share x; otherwise meet it with the edge.
    if (x3 != px) {
        double m2 = (static_cast<double>(pz) - z3) / (static_cast<double>(px) - x3);
        double b2 = z3 - m2 * x3;
        xi = (b2 - b1) / (m1 - m2);
        zi = m1 * xi + b1;
    }
    double dx = static_cast<double>(px) - x3, dz = static_cast<double>(pz) - z3;
    return dx * dx + dz * dz > (xi - x3) * (xi - x3) + (zi - z3) * (zi - z3);
}

float Model::heightOnTriangle(const Vec3& corner0, const Vec3& corner1, const Vec3& corner2, float px, float pz) {
    if (px == corner2.x && pz == corner2.z) return corner2.y;
    if (px == corner1.x && pz == corner1.z) return corner1.y;
    if (px == corner0.x && pz == corner0.z) return corner0.y;
    const float none = std::numeric_limits<float>::quiet_NaN();

    // I: where the line from corner 2 through P meets the line through corners 0 and 1.
    const Vec3& low = corner0.x <= corner1.x ? corner0 : corner1;
    const Vec3& high = corner0.x <= corner1.x ? corner1 : corner0;
    double x1 = low.x, z1 = low.z, x2 = high.x, z2 = high.z;
    bool cornerFirst = corner2.x <= px;
    double q1x = cornerFirst ? corner2.x : px, q1z = cornerFirst ? corner2.z : pz;
    double q2x = cornerFirst ? px : corner2.x, q2z = cornerFirst ? pz : corner2.z;
    double m1 = 0.0;
    if (z1 != z2) {
        if (x1 == x2) x2 += 0.0001;
        m1 = (z2 - z1) / (x2 - x1);
    }
    double m2 = 0.0;
    if (q1z != q2z) {
        if (q1x == q2x) q2x += 0.0001;
        m2 = (q2z - q1z) / (q2x - q1x);
    }
    if (m1 == m2) return none;
    double b1 = z1 - m1 * x1;
    double b2 = q1z - m2 * q1x;
    double xi = (b2 - b1) / (m1 - m2);
    double zi = m1 * xi + b1;

    // Along the edge to I, then from I to corner 2 through P.
    double d1 = distance(x1, z1, xi, zi), d2 = distance(x2, z2, xi, zi);
    if (d1 + d2 == 0.0) return none;
    double yI = high.y * d1 / (d1 + d2) + low.y * d2 / (d1 + d2);
    double dV = distance(px, pz, corner2.x, corner2.z), dI = distance(px, pz, xi, zi);
    if (dV + dI == 0.0) return none;
    return static_cast<float>(yI * dV / (dV + dI) + corner2.y * dI / (dV + dI));
}
