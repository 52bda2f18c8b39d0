#include "Context.h"

#include "Primitives.h"

#include <algorithm>
#include <utility>

namespace fixedgl {

namespace {
Context* active = nullptr;
bool drawing = true;
const int maxListNesting = 64;
const int rgbaBytes = 4;
}  // namespace

Context::Context() { renderer.currentViewport(viewportBox); }

Context* Context::current() { return active; }

void Context::makeCurrent(Context* context) { active = context; }

void Context::setDrawing(bool on) { drawing = on; }

void Context::error(GLenum code) {
    if (errorCode == GL_NO_ERROR) errorCode = code;
}

GLenum Context::takeError() { return std::exchange(errorCode, static_cast<GLenum>(GL_NO_ERROR)); }

// Whatever is batched was meant for the state as it is now.
bool Context::beforeChange() {
    if (inPrimitive) {
        error(GL_INVALID_OPERATION);
        return false;
    }
    drawBatch();
    return true;
}

void Context::drawBatch() {
    if (batch.empty()) return;
    Gles2Renderer::Batch draw{};
    draw.vertices = batch.data();
    draw.count = static_cast<int>(batch.size());
    draw.lines = batchLines;
    draw.projection = projection.top().data();
    draw.projectionVersion = projection.version();
    draw.texture = texturingOn ? textures.drawable() : 0;
    draw.shading = lightingOn ? &lighting.shading() : nullptr;
    draw.shadingVersion = lighting.version();
    if (drawing) renderer.draw(draw);
    batch.clear();
}

// Vertices carry the modelview already; only the projection is a uniform.
MatrixStack* Context::editedStack() {
    if (matrixStack == GL_PROJECTION) return beforeChange() ? &projection : nullptr;
    if (inPrimitive) {
        error(GL_INVALID_OPERATION);
        return nullptr;
    }
    return &modelview;
}

void Context::matrixMode(GLenum mode) {
    if (mode != GL_MODELVIEW && mode != GL_PROJECTION) return error(GL_INVALID_ENUM);
    matrixStack = mode;
}

void Context::loadIdentity() {
    if (MatrixStack* stack = editedStack()) stack->load(Matrix4());
}

void Context::multiply(const Matrix4& m) {
    if (MatrixStack* stack = editedStack()) stack->multiply(m);
}

void Context::pushMatrix() {
    MatrixStack* stack = editedStack();
    if (stack && !stack->push()) error(GL_STACK_OVERFLOW);
}

void Context::popMatrix() {
    MatrixStack* stack = editedStack();
    if (stack && !stack->pop()) error(GL_STACK_UNDERFLOW);
}

void Context::begin(GLenum mode) {
    if (inPrimitive) return error(GL_INVALID_OPERATION);
    if (!Primitives::supports(mode)) return error(GL_INVALID_ENUM);
    inPrimitive = true;
    primitiveMode = mode;
    primitive.clear();
}

void Context::end() {
    if (!inPrimitive) return error(GL_INVALID_OPERATION);
    inPrimitive = false;
    const bool lines = Primitives::isLines(primitiveMode);
    if (lines != batchLines) drawBatch();
    batchLines = lines;
    Primitives::assemble(primitiveMode, primitive, projection.top(), batch);
}

void Context::vertex(float x, float y, float z) {
    if (!inPrimitive) return;
    if (normalMatrixVersion != modelview.version()) {
        normalMatrix = modelview.top().normalMatrix();
        normalMatrixVersion = modelview.version();
    }
    Vertex v{};
    const float point[4] = {x, y, z, 1.0f};
    const auto eye = modelview.top().transform(point);
    std::copy(eye.begin(), eye.end(), v.position);
    for (int row = 0; row < 3; ++row) {
        v.normal[row] = normalMatrix[row] * currentNormal[0] + normalMatrix[3 + row] * currentNormal[1] +
                        normalMatrix[6 + row] * currentNormal[2];
    }
    std::copy(currentColour, currentColour + 4, v.colour);
    std::copy(currentTexCoord, currentTexCoord + 2, v.texCoord);
    primitive.push_back(v);
}

void Context::normal(float x, float y, float z) {
    currentNormal[0] = x;
    currentNormal[1] = y;
    currentNormal[2] = z;
}

void Context::colour(float red, float green, float blue, float alpha) {
    const float value[4] = {red, green, blue, alpha};
    std::copy(value, value + 4, currentColour);
    if (lighting.colorMaterialEnabled()) lighting.trackColour(currentColour);
}

void Context::texCoord(float s, float t) {
    currentTexCoord[0] = s;
    currentTexCoord[1] = t;
}

GLuint Context::genLists(GLsizei range) {
    if (range < 0) error(GL_INVALID_VALUE);
    return lists.generate(range);
}

void Context::newList(GLuint name, GLenum mode) { error(lists.begin(name, mode)); }

void Context::endList() { error(lists.end()); }

void Context::callList(GLuint name) {
    const DisplayLists::List* list = lists.find(name);
    if (!list || listNesting >= maxListNesting) return;
    ++listNesting;
    for (const DisplayLists::Command& command : *list) command(*this);
    --listNesting;
}

void Context::deleteLists(GLuint first, GLsizei range) {
    if (range < 0) return error(GL_INVALID_VALUE);
    lists.remove(first, range);
}

void Context::light(GLenum light, GLenum name, const float* values) {
    if (beforeChange()) error(lighting.setLight(light, name, values, modelview.top()));
}

void Context::material(GLenum face, GLenum name, const float* values) {
    if (beforeChange()) error(lighting.setMaterial(face, name, values));
}

void Context::colorMaterial(GLenum face, GLenum mode) {
    if (beforeChange()) error(lighting.setColorMaterial(face, mode, currentColour));
}

// Gouraud shading only, the game's.
void Context::shadeModel(GLenum mode) {
    if (mode != GL_SMOOTH) error(GL_INVALID_ENUM);
}

void Context::getLight(GLenum light, GLenum name, float* values) { error(lighting.getLight(light, name, values)); }

void Context::getMaterial(GLenum face, GLenum name, float* values) { error(lighting.getMaterial(face, name, values)); }

void Context::genTextures(GLsizei count, GLuint* names) {
    if (count < 0) return error(GL_INVALID_VALUE);
    textures.generate(count, names);
}

void Context::deleteTextures(GLsizei count, const GLuint* names) {
    if (count < 0) return error(GL_INVALID_VALUE);
    if (beforeChange()) textures.remove(count, names);
}

void Context::bindTexture(GLenum target, GLuint name) {
    if (target != GL_TEXTURE_2D) return error(GL_INVALID_ENUM);
    if (name == textures.bound()) return;
    if (beforeChange()) textures.bind(name);
}

void Context::texImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLint border,
                         GLenum format, GLenum type, const void* pixels) {
    if (target != GL_TEXTURE_2D) return error(GL_INVALID_ENUM);
    const int bytes = bytesPerPixel(format, type);
    if (bytes == 0) return;
    if (border != 0 || width < 0 || height < 0) return error(GL_INVALID_VALUE);
    std::vector<unsigned char> tight;
    if (pixels) tight = store.unpack(pixels, width, height, bytes);
    texImageTight(level, internalFormat, width, height, bytes, std::move(tight));
}

