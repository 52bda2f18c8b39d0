// The fixed-function GL 1.1 the game draws with, served over GLES 2 / WebGL 1.
// Put this folder first on the include path: the game's sources compile
// unchanged, every gl* name they call becoming the layer's fgl* function, so
// nothing collides with the real GL or GLES libraries. Only the calls and
// values the game uses are here.
//
// The layer keeps its state per GLES context: create it once that context is
// current (fglCreateContext), and end each frame with glFlush, which draws
// what is still batched, before the buffers are swapped.
#ifndef QUORVEL_FIXEDGL_GL_H
#define QUORVEL_FIXEDGL_GL_H

typedef unsigned int GLenum;
typedef unsigned char GLboolean;
typedef unsigned int GLbitfield;
typedef void GLvoid;
typedef signed char GLbyte;
typedef short GLshort;
typedef int GLint;
typedef unsigned char GLubyte;
typedef unsigned short GLushort;
typedef unsigned int GLuint;
typedef int GLsizei;
typedef float GLfloat;
typedef float GLclampf;
typedef double GLdouble;
typedef double GLclampd;

#define GL_FALSE 0
#define GL_TRUE 1

#define GL_NO_ERROR 0
#define GL_INVALID_ENUM 0x0500
#define GL_INVALID_VALUE 0x0501
#define GL_INVALID_OPERATION 0x0502
#define GL_STACK_OVERFLOW 0x0503
#define GL_STACK_UNDERFLOW 0x0504

#define GL_LINES 0x0001
#define GL_LINE_LOOP 0x0002
#define GL_TRIANGLES 0x0004
#define GL_TRIANGLE_STRIP 0x0005
#define GL_QUADS 0x0007

#define GL_BYTE 0x1400
#define GL_UNSIGNED_BYTE 0x1401
#define GL_SHORT 0x1402
#define GL_UNSIGNED_SHORT 0x1403
#define GL_INT 0x1404
#define GL_UNSIGNED_INT 0x1405

#define GL_COLOR_BUFFER_BIT 0x00004000
#define GL_DEPTH_BUFFER_BIT 0x00000100

#define GL_CURRENT_COLOR 0x0B00
#define GL_CURRENT_NORMAL 0x0B02
#define GL_CURRENT_TEXTURE_COORDS 0x0B03
#define GL_LIST_BASE 0x0B32
#define GL_VIEWPORT 0x0BA2

#define GL_MATRIX_MODE 0x0BA0
#define GL_MODELVIEW 0x1700
#define GL_PROJECTION 0x1701
#define GL_MODELVIEW_STACK_DEPTH 0x0BA3
#define GL_PROJECTION_STACK_DEPTH 0x0BA4
#define GL_MODELVIEW_MATRIX 0x0BA6
#define GL_PROJECTION_MATRIX 0x0BA7

#define GL_FRONT 0x0404
#define GL_BACK 0x0405
#define GL_FRONT_AND_BACK 0x0408
#define GL_CULL_FACE 0x0B44
#define GL_CULL_FACE_MODE 0x0B45
#define GL_DEPTH_TEST 0x0B71

#define GL_BLEND 0x0BE2
#define GL_BLEND_DST 0x0BE0
#define GL_BLEND_SRC 0x0BE1
#define GL_ZERO 0
#define GL_ONE 1
#define GL_SRC_COLOR 0x0300
#define GL_ONE_MINUS_SRC_COLOR 0x0301
#define GL_SRC_ALPHA 0x0302
#define GL_ONE_MINUS_SRC_ALPHA 0x0303
#define GL_DST_ALPHA 0x0304
#define GL_ONE_MINUS_DST_ALPHA 0x0305
#define GL_DST_COLOR 0x0306
#define GL_ONE_MINUS_DST_COLOR 0x0307

#define GL_LIGHTING 0x0B50
#define GL_LIGHT0 0x4000
#define GL_LIGHT1 0x4001
#define GL_LIGHT2 0x4002
#define GL_LIGHT3 0x4003
#define GL_LIGHT4 0x4004
#define GL_LIGHT5 0x4005
#define GL_LIGHT6 0x4006
#define GL_LIGHT7 0x4007
#define GL_AMBIENT 0x1200
#define GL_DIFFUSE 0x1201
#define GL_SPECULAR 0x1202
#define GL_POSITION 0x1203
#define GL_SPOT_DIRECTION 0x1204
#define GL_SPOT_EXPONENT 0x1205
#define GL_SPOT_CUTOFF 0x1206
#define GL_CONSTANT_ATTENUATION 0x1207
#define GL_LINEAR_ATTENUATION 0x1208
#define GL_QUADRATIC_ATTENUATION 0x1209
#define GL_EMISSION 0x1600
#define GL_SHININESS 0x1601
#define GL_AMBIENT_AND_DIFFUSE 0x1602
#define GL_COLOR_MATERIAL 0x0B57
#define GL_COLOR_MATERIAL_FACE 0x0B55
#define GL_COLOR_MATERIAL_PARAMETER 0x0B56
#define GL_SHADE_MODEL 0x0B54
#define GL_SMOOTH 0x1D01

