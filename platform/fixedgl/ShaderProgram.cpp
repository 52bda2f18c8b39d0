#include "ShaderProgram.h"

#include <GLES2/gl2.h>
#include <cstdio>
#include <string>

namespace fixedgl {

namespace {

const char* const vertexText = R"(
attribute vec4 a_position;
attribute vec3 a_normal;
attribute vec4 a_colour;
attribute vec2 a_texCoord;
uniform mat4 u_projection;
varying vec4 v_colour;
varying vec2 v_texCoord;

#ifdef LIGHTS
uniform vec4 u_materialAmbient;
uniform vec4 u_materialDiffuse;
uniform vec4 u_materialSpecular;
uniform vec4 u_materialEmission;
uniform float u_shininess;
uniform vec4 u_sceneAmbient;
uniform vec4 u_tracked;
#if LIGHTS > 0
uniform vec4 u_lightPosition[LIGHTS];
uniform vec4 u_lightAmbient[LIGHTS];
uniform vec4 u_lightDiffuse[LIGHTS];
uniform vec4 u_lightSpecular[LIGHTS];
uniform vec3 u_spotDirection[LIGHTS];
uniform vec2 u_spot[LIGHTS];
uniform vec3 u_attenuation[LIGHTS];
#endif

// pow(0, 0) is undefined in GLSL, where GL wants 1.
const float tiny = 1.0e-10;

// GL 1.1's lighting equation with an infinite viewer, one-sided.
vec4 lit() {
    vec4 ambient = mix(u_materialAmbient, a_colour, u_tracked.x);
    vec4 diffuse = mix(u_materialDiffuse, a_colour, u_tracked.y);
    vec4 specular = mix(u_materialSpecular, a_colour, u_tracked.z);
    vec4 emission = mix(u_materialEmission, a_colour, u_tracked.w);
    vec3 colour = emission.rgb + ambient.rgb * u_sceneAmbient.rgb;
#if LIGHTS > 0
    vec3 vertex = a_position.xyz / a_position.w;
    for (int i = 0; i < LIGHTS; ++i) {
        vec3 toLight = u_lightPosition[i].xyz - vertex * u_lightPosition[i].w;
        float reach = length(toLight);
        vec3 l = toLight / reach;
        float factor = 1.0 / dot(u_attenuation[i], vec3(1.0, reach, reach * reach));
        if (u_spot[i].x >= -1.0) {
            float cosine = dot(-l, u_spotDirection[i]);
            factor *= cosine >= u_spot[i].x ? pow(max(cosine, tiny), u_spot[i].y) : 0.0;
        }
        float lambert = dot(a_normal, l);
        vec3 sum = ambient.rgb * u_lightAmbient[i].rgb + max(lambert, 0.0) * diffuse.rgb * u_lightDiffuse[i].rgb;
        if (lambert > 0.0) {
            float highlight = max(dot(a_normal, normalize(l + vec3(0.0, 0.0, 1.0))), tiny);
            sum += pow(highlight, u_shininess) * specular.rgb * u_lightSpecular[i].rgb;
        }
        colour += factor * sum;
    }
#endif
    return vec4(colour, diffuse.a);
}
#endif

void main() {
    gl_Position = u_projection * a_position;
#ifdef LIGHTS
    v_colour = clamp(lit(), 0.0, 1.0);
#else
    v_colour = clamp(a_colour, 0.0, 1.0);
#endif
    v_texCoord = a_texCoord;
}
)";

const char* const fragmentText = R"(
#ifdef GL_FRAGMENT_PRECISION_HIGH
precision highp float;
#else
precision mediump float;
#endif
varying vec4 v_colour;
varying vec2 v_texCoord;
uniform sampler2D u_texture;

void main() {
#ifdef TEXTURED
    gl_FragColor = v_colour * texture2D(u_texture, v_texCoord);
#else
    gl_FragColor = v_colour;
#endif
}
)";

using GetStatusFn = void (*)(GLuint, GLenum, GLint*);
using GetLogFn = void (*)(GLuint, GLsizei, GLsizei*, GLchar*);