void Context::texImageTight(GLint level, GLint internalFormat, GLsizei width, GLsizei height, int bytesPerPixel,
                            std::vector<unsigned char> pixels) {
    run([=, pixels = std::move(pixels)](Context& c) {
        if (!c.beforeChange()) return;
        c.error(c.textures.upload(level, internalFormat, width, height, bytesPerPixel,
                                  pixels.empty() ? nullptr : pixels.data()));
    });
}

void Context::texParameter(GLenum target, GLenum name, GLint value) {
    if (target != GL_TEXTURE_2D) return error(GL_INVALID_ENUM);
    if (beforeChange()) error(textures.parameter(name, value));
}

// Only the modulation the game uses, GL's default.
void Context::texEnv(GLenum target, GLenum name, GLint value) {
    if (target != GL_TEXTURE_ENV || name != GL_TEXTURE_ENV_MODE || value != GL_MODULATE) error(GL_INVALID_ENUM);
}

void Context::texLevelParameter(GLenum target, GLint level, GLenum name, GLint* value) {
    if (target != GL_TEXTURE_2D) return error(GL_INVALID_ENUM);
    error(textures.levelParameter(level, name, *value));
}

void Context::enable(GLenum capability, bool on) {
    auto change = [&](bool& flag) {
        if (flag == on || !beforeChange()) return false;
        flag = on;
        return true;
    };
    switch (capability) {
    case GL_LIGHTING: change(lightingOn); break;
    case GL_TEXTURE_2D: change(texturingOn); break;
    case GL_BLEND:
        if (change(blendOn)) renderer.enable(capability, on);
        break;
    case GL_CULL_FACE:
        if (change(cullOn)) renderer.enable(capability, on);
        break;
    case GL_DEPTH_TEST:
        if (change(depthOn)) renderer.enable(capability, on);
        break;
    case GL_COLOR_MATERIAL:
        if (lighting.colorMaterialEnabled() != on && beforeChange()) lighting.enableColorMaterial(on, currentColour);
        break;
    default:
        if (!Lighting::isLight(capability)) return error(GL_INVALID_ENUM);
        if (lighting.lightEnabled(capability) != on && beforeChange()) lighting.enableLight(capability, on);
    }
}

