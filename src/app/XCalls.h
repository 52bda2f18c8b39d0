// XCalls: Xlib's and its extensions' calls, found at run time in the
// libraries freeglut loaded (the game links no X library itself), their types
// spelled without X's headers. A call that isn't there comes back null.
#pragma once

#include <dlfcn.h>

namespace xcalls {

using Display = void;
using XWindow = unsigned long;
using OpenDisplayFn = Display* (*)(const char*);

template <typename Fn>
Fn find(const char* name) {
    return reinterpret_cast<Fn>(dlsym(RTLD_DEFAULT, name));
}

}  // namespace xcalls
