// Bone: one joint of a model's skeleton, its rest pose, key frames and current transform.
#pragma once

#include "model/KeyFrame.h"
#include "model/Matrix.h"

#include <cstdio>
#include <vector>

class Bone {
public:
    // Reads the lines of one bone: name, parent name (an empty pair of quotes
    // for a root), rest pose and the two key lists. False at the first missing
    // or unmatched line, keeping the keys read in full before it.
    bool read(std::FILE* file);

    // finalMatrix = parent's finalMatrix x rest transform (rest alone for a root).
    void setup();

    // finalMatrix = parent's finalMatrix x rest x keyed transform at the frame.
    // Keys are interpolated linearly and extrapolated past the last one; a
    // bone without keys of a kind uses zero for that kind.
    void animate(float frame);

    char name[32] = {};
    char parentName[32] = {};
    const Bone* parent = nullptr;
    float position[3] = {};
    float rotation[3] = {};
    Matrix finalMatrix;
    std::vector<KeyFrame> positionKeys;
    std::vector<KeyFrame> rotationKeys;

private:
    Matrix restMatrix() const;
    void attachToParent(const Matrix& local);
};
