// Input: the keyboard and mouse callbacks that move between the menu, the help
// screen and the run, and drive the rider and the camera.
#pragma once

void keyboard(unsigned char key, int x, int y);
void mouse(int button, int state, int x, int y);
// The pointer moved with a button held: the trick drag.
void motion(int x, int y);
// The pointer moved with no button held: hover cursors, steering, balance.
void passiveMotion(int x, int y);

// Leaves game mode, ends a demo session and the process: exit code 0, or
// the session's when its recording could not be written.
[[noreturn]] void quitGame();
