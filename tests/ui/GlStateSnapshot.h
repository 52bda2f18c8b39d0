// GlStateSnapshot: the GL state a drawing routine must hand back as it found it.
#pragma once

#include <array>
#include <ostream>

struct GlStateSnapshot {
    bool cullFace = false;
    int cullFaceMode = 0;
    bool lighting = false;
    bool depthTest = false;
    bool texture2D = false;
    bool colorMaterial = false;
    int matrixMode = 0;
    int modelviewDepth = 0;
    int projectionDepth = 0;
    std::array<float, 16> modelview{};
    std::array<float, 16> projection{};

    static GlStateSnapshot capture();
    bool operator==(const GlStateSnapshot& other) const;
};

std::ostream& operator<<(std::ostream& out, const GlStateSnapshot& state);

// The switches the game sets once at start-up, with the modelview matrix
// current, the colour white, a light that lights nothing and a black texture
// bound; clears the window to black.
void useStartupState();
