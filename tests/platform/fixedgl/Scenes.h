// The scenes the fixed-function layer is held to: one source, compiled once
// against the real GL (the reference program) and once against the layer
// (the test), each scene drawn from a fresh context into a square frame.
#pragma once

constexpr int sceneSize = 256;

// False for a name it doesn't know.
bool drawScene(const char* name);
