// Context: the GL 1.1 state machine of one GLES context; every call of the
// layer lands here. Vertices go to eye space as they arrive and gather in one
// batch, drawn only when something it depends on is about to change (a
// capability, the texture, lighting, the projection, a clear...), so runs of
// glBegin/glEnd under the same state cost one GLES draw. Calls that change
// state between glBegin and glEnd are refused with GL_INVALID_OPERATION.
#pragma once

#include "DisplayLists.h"
#include "Gles2Renderer.h"
#include "Lighting.h"
#include "MatrixStack.h"
#include "PixelStore.h"
#include "Textures.h"
#include "Vertex.h"

#include <GL/gl.h>

#include <array>
#include <vector>

namespace fixedgl {

class Context {
public:
    Context();  // with its GLES 2 context current

    static Context* current();
    static void makeCurrent(Context* context);
    // Off, every context keeps all its state but hands no batch to GLES.
    static void setDrawing(bool on);

    // Runs a listable call, or records it while a display list is compiled.
    template <typename Call>
    void run(Call call) {
        if (lists.compiling()) {
            lists.record(call);
            if (!lists.executing()) return;
        }
        call(*this);
    }
    void error(GLenum code);
    GLenum takeError();

    void matrixMode(GLenum mode);
    void loadIdentity();
    void multiply(const Matrix4& m);
    void pushMatrix();
    void popMatrix();

    void begin(GLenum mode);
    void end();
    void vertex(float x, float y, float z);
    void normal(float x, float y, float z);
    void colour(float red, float green, float blue, float alpha);
    void texCoord(float s, float t);

    GLuint genLists(GLsizei range);
    void newList(GLuint name, GLenum mode);
    void endList();
    void listBase(GLuint base) { lists.base = base; }
    void callList(GLuint name);
    GLuint currentListBase() const { return lists.base; }
    void deleteLists(GLuint first, GLsizei range);

    void light(GLenum light, GLenum name, const float* values);
    void material(GLenum face, GLenum name, const float* values);
    void colorMaterial(GLenum face, GLenum mode);
    void shadeModel(GLenum mode);
    void getLight(GLenum light, GLenum name, float* values);
    void getMaterial(GLenum face, GLenum name, float* values);

    void genTextures(GLsizei count, GLuint* names);
    void deleteTextures(GLsizei count, const GLuint* names);
    void bindTexture(GLenum target, GLuint name);
    bool isTexture(GLuint name) const { return textures.isTexture(name); }
    void texImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLint border,
                    GLenum format, GLenum type, const void* pixels);
    // An image already in tight rows; listable, as glTexImage2D is.
    void texImageTight(GLint level, GLint internalFormat, GLsizei width, GLsizei height, int bytesPerPixel,
                       std::vector<unsigned char> pixels);
    void texParameter(GLenum target, GLenum name, GLint value);
    void texEnv(GLenum target, GLenum name, GLint value);
    void texLevelParameter(GLenum target, GLint level, GLenum name, GLint* value);
    PixelStore& pixels() { return store; }
    void pixelStore(GLenum name, GLint value) { error(store.set(name, value)); }
    void pushClientAttrib(GLbitfield mask) { error(store.push(mask)); }
    void popClientAttrib() { error(store.pop()); }

    void enable(GLenum capability, bool on);
    bool isEnabled(GLenum capability);
    void cullFace(GLenum mode);
    void blendFunc(GLenum source, GLenum destination);
    void lineWidth(float width);
    void hint(GLenum target, GLenum mode);
    void clear(GLbitfield mask);
    void clearColour(float red, float green, float blue, float alpha);
    void viewport(GLint x, GLint y, GLsizei width, GLsizei height);
    void flush();
    void finish();
    void readPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type, void* pixels);
    // Fills values and tells how many there are; 0 for a name it doesn't know.
    int get(GLenum name, double* values);

    // 3 or 4 for RGB or RGBA bytes, else 0 and GL_INVALID_ENUM.
    int bytesPerPixel(GLenum format, GLenum type);

private:
    bool beforeChange();
    void drawBatch();
    MatrixStack* editedStack();

    Gles2Renderer renderer;
    Textures textures{renderer};
    Lighting lighting;
    DisplayLists lists;
    PixelStore store;
    static constexpr int stackDepth = 32;  // Mesa's, for both stacks
    MatrixStack modelview{stackDepth};
    MatrixStack projection{stackDepth};
    GLenum matrixStack = GL_MODELVIEW;

    float currentColour[4] = {1, 1, 1, 1};
    float currentNormal[3] = {0, 0, 1};
    float currentTexCoord[2] = {0, 0};
    std::array<float, 9> normalMatrix{};
    unsigned normalMatrixVersion = ~0u;

    bool inPrimitive = false;
    GLenum primitiveMode = GL_TRIANGLES;
    std::vector<Vertex> primitive;
    std::vector<Vertex> batch;
    bool batchLines = false;

    bool lightingOn = false;
    bool texturingOn = false;
    bool blendOn = false;
    bool cullOn = false;
    bool depthOn = false;
    GLenum cullMode = GL_BACK;
    GLenum blendSource = GL_ONE;
    GLenum blendDestination = GL_ZERO;
    float lineThickness = 1.0f;
    GLint viewportBox[4] = {};
    int listNesting = 0;
    GLenum errorCode = GL_NO_ERROR;
};

}  // namespace fixedgl
