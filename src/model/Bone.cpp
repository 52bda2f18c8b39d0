#include "model/Bone.h"

#include "model/TextLine.h"

#include <algorithm>

namespace {

bool readKeys(std::FILE* file, std::vector<KeyFrame>& keys) {
    TextLine line;
    int count = 0;
    if (!line.readFields(file, "%d", {count})) return false;
    for (int i = 0; i < count; ++i) {
        KeyFrame key;
        if (!line.readFields(file, "%f %f %f %f", {key.time, key.value[0], key.value[1], key.value[2]})) {
            return false;
        }
        keys.push_back(key);
    }
    return true;
}

// The keys' value at a time: the first key up to its time, then along the
// segment whose end is the first key at or after the time (the last segment
// beyond the last key). Keys at the same time give the later one.
void interpolate(const std::vector<KeyFrame>& keys, float time, float out[3]) {
    std::fill(out, out + 3, 0.0f);
    if (keys.empty()) return;
    std::size_t i = 0;
    while (i + 1 < keys.size() && keys[i].time < time) ++i;
    if (i == 0) {
        std::copy(keys[0].value, keys[0].value + 3, out);
        return;
    }
    const KeyFrame& from = keys[i - 1];
    const KeyFrame& to = keys[i];
    float span = to.time - from.time;
    float s = span != 0.0f ? (time - from.time) / span : 1.0f;
    for (int k = 0; k < 3; ++k) out[k] = from.value[k] + (to.value[k] - from.value[k]) * s;
}

}  // namespace

bool Bone::read(std::FILE* file) {
    TextLine line;
    if (!line.readFields(file, TextLine::nameFormat, {name})) return false;
    if (!line.read(file)) return false;
    parentName[0] = '\0';
    line.scan(TextLine::nameFormat, {parentName});
    int flags = 0;
    float p[3], r[3];
    if (!line.readFields(file, "%d %f %f %f %f %f %f", {flags, p[0], p[1], p[2], r[0], r[1], r[2]})) {
        return false;
    }
    std::copy(p, p + 3, position);
    std::copy(r, r + 3, rotation);
    return readKeys(file, positionKeys) && readKeys(file, rotationKeys);
}

Matrix Bone::restMatrix() const {
    Matrix rest;
    rest.setRotationRadians(rotation);
    rest.setTranslation(position);
    return rest;
}

void Bone::attachToParent(const Matrix& local) {
    if (parent) {
        Matrix combined = parent->finalMatrix;
        combined.postMultiply(local);
        finalMatrix = combined;
    } else {
        finalMatrix = local;
    }
}

void Bone::setup() { attachToParent(restMatrix()); }

void Bone::animate(float frame) {
    float p[3], r[3];
    interpolate(positionKeys, frame, p);
    interpolate(rotationKeys, frame, r);
    Matrix keyed;
    keyed.setRotationRadians(r);
    keyed.setTranslation(p);
    Matrix local = restMatrix();
    local.postMultiply(keyed);
    attachToParent(local);
}
