// The GLUT the game calls, for the browser: freeglut's names and values, so
// the game's sources build unchanged, carried out over the page's canvas
// (platform/web/glut). Only what the game uses is here.
#pragma once

#include <GL/gl.h>

#ifdef __cplusplus
extern "C" {
#endif

#define GLUT_RGB 0x0000
#define GLUT_DOUBLE 0x0002
#define GLUT_DEPTH 0x0010

#define GLUT_LEFT_BUTTON 0x0000
#define GLUT_MIDDLE_BUTTON 0x0001
#define GLUT_RIGHT_BUTTON 0x0002
#define GLUT_DOWN 0x0000
#define GLUT_UP 0x0001

#define GLUT_CURSOR_RIGHT_ARROW 0x0000
#define GLUT_CURSOR_CROSSHAIR 0x0009
#define GLUT_CURSOR_NONE 0x0065

#define GLUT_WINDOW_WIDTH 0x0066
#define GLUT_WINDOW_HEIGHT 0x0067
#define GLUT_INIT_STATE 0x007C
#define GLUT_SCREEN_WIDTH 0x00C8
#define GLUT_SCREEN_HEIGHT 0x00C9
#define GLUT_ELAPSED_TIME 0x02BC

#define GLUT_HIDDEN 0x0000
#define GLUT_FULLY_COVERED 0x0003

#define GLUT_GAME_MODE_ACTIVE 0x0000
#define GLUT_GAME_MODE_POSSIBLE 0x0001

void glutInit(int* argc, char** argv);
void glutInitDisplayMode(unsigned int mode);
void glutInitWindowSize(int width, int height);
void glutInitWindowPosition(int x, int y);
int glutCreateWindow(const char* title);
void glutFullScreen(void);

// A page can't change the display's mode: game mode is never possible, and
// the game falls back to a window that fills the page.
void glutGameModeString(const char* mode);
int glutEnterGameMode(void);
void glutLeaveGameMode(void);
int glutGameModeGet(GLenum query);

void glutDisplayFunc(void (*callback)(void));
void glutReshapeFunc(void (*callback)(int width, int height));
void glutKeyboardFunc(void (*callback)(unsigned char key, int x, int y));
void glutMouseFunc(void (*callback)(int button, int state, int x, int y));
void glutMotionFunc(void (*callback)(int x, int y));
void glutPassiveMotionFunc(void (*callback)(int x, int y));
void glutIdleFunc(void (*callback)(void));
// Taken and never called: a hidden page is given no frames anyway.
void glutWindowStatusFunc(void (*callback)(int state));

// Hands the page's event loop to the game's callbacks. Never returns, as on
// the desktop: the page calls them from then on.
void glutMainLoop(void);
void glutLeaveMainLoop(void);
void glutPostRedisplay(void);
void glutSwapBuffers(void);
int glutGet(GLenum query);
void glutSetCursor(int cursor);

#ifdef __cplusplus
}
#endif
