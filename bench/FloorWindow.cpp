// FloorWindow: the frame-rate floor. A window of the game's size that only
// clears and swaps, as fast as GLUT calls back, for the number of frames
// given; then it prints its figures as the game's --timedemo does.
//   quorvel_floor FRAMES
#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

using Clock = std::chrono::steady_clock;
int framesWanted = 500;
int frames = 0;
Clock::time_point start;

void display() {
    if (frames == 0) start = Clock::now();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFlush();
    glutSwapBuffers();
    if (++frames < framesWanted) return;
    glFinish();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("%d frames, %.3f seconds, %.1f frames per second\n", frames, seconds, frames / seconds);
    std::exit(0);
}

void idle() { glutPostRedisplay(); }

}  // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    if (argc > 1) framesWanted = std::max(1, std::atoi(argv[1]));
    // The same buffers and the same size as the game's window.
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(0, 0);
    glutInitWindowSize(1280, 1024);
    glutCreateWindow("QuorvelFloor");
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glutDisplayFunc(display);
    glutIdleFunc(idle);
    glutMainLoop();
    return 0;
}
