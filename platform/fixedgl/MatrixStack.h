// MatrixStack: one of GL's matrix stacks, its top the current matrix. Every
// change bumps a version, so what is derived from the top (the normal matrix,
// the projection uniform) is worked out again only when it moved.
#pragma once

#include "Matrix4.h"

#include <vector>

namespace fixedgl {

class MatrixStack {
public:
    explicit MatrixStack(int depthLimit);

    const Matrix4& top() const { return stack.back(); }
    int depth() const { return static_cast<int>(stack.size()); }
    unsigned version() const { return changes; }

    void load(const Matrix4& m);
    void multiply(const Matrix4& m);  // top = top * m
    bool push();                      // false when full
    bool pop();                       // false when only the bottom is left

private:
    std::vector<Matrix4> stack;
    int limit;
    unsigned changes = 0;
};

}  // namespace fixedgl
