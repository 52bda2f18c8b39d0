#include "DisplayLists.h"

namespace fixedgl {

GLuint DisplayLists::generate(GLsizei range) {
    if (range < 1) return 0;
    const GLuint first = lists.empty() ? 1 : lists.rbegin()->first + 1;
    for (GLsizei i = 0; i < range; ++i) lists[first + static_cast<GLuint>(i)];
    return first;
}

void DisplayLists::remove(GLuint first, GLsizei range) {
    for (GLsizei i = 0; i < range; ++i) lists.erase(first + static_cast<GLuint>(i));
}

const DisplayLists::List* DisplayLists::find(GLuint name) const {
    auto it = lists.find(name);
    return it == lists.end() ? nullptr : &it->second;
}

GLenum DisplayLists::begin(GLuint name, GLenum mode) {
    if (name == 0) return GL_INVALID_VALUE;
    if (mode != GL_COMPILE && mode != GL_COMPILE_AND_EXECUTE) return GL_INVALID_ENUM;
    if (compiling()) return GL_INVALID_OPERATION;
    compiledName = name;
    compiledMode = mode;
    compiled.clear();
    return GL_NO_ERROR;
}

GLenum DisplayLists::end() {
    if (!compiling()) return GL_INVALID_OPERATION;
    lists[compiledName] = std::move(compiled);
    compiled.clear();
    compiledName = 0;
    compiledMode = GL_COMPILE;
    return GL_NO_ERROR;
}

}  // namespace fixedgl
