#include "MatrixStack.h"

namespace fixedgl {

MatrixStack::MatrixStack(int depthLimit) : stack(1), limit(depthLimit) {}

void MatrixStack::load(const Matrix4& m) {
    stack.back() = m;
    ++changes;
}

void MatrixStack::multiply(const Matrix4& m) {
    stack.back() = stack.back() * m;
    ++changes;
}

bool MatrixStack::push() {
    if (depth() >= limit) return false;
    stack.push_back(stack.back());
    return true;
}

bool MatrixStack::pop() {
    if (depth() <= 1) return false;
    stack.pop_back();
    ++changes;
    return true;
}

}  // namespace fixedgl
