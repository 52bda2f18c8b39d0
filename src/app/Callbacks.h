// Callbacks: the frame loop's GLUT callbacks and their registration.
#pragma once

void display();
void reshape(int width, int height);
// Also pauses a run whose window lost the keyboard to another window.
void idle();
// A run pauses when its window is hidden or covered.
void windowStatus(int state);

// Display, reshape, mouse, motion, passive motion, keyboard, idle, window
// status: in this order.
void registerCallbacks();
