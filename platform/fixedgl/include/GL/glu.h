// The GLU calls the game makes, served by the fixed-function layer (see GL/gl.h).
#ifndef QUORVEL_FIXEDGL_GLU_H
#define QUORVEL_FIXEDGL_GLU_H

#include <GL/gl.h>

#define GLU_INVALID_ENUM 100900
#define GLU_INVALID_VALUE 100901

#ifdef __cplusplus
extern "C" {
#endif

void fgluPerspective(GLdouble fovy, GLdouble aspect, GLdouble zNear, GLdouble zFar);
void fgluLookAt(GLdouble eyeX, GLdouble eyeY, GLdouble eyeZ, GLdouble centerX, GLdouble centerY, GLdouble centerZ,
                GLdouble upX, GLdouble upY, GLdouble upZ);
// Box-filtered, 8 bits a component, RGB or RGBA; reads through the unpack
// pixel store and writes through the pack one.
GLint fgluScaleImage(GLenum format, GLint widthIn, GLint heightIn, GLenum typeIn, const void* dataIn, GLint widthOut,
                     GLint heightOut, GLenum typeOut, GLvoid* dataOut);
// Scales to the nearest powers of two, then halves down to 1 x 1.
GLint fgluBuild2DMipmaps(GLenum target, GLint internalFormat, GLsizei width, GLsizei height, GLenum format, GLenum type,
                         const void* data);

#ifdef __cplusplus
}
#endif

#define gluPerspective fgluPerspective
#define gluLookAt fgluLookAt
#define gluScaleImage fgluScaleImage
#define gluBuild2DMipmaps fgluBuild2DMipmaps

#endif
