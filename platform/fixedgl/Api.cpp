// The gl* entry points of GL/gl.h: each finds the current context and hands
// the call on, through Context::run when GL compiles it into display lists.
#include "Context.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>
#include <type_traits>
#include <vector>

using fixedgl::Context;
using fixedgl::Matrix4;

struct FglContext {
    Context context;
};

namespace {

template <typename Call>
void now(Call call) {
    if (Context* c = Context::current()) call(*c);
}

template <typename Call>
void listed(Call call) {
    if (Context* c = Context::current()) c->run(call);
}

template <typename Out>
void get(GLenum name, Out* out) {
    double values[16];
    now([&](Context& c) {
        const int count = c.get(name, values);
        for (int i = 0; i < count; ++i) {
            out[i] = std::is_integral_v<Out> ? static_cast<Out>(std::lround(values[i])) : static_cast<Out>(values[i]);
        }
    });
}

// The list offsets of glCallLists, whatever their type.
template <typename T>
std::vector<GLuint> offsets(GLsizei n, const void* lists) {
    const T* values = static_cast<const T*>(lists);
    std::vector<GLuint> out(static_cast<std::size_t>(n));
    for (GLsizei i = 0; i < n; ++i) out[static_cast<std::size_t>(i)] = static_cast<GLuint>(values[i]);
    return out;
}

}  // namespace

extern "C" {

FglContext* fglCreateContext(void) {
    auto* context = new FglContext();
    Context::makeCurrent(&context->context);
    return context;
}

void fglSetDrawing(int on) { Context::setDrawing(on != 0); }

void fglMakeCurrent(FglContext* context) { Context::makeCurrent(context ? &context->context : nullptr); }

void fglDestroyContext(FglContext* context) {
    if (context && Context::current() == &context->context) Context::makeCurrent(nullptr);
    delete context;
}

void fglMatrixMode(GLenum mode) {
    listed([=](Context& c) { c.matrixMode(mode); });
}
void fglLoadIdentity(void) {
    listed([](Context& c) { c.loadIdentity(); });
}
void fglPushMatrix(void) {
    listed([](Context& c) { c.pushMatrix(); });
}
void fglPopMatrix(void) {
    listed([](Context& c) { c.popMatrix(); });
}
void fglTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    listed([=](Context& c) { c.multiply(Matrix4::translation(x, y, z)); });
}
void fglTranslated(GLdouble x, GLdouble y, GLdouble z) {
    listed([=](Context& c) { c.multiply(Matrix4::translation(x, y, z)); });
}
void fglRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    listed([=](Context& c) { c.multiply(Matrix4::rotation(angle, x, y, z)); });
}
void fglScalef(GLfloat x, GLfloat y, GLfloat z) {
    listed([=](Context& c) { c.multiply(Matrix4::scaling(x, y, z)); });
}
void fglOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear, GLdouble zFar) {
    listed([=](Context& c) { c.multiply(Matrix4::ortho(left, right, bottom, top, zNear, zFar)); });
}

void fglBegin(GLenum mode) {
    listed([=](Context& c) { c.begin(mode); });
}
void fglEnd(void) {
    listed([](Context& c) { c.end(); });
}
void fglVertex2f(GLfloat x, GLfloat y) {
    listed([=](Context& c) { c.vertex(x, y, 0.0f); });
}
void fglVertex2i(GLint x, GLint y) {
    listed([=](Context& c) { c.vertex(static_cast<float>(x), static_cast<float>(y), 0.0f); });
}
void fglVertex3f(GLfloat x, GLfloat y, GLfloat z) {
    listed([=](Context& c) { c.vertex(x, y, z); });
}
void fglVertex3fv(const GLfloat* v) { fglVertex3f(v[0], v[1], v[2]); }
void fglNormal3f(GLfloat x, GLfloat y, GLfloat z) {
    listed([=](Context& c) { c.normal(x, y, z); });
}
void fglColor3f(GLfloat red, GLfloat green, GLfloat blue) { fglColor4f(red, green, blue, 1.0f); }
void fglColor4f(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha) {
    listed([=](Context& c) { c.colour(red, green, blue, alpha); });
}
void fglTexCoord2f(GLfloat s, GLfloat t) {
    listed([=](Context& c) { c.texCoord(s, t); });
}
void fglTexCoord2d(GLdouble s, GLdouble t) { fglTexCoord2f(static_cast<GLfloat>(s), static_cast<GLfloat>(t)); }

GLuint fglGenLists(GLsizei range) {
    Context* c = Context::current();
    return c ? c->genLists(range) : 0;
}
void fglNewList(GLuint list, GLenum mode) {
    now([=](Context& c) { c.newList(list, mode); });
}
void fglEndList(void) {
    now([](Context& c) { c.endList(); });
}
void fglListBase(GLuint base) {
    listed([=](Context& c) { c.listBase(base); });
}
void fglCallLists(GLsizei n, GLenum type, const GLvoid* lists) {
    now([=](Context& c) {
        if (n < 0) return c.error(GL_INVALID_VALUE);
        std::vector<GLuint> names;
        switch (type) {
        case GL_BYTE: names = offsets<GLbyte>(n, lists); break;
        case GL_UNSIGNED_BYTE: names = offsets<GLubyte>(n, lists); break;
        case GL_SHORT: names = offsets<GLshort>(n, lists); break;
        case GL_UNSIGNED_SHORT: names = offsets<GLushort>(n, lists); break;
        case GL_INT: names = offsets<GLint>(n, lists); break;
        case GL_UNSIGNED_INT: names = offsets<GLuint>(n, lists); break;
        default: return c.error(GL_INVALID_ENUM);
        }
        // The base is the one in force when the lists are called.
        c.run([names = std::move(names)](Context& c) {
            for (GLuint offset : names) c.callList(c.currentListBase() + offset);
        });
    });
}
void fglDeleteLists(GLuint list, GLsizei range) {
    now([=](Context& c) { c.deleteLists(list, range); });
}