// Says on stderr what failed and GL's reason; GL leaves the object unusable.
void check(GLuint id, GLenum status, GetStatusFn getStatus, GetLogFn getLog, const char* failure,
           const std::string& defines) {
    GLint done = GL_FALSE;
    getStatus(id, status, &done);
    if (done) return;
    char log[1024] = "";
    getLog(id, sizeof log, nullptr, log);
    std::fprintf(stderr, "fixedgl: %s (%s): %s\n", failure, defines.c_str(), log);
}

GLuint compile(GLenum type, const std::string& defines, const char* text) {
    const GLuint shader = glCreateShader(type);
    const char* parts[] = {defines.c_str(), text};
    glShaderSource(shader, 2, parts, nullptr);
    glCompileShader(shader);
    check(shader, GL_COMPILE_STATUS, glGetShaderiv, glGetShaderInfoLog, "a shader does not compile", defines);
    return shader;
}

}  // namespace

ShaderProgram::ShaderProgram(int lights, bool textured) : lightCount(lights) {
    std::string defines;
    if (lights >= 0) defines += "#define LIGHTS " + std::to_string(lights) + "\n";
    if (textured) defines += "#define TEXTURED\n";
    const GLuint vertex = compile(GL_VERTEX_SHADER, defines, vertexText);
    const GLuint fragment = compile(GL_FRAGMENT_SHADER, defines, fragmentText);
    id = glCreateProgram();
    glAttachShader(id, vertex);
    glAttachShader(id, fragment);
    const char* names[] = {"a_position", "a_normal", "a_colour", "a_texCoord"};
    for (GLuint i = 0; i < 4; ++i) glBindAttribLocation(id, i, names[i]);
    glLinkProgram(id);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    check(id, GL_LINK_STATUS, glGetProgramiv, glGetProgramInfoLog, "a program does not link", defines);

    auto at = [this](const char* name) { return glGetUniformLocation(id, name); };
    projection = at("u_projection");
    lightPosition = at("u_lightPosition");
    lightAmbient = at("u_lightAmbient");
    lightDiffuse = at("u_lightDiffuse");
    lightSpecular = at("u_lightSpecular");
    spotDirection = at("u_spotDirection");
    spot = at("u_spot");
    attenuation = at("u_attenuation");
    materialAmbient = at("u_materialAmbient");
    materialDiffuse = at("u_materialDiffuse");
    materialSpecular = at("u_materialSpecular");
    materialEmission = at("u_materialEmission");
    shininess = at("u_shininess");
    sceneAmbient = at("u_sceneAmbient");
    tracked = at("u_tracked");
    glUseProgram(id);
    glUniform1i(at("u_texture"), 0);
}

ShaderProgram::~ShaderProgram() { glDeleteProgram(id); }

void ShaderProgram::use() const { glUseProgram(id); }

void ShaderProgram::setProjection(const float matrix[16], unsigned version) {
    if (version == projectionVersion) return;
    projectionVersion = version;
    glUniformMatrix4fv(projection, 1, GL_FALSE, matrix);
}

void ShaderProgram::setShading(const Shading& s, unsigned version) {
    if (lightCount < 0 || version == shadingVersion) return;
    shadingVersion = version;
    if (lightCount > 0) {
        glUniform4fv(lightPosition, lightCount, s.lightPosition[0]);
        glUniform4fv(lightAmbient, lightCount, s.lightAmbient[0]);
        glUniform4fv(lightDiffuse, lightCount, s.lightDiffuse[0]);
        glUniform4fv(lightSpecular, lightCount, s.lightSpecular[0]);
        glUniform3fv(spotDirection, lightCount, s.spotDirection[0]);
        glUniform2fv(spot, lightCount, s.spotCosineAndExponent[0]);
        glUniform3fv(attenuation, lightCount, s.attenuation[0]);
    }
    glUniform4fv(materialAmbient, 1, s.materialAmbient);
    glUniform4fv(materialDiffuse, 1, s.materialDiffuse);
    glUniform4fv(materialSpecular, 1, s.materialSpecular);
    glUniform4fv(materialEmission, 1, s.materialEmission);
    glUniform1f(shininess, s.shininess);
    glUniform4fv(sceneAmbient, 1, s.sceneAmbient);
    glUniform4fv(tracked, 1, s.tracked);
}

}  // namespace fixedgl
