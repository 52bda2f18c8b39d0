// Callbacks: the frame loop's GLUT callbacks and their registration.
#pragma once

void display();
void reshape(int width, int height);
void idle();

// Display, reshape, mouse, motion, passive motion, keyboard, idle: in this order.
void registerCallbacks();
