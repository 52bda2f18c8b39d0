// Vertex: one corner position of a mesh with its texture coordinates and bone.
#pragma once

#include "common/Vec3.h"

struct Vertex {
    Vec3 position;  // bone-local once bound to a bone, model units otherwise
    float u = 0.0f;
    float v = 0.0f;      // already flipped: 1 minus the file's value
    int boneIndex = -1;  // -1: not bound
};
