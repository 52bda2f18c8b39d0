// UiTestSupport: start-up GL state, state snapshots, pixel checks and TGA pictures for the UI tests.
#pragma once

#include <array>
#include <functional>
#include <vector>

using Rgb = std::array<int, 3>;

// The game's start-up switches, identity matrices, white; plus a light that
// lights nothing and a black texture bound, so anything drawn lit or
// textured by mistake comes out black. Clears to black.
void useStartupState();

// Culling and its face, lighting, depth test, texturing, colour material,
// matrix mode, both stack depths and both matrices.
std::vector<float> stateSnapshot();

void expectPixel(int x, int y, const Rgb& want);

// Uncompressed TGA of 8, 24 or 32 bits; colour(x, y) is RGBA, y from the bottom.
std::vector<unsigned char> tgaFile(int size, int bits, const std::function<std::array<int, 4>(int, int)>& colour);
