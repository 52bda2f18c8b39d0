// FloorWindow: the frame-rate floor. A window of the game's size that only
// clears and swaps, as fast as GLUT calls back; its frames are counted from
// outside, like the game's.
#include <GL/freeglut.h>

namespace {

void display() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFlush();
    glutSwapBuffers();
}

void idle() { glutPostRedisplay(); }

}  // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    // The same buffers and the same full-screen size as the game's window.
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(0, 0);
    glutInitWindowSize(glutGet(GLUT_SCREEN_WIDTH), glutGet(GLUT_SCREEN_HEIGHT));
    glutCreateWindow("QuorvelFloor");
    glutFullScreen();
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glutDisplayFunc(display);
    glutIdleFunc(idle);
    glutMainLoop();
    return 0;
}