bool Context::isEnabled(GLenum capability) {
    switch (capability) {
    case GL_LIGHTING: return lightingOn;
    case GL_TEXTURE_2D: return texturingOn;
    case GL_BLEND: return blendOn;
    case GL_CULL_FACE: return cullOn;
    case GL_DEPTH_TEST: return depthOn;
    case GL_COLOR_MATERIAL: return lighting.colorMaterialEnabled();
    default:
        if (Lighting::isLight(capability)) return lighting.lightEnabled(capability);
        error(GL_INVALID_ENUM);
        return false;
    }
}

void Context::cullFace(GLenum mode) {
    if (mode != GL_FRONT && mode != GL_BACK && mode != GL_FRONT_AND_BACK) return error(GL_INVALID_ENUM);
    if (mode == cullMode || !beforeChange()) return;
    cullMode = mode;
    renderer.cullFace(mode);
}

void Context::blendFunc(GLenum source, GLenum destination) {
    if ((source == blendSource && destination == blendDestination) || !beforeChange()) return;
    blendSource = source;
    blendDestination = destination;
    renderer.blendFunc(source, destination);
}

void Context::lineWidth(float width) {
    if (width <= 0.0f) return error(GL_INVALID_VALUE);
    if (width == lineThickness || !beforeChange()) return;
    lineThickness = width;
    renderer.lineWidth(width);
}

// GLES picks its own quality; the targets are only checked.
void Context::hint(GLenum target, GLenum mode) {
    const bool known = target == GL_PERSPECTIVE_CORRECTION_HINT || target == GL_POINT_SMOOTH_HINT;
    if (!known || (mode != GL_DONT_CARE && mode != GL_FASTEST && mode != GL_NICEST)) error(GL_INVALID_ENUM);
}

void Context::clear(GLbitfield mask) {
    if (beforeChange()) renderer.clear(mask);
}

void Context::clearColour(float red, float green, float blue, float alpha) {
    renderer.clearColour(red, green, blue, alpha);
}

void Context::viewport(GLint x, GLint y, GLsizei width, GLsizei height) {
    if (width < 0 || height < 0) return error(GL_INVALID_VALUE);
    if (!beforeChange()) return;
    const GLint box[4] = {x, y, width, height};
    std::copy(box, box + 4, viewportBox);
    renderer.viewport(x, y, width, height);
}

void Context::flush() {
    if (beforeChange()) renderer.flush();
}

void Context::finish() {
    if (beforeChange()) renderer.finish();
}

int Context::bytesPerPixel(GLenum format, GLenum type) {
    const int bytes = type != GL_UNSIGNED_BYTE ? 0 : format == GL_RGB ? 3 : format == GL_RGBA ? 4 : 0;
    if (bytes == 0) error(GL_INVALID_ENUM);
    return bytes;
}

void Context::readPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type, void* pixels) {
    const int bytes = bytesPerPixel(format, type);
    if (bytes == 0) return;
    if (width < 0 || height < 0) return error(GL_INVALID_VALUE);
    if (!beforeChange()) return;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<unsigned char> rgba(count * rgbaBytes);
    renderer.readRgba(x, y, width, height, rgba.data());
    if (bytes != rgbaBytes) rgba = PixelStore::reformat(rgba.data(), count, rgbaBytes, bytes);
    store.pack(rgba.data(), width, height, bytes, pixels);
}

int Context::get(GLenum name, double* values) {
    auto matrix = [values](const MatrixStack& stack) {
        std::copy(stack.top().data(), stack.top().data() + 16, values);
        return 16;
    };
    auto one = [values](double value) {
        values[0] = value;
        return 1;
    };
    switch (name) {
    case GL_MATRIX_MODE: return one(matrixStack);
    case GL_MODELVIEW_STACK_DEPTH: return one(modelview.depth());
    case GL_PROJECTION_STACK_DEPTH: return one(projection.depth());
    case GL_MODELVIEW_MATRIX: return matrix(modelview);
    case GL_PROJECTION_MATRIX: return matrix(projection);
    case GL_VIEWPORT: std::copy(viewportBox, viewportBox + 4, values); return 4;
    case GL_CULL_FACE_MODE: return one(cullMode);
    case GL_BLEND_SRC: return one(blendSource);
    case GL_BLEND_DST: return one(blendDestination);
    case GL_COLOR_MATERIAL_FACE: return one(lighting.colorMaterialFace());
    case GL_COLOR_MATERIAL_PARAMETER: return one(lighting.colorMaterialMode());
    case GL_SHADE_MODEL: return one(GL_SMOOTH);
    case GL_TEXTURE_BINDING_2D: return one(textures.bound());
    case GL_LIST_BASE: return one(lists.base);
    default: {
        GLint stored = 0;
        if (store.get(name, stored)) return one(stored);
        error(GL_INVALID_ENUM);
        return 0;
    }
    }
}

}  // namespace fixedgl