#define GL_TEXTURE_2D 0x0DE1
#define GL_TEXTURE_BINDING_2D 0x8069
#define GL_TEXTURE_WIDTH 0x1000
#define GL_TEXTURE_HEIGHT 0x1001
#define GL_TEXTURE_MAG_FILTER 0x2800
#define GL_TEXTURE_MIN_FILTER 0x2801
#define GL_TEXTURE_WRAP_S 0x2802
#define GL_TEXTURE_WRAP_T 0x2803
#define GL_NEAREST 0x2600
#define GL_LINEAR 0x2601
#define GL_NEAREST_MIPMAP_NEAREST 0x2700
#define GL_LINEAR_MIPMAP_NEAREST 0x2701
#define GL_NEAREST_MIPMAP_LINEAR 0x2702
#define GL_LINEAR_MIPMAP_LINEAR 0x2703
#define GL_CLAMP 0x2900
#define GL_REPEAT 0x2901
#define GL_CLAMP_TO_EDGE 0x812F
#define GL_TEXTURE_ENV 0x2300
#define GL_TEXTURE_ENV_MODE 0x2200
#define GL_MODULATE 0x2100
#define GL_RGB 0x1907
#define GL_RGBA 0x1908

#define GL_UNPACK_ROW_LENGTH 0x0CF2
#define GL_UNPACK_SKIP_ROWS 0x0CF3
#define GL_UNPACK_SKIP_PIXELS 0x0CF4
#define GL_UNPACK_ALIGNMENT 0x0CF5
#define GL_PACK_ROW_LENGTH 0x0D02
#define GL_PACK_SKIP_ROWS 0x0D03
#define GL_PACK_SKIP_PIXELS 0x0D04
#define GL_PACK_ALIGNMENT 0x0D05
#define GL_CLIENT_PIXEL_STORE_BIT 0x00000001

#define GL_COMPILE 0x1300
#define GL_COMPILE_AND_EXECUTE 0x1301

#define GL_PERSPECTIVE_CORRECTION_HINT 0x0C50
#define GL_POINT_SMOOTH_HINT 0x0C51
#define GL_DONT_CARE 0x1100
#define GL_FASTEST 0x1101
#define GL_NICEST 0x1102

#ifdef __cplusplus
extern "C" {
#endif

// The layer's own calls. A context belongs to the GLES context current when
// it is created; calls made while no layer context is current do nothing.
typedef struct FglContext FglContext;
FglContext* fglCreateContext(void);  // and makes it current
void fglMakeCurrent(FglContext* context);
void fglDestroyContext(FglContext* context);  // its GLES context still current
// 0: the game runs as ever but nothing is drawn (a demo checked for its
// states alone, without the cost of a software rasteriser); 1: drawn again.
void fglSetDrawing(int on);

void fglMatrixMode(GLenum mode);
void fglLoadIdentity(void);
void fglPushMatrix(void);
void fglPopMatrix(void);
void fglTranslatef(GLfloat x, GLfloat y, GLfloat z);
void fglTranslated(GLdouble x, GLdouble y, GLdouble z);
void fglRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z);
void fglScalef(GLfloat x, GLfloat y, GLfloat z);
void fglOrtho(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear, GLdouble zFar);

void fglBegin(GLenum mode);
void fglEnd(void);
void fglVertex2f(GLfloat x, GLfloat y);
void fglVertex2i(GLint x, GLint y);
void fglVertex3f(GLfloat x, GLfloat y, GLfloat z);
void fglVertex3fv(const GLfloat* v);
void fglNormal3f(GLfloat x, GLfloat y, GLfloat z);
void fglColor3f(GLfloat red, GLfloat green, GLfloat blue);
void fglColor4f(GLfloat red, GLfloat green, GLfloat blue, GLfloat alpha);
void fglTexCoord2f(GLfloat s, GLfloat t);
void fglTexCoord2d(GLdouble s, GLdouble t);

GLuint fglGenLists(GLsizei range);
void fglNewList(GLuint list, GLenum mode);
void fglEndList(void);
void fglListBase(GLuint base);
void fglCallLists(GLsizei n, GLenum type, const GLvoid* lists);
void fglDeleteLists(GLuint list, GLsizei range);

void fglLightf(GLenum light, GLenum pname, GLfloat param);
void fglLightfv(GLenum light, GLenum pname, const GLfloat* params);
void fglMaterialf(GLenum face, GLenum pname, GLfloat param);
void fglMaterialfv(GLenum face, GLenum pname, const GLfloat* params);
void fglColorMaterial(GLenum face, GLenum mode);
void fglShadeModel(GLenum mode);