void fglLightf(GLenum light, GLenum pname, GLfloat param) { fglLightfv(light, pname, &param); }
void fglLightfv(GLenum light, GLenum pname, const GLfloat* params) {
    float values[4] = {params[0], 0, 0, 0};
    const bool vector = pname == GL_AMBIENT || pname == GL_DIFFUSE || pname == GL_SPECULAR || pname == GL_POSITION;
    for (int i = 1; i < (vector ? 4 : pname == GL_SPOT_DIRECTION ? 3 : 1); ++i) values[i] = params[i];
    listed([=](Context& c) { c.light(light, pname, values); });
}
void fglMaterialf(GLenum face, GLenum pname, GLfloat param) { fglMaterialfv(face, pname, &param); }
void fglMaterialfv(GLenum face, GLenum pname, const GLfloat* params) {
    float values[4] = {params[0], 0, 0, 0};
    if (pname != GL_SHININESS) std::copy(params, params + 4, values);
    listed([=](Context& c) { c.material(face, pname, values); });
}
void fglColorMaterial(GLenum face, GLenum mode) {
    listed([=](Context& c) { c.colorMaterial(face, mode); });
}
void fglShadeModel(GLenum mode) {
    listed([=](Context& c) { c.shadeModel(mode); });
}

void fglGenTextures(GLsizei n, GLuint* textures) {
    now([=](Context& c) { c.genTextures(n, textures); });
}
void fglDeleteTextures(GLsizei n, const GLuint* textures) {
    now([=](Context& c) { c.deleteTextures(n, textures); });
}
void fglBindTexture(GLenum target, GLuint texture) {
    listed([=](Context& c) { c.bindTexture(target, texture); });
}
GLboolean fglIsTexture(GLuint texture) {
    Context* c = Context::current();
    return c && c->isTexture(texture) ? GL_TRUE : GL_FALSE;
}
void fglTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLint border,
                   GLenum format, GLenum type, const GLvoid* pixels) {
    now([=](Context& c) { c.texImage2D(target, level, internalFormat, width, height, border, format, type, pixels); });
}
void fglTexParameteri(GLenum target, GLenum pname, GLint param) {
    listed([=](Context& c) { c.texParameter(target, pname, param); });
}
void fglTexParameterf(GLenum target, GLenum pname, GLfloat param) {
    fglTexParameteri(target, pname, static_cast<GLint>(param));
}
void fglTexEnvf(GLenum target, GLenum pname, GLfloat param) {
    listed([=](Context& c) { c.texEnv(target, pname, static_cast<GLint>(param)); });
}
void fglGetTexLevelParameteriv(GLenum target, GLint level, GLenum pname, GLint* params) {
    now([=](Context& c) { c.texLevelParameter(target, level, pname, params); });
}
void fglPixelStorei(GLenum pname, GLint param) {
    now([=](Context& c) { c.pixelStore(pname, param); });
}
void fglPushClientAttrib(GLbitfield mask) {
    now([=](Context& c) { c.pushClientAttrib(mask); });
}
void fglPopClientAttrib(void) {
    now([](Context& c) { c.popClientAttrib(); });
}

void fglEnable(GLenum cap) {
    listed([=](Context& c) { c.enable(cap, true); });
}
void fglDisable(GLenum cap) {
    listed([=](Context& c) { c.enable(cap, false); });
}
GLboolean fglIsEnabled(GLenum cap) {
    Context* c = Context::current();
    return c && c->isEnabled(cap) ? GL_TRUE : GL_FALSE;
}
void fglCullFace(GLenum mode) {
    listed([=](Context& c) { c.cullFace(mode); });
}
void fglBlendFunc(GLenum sfactor, GLenum dfactor) {
    listed([=](Context& c) { c.blendFunc(sfactor, dfactor); });
}
void fglLineWidth(GLfloat width) {
    listed([=](Context& c) { c.lineWidth(width); });
}
void fglHint(GLenum target, GLenum mode) {
    listed([=](Context& c) { c.hint(target, mode); });
}
void fglClear(GLbitfield mask) {
    listed([=](Context& c) { c.clear(mask); });
}
void fglClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha) {
    listed([=](Context& c) { c.clearColour(red, green, blue, alpha); });
}
void fglViewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    listed([=](Context& c) { c.viewport(x, y, width, height); });
}
void fglFlush(void) {
    now([](Context& c) { c.flush(); });
}
void fglFinish(void) {
    now([](Context& c) { c.finish(); });
}
void fglReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type, GLvoid* pixels) {
    now([=](Context& c) { c.readPixels(x, y, width, height, format, type, pixels); });
}

GLenum fglGetError(void) {
    Context* c = Context::current();
    return c ? c->takeError() : static_cast<GLenum>(GL_NO_ERROR);
}
void fglGetIntegerv(GLenum pname, GLint* params) { get(pname, params); }
void fglGetFloatv(GLenum pname, GLfloat* params) { get(pname, params); }
void fglGetDoublev(GLenum pname, GLdouble* params) { get(pname, params); }
void fglGetLightfv(GLenum light, GLenum pname, GLfloat* params) {
    now([=](Context& c) { c.getLight(light, pname, params); });
}
void fglGetMaterialfv(GLenum face, GLenum pname, GLfloat* params) {
    now([=](Context& c) { c.getMaterial(face, pname, params); });
}

}  // extern "C"
