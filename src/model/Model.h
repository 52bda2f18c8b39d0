// Model: a model read from the text model format, posed by its bones, drawn,
// and able to measure the height of its own surface under a set of points.
#pragma once

#include "common/ProbeResult.h"
#include "common/Vec3.h"
#include "model/Bone.h"
#include "model/Material.h"
#include "model/Mesh.h"

#include <cstdio>
#include <vector>

class Model {
public:
    // An empty model: no meshes, materials or bones, frame 0, probe off.
    Model();
    ~Model();
    Model(const Model&) = delete;
    Model& operator=(const Model&) = delete;

    // Reads the file (a backslashed data name is fine) into this model, which
    // starts over empty, then links, sets up, binds and poses it at the
    // file's start frame. A file that can't be opened gives false and leaves
    // the model as it was. A section that ends early keeps what was read
    // before (a material or bone cut short is not kept) and still gives true;
    // a parent name that names no bone gives false, with
    // what was read kept but not posed. Entries whose indices point outside
    // their lists are ignored (a triangle dropped, a material or bone taken
    // as none). Prints nothing; material textures load as they are read.
    bool load(const char* fileName);

    // Resolves each bone's parent name (ignoring ASCII case, first match);
    // false at the first name that matches no bone.
    bool linkBones();
    // Rest pose of every bone, in file order.
    void setupBones();
    // Moves each bone-bound vertex into its bone's rest-pose space.
    void bindVertices();
    // Moves the frame on (back to 1 past the last frame) and poses every bone there.
    void advanceFrame(float frames);

    // Draws every mesh with its material (a mesh without one is drawn
    // untextured in the colours already set) and, with the probe on, fills
    // the probe results on the way. Leaves the last mesh's material state.
    void draw();

    // The probe reads x and z of the points, in this model's own coordinates;
    // the arrays must outlive the probe. It does nothing without points and results.
    void setProbe(bool enabled, const Vec3* points, int count);
    // One result per point; the array must hold the probe's count of entries.
    void setProbeResults(ProbeResult* results);

    // True when (px, pz) lies beyond the line through P1 and P2 as seen from P3.
    static bool isOutsideEdge(float x1, float z1, float x2, float z2, float x3, float z3, float px, float pz);
    // The height at (px, pz) interpolated over the triangle's corners; NaN
    // where the triangle gives none (collapsed in x and z).
    static float heightOnTriangle(const Vec3& corner0, const Vec3& corner1, const Vec3& corner2, float px, float pz);

    // ---- Test and demo support: not part of the game's own API. ----
    // The probe's results as draw() fills them, without drawing (no GL).
    void measureGround();
    // What the model holds.
    int meshCount() const { return static_cast<int>(meshes.size()); }
    int triangleCount() const;
    int materialCount() const { return static_cast<int>(materials.size()); }
    int boneCount() const { return static_cast<int>(bones.size()); }
    const Mesh& mesh(int index) const { return meshes[index]; }
    // The mesh's material index; -1 for none.
    int meshMaterial(int index) const { return meshMaterials[index]; }
    const Material& material(int index) const { return materials[index]; }
    const Bone& bone(int index) const { return bones[index]; }
    float frameCount() const { return totalFrames; }
    float frame() const { return currentFrame; }

private:
    void clear();
    void readSections(std::FILE* file, int& startFrame);
    bool readMeshes(std::FILE* file, int count);
    bool readMaterials(std::FILE* file, int count);
    bool readBones(std::FILE* file, int count);
    void dropBadIndices();
    const Bone* findBone(const char* name) const;

    void applyMaterial(int index) const;
    void drawTriangle(const Mesh& mesh, const Triangle& triangle) const;
    bool startProbe();
    void probeTriangle(const Mesh& mesh, const Triangle& triangle);

    bool probeEnabled = false;
    ProbeResult* probeResults = nullptr;
    const Vec3* probePoints = nullptr;
    int probeCount = 0;
    float totalFrames = 0.0f;
    float currentFrame = 0.0f;
    std::vector<Mesh> meshes;
    std::vector<int> meshMaterials;
    std::vector<Material> materials;
    std::vector<Bone> bones;
};