void fglGenTextures(GLsizei n, GLuint* textures);
void fglDeleteTextures(GLsizei n, const GLuint* textures);
void fglBindTexture(GLenum target, GLuint texture);
GLboolean fglIsTexture(GLuint texture);
void fglTexImage2D(GLenum target, GLint level, GLint internalFormat, GLsizei width, GLsizei height, GLint border,
                   GLenum format, GLenum type, const GLvoid* pixels);
void fglTexParameteri(GLenum target, GLenum pname, GLint param);
void fglTexParameterf(GLenum target, GLenum pname, GLfloat param);
void fglTexEnvf(GLenum target, GLenum pname, GLfloat param);
void fglGetTexLevelParameteriv(GLenum target, GLint level, GLenum pname, GLint* params);
void fglPixelStorei(GLenum pname, GLint param);
void fglPushClientAttrib(GLbitfield mask);
void fglPopClientAttrib(void);

void fglEnable(GLenum cap);
void fglDisable(GLenum cap);
GLboolean fglIsEnabled(GLenum cap);
void fglCullFace(GLenum mode);
void fglBlendFunc(GLenum sfactor, GLenum dfactor);
void fglLineWidth(GLfloat width);
void fglHint(GLenum target, GLenum mode);
void fglClear(GLbitfield mask);
void fglClearColor(GLclampf red, GLclampf green, GLclampf blue, GLclampf alpha);
void fglViewport(GLint x, GLint y, GLsizei width, GLsizei height);
void fglFlush(void);
void fglFinish(void);
void fglReadPixels(GLint x, GLint y, GLsizei width, GLsizei height, GLenum format, GLenum type, GLvoid* pixels);

GLenum fglGetError(void);
void fglGetIntegerv(GLenum pname, GLint* params);
void fglGetFloatv(GLenum pname, GLfloat* params);
void fglGetDoublev(GLenum pname, GLdouble* params);
void fglGetLightfv(GLenum light, GLenum pname, GLfloat* params);
void fglGetMaterialfv(GLenum face, GLenum pname, GLfloat* params);

#ifdef __cplusplus
}
#endif

#define glMatrixMode fglMatrixMode
#define glLoadIdentity fglLoadIdentity
#define glPushMatrix fglPushMatrix
#define glPopMatrix fglPopMatrix
#define glTranslatef fglTranslatef
#define glTranslated fglTranslated
#define glRotatef fglRotatef
#define glScalef fglScalef
#define glOrtho fglOrtho
#define glBegin fglBegin
#define glEnd fglEnd
#define glVertex2f fglVertex2f
#define glVertex2i fglVertex2i
#define glVertex3f fglVertex3f
#define glVertex3fv fglVertex3fv
#define glNormal3f fglNormal3f
#define glColor3f fglColor3f
#define glColor4f fglColor4f
#define glTexCoord2f fglTexCoord2f
#define glTexCoord2d fglTexCoord2d
#define glGenLists fglGenLists
#define glNewList fglNewList
#define glEndList fglEndList
#define glListBase fglListBase
#define glCallLists fglCallLists
#define glDeleteLists fglDeleteLists
#define glLightf fglLightf
#define glLightfv fglLightfv
#define glMaterialf fglMaterialf
#define glMaterialfv fglMaterialfv
#define glColorMaterial fglColorMaterial
#define glShadeModel fglShadeModel
#define glGenTextures fglGenTextures
#define glDeleteTextures fglDeleteTextures
#define glBindTexture fglBindTexture
#define glIsTexture fglIsTexture
#define glTexImage2D fglTexImage2D
#define glTexParameteri fglTexParameteri
#define glTexParameterf fglTexParameterf
#define glTexEnvf fglTexEnvf
#define glGetTexLevelParameteriv fglGetTexLevelParameteriv
#define glPixelStorei fglPixelStorei
#define glPushClientAttrib fglPushClientAttrib
#define glPopClientAttrib fglPopClientAttrib
#define glEnable fglEnable
#define glDisable fglDisable
#define glIsEnabled fglIsEnabled
#define glCullFace fglCullFace
#define glBlendFunc fglBlendFunc
#define glLineWidth fglLineWidth
#define glHint fglHint
#define glClear fglClear
#define glClearColor fglClearColor
#define glViewport fglViewport
#define glFlush fglFlush
#define glFinish fglFinish
#define glReadPixels fglReadPixels
#define glGetError fglGetError
#define glGetIntegerv fglGetIntegerv
#define glGetFloatv fglGetFloatv
#define glGetDoublev fglGetDoublev
#define glGetLightfv fglGetLightfv
#define glGetMaterialfv fglGetMaterialfv

#endif
