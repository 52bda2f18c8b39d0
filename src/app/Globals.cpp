#include "app/Globals.h"

World* world = nullptr;
Window* window = nullptr;
Camera* camera = nullptr;
BitmapFont* font = nullptr;
MenuScreen* menuScreen = nullptr;
HelpScreen* helpScreen = nullptr;
DemoSession* demoSession = nullptr;

int framesPerSecond = 130;
int mouseX = 0;
int mouseY = 0;
int dragStartX = 0;
int dragStartY = 0;
int dragStarted = 0;
bool inMenu = true;
bool helpShown = false;
bool nightMode = false;
