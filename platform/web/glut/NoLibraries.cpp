// The game looks X's and GLX's calls up by name where it runs on X (window
// focus, game-mode errors) and does without them where they aren't found. A
// page loads no libraries: every look-up finds nothing, where emscripten's
// own dlsym would end the program.
#include <dlfcn.h>

extern "C" void* dlsym(void*, const char*) { return nullptr; }
