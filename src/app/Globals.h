// The application's globals: the objects made at start-up and the input state
// the GLUT callbacks share.
#pragma once

class BitmapFont;
class Camera;
class DemoSession;
class HelpScreen;
class MenuScreen;
class Window;
class World;

extern World* world;
extern Window* window;
extern Camera* camera;
extern BitmapFont* font;
extern MenuScreen* menuScreen;
extern HelpScreen* helpScreen;
extern DemoSession* demoSession;  // only when a demo is recorded or played

extern int framesPerSecond;  // handed to the rider each frame and shown in the corner
extern int mouseX;           // last pointer position in window pixels, y down
extern int mouseY;
extern int dragStartX;  // where the current trick drag started
extern int dragStartY;
extern int dragStarted;  // used as a flag
extern bool inMenu;      // the menu or help screen is shown instead of the run
extern bool helpShown;   // inside the menu: the help screen instead of the menu screen
extern bool nightMode;   // the player switched to the floodlights
