// DisplayLists: GL's display lists as recorded calls. While a list is being
// compiled, each listable call is kept as a command to run again at
// glCallLists; GL_COMPILE_AND_EXECUTE also runs it at once. A new list takes
// its name's place at glEndList.
#pragma once

#include <GL/gl.h>

#include <functional>
#include <map>
#include <vector>

namespace fixedgl {

class Context;

class DisplayLists {
public:
    using Command = std::function<void(Context&)>;
    using List = std::vector<Command>;

    GLuint generate(GLsizei range);  // the first of range unused names, 0 when range < 1
    void remove(GLuint first, GLsizei range);
    const List* find(GLuint name) const;

    GLenum begin(GLuint name, GLenum mode);  // a GL error
    GLenum end();
    bool compiling() const { return compiledName != 0; }
    bool executing() const { return compiledMode == GL_COMPILE_AND_EXECUTE; }
    void record(Command command) { compiled.push_back(std::move(command)); }

    GLuint base = 0;

private:
    std::map<GLuint, List> lists;
    GLuint compiledName = 0;
    GLenum compiledMode = GL_COMPILE;
    List compiled;
};

}  // namespace fixedgl
