// SprayTestSupport: what the spray tests share: a reference generator, the
// expected throws, a particle picture on disk and the game's start-up GL state.
#pragma once

#include "effects/SprayParticle.h"
#include "support/TempDir.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <unistd.h>
#include <vector>

// The shared generator's sequence, written out independently of the game's.
struct ReferenceRandom {
    uint32_t state;
    int calls = 0;
    // R: the next value modulo 100, as a float.
    float percent() {
        state = state * 214013u + 2531011u;
        ++calls;
        return static_cast<float>(((state >> 16) & 32767u) % 100u);
    }
};

// What a throw should leave in the fields it sets.
struct ExpectedThrow {
    float life, fade, x, z, xi, yi, zi, size, splitA;
};

inline void lifeAndFade(ReferenceRandom& r, float speed, float fadeScale, ExpectedThrow& e) {
    if (speed > 1.0f) {
        e.life = std::min(speed / 30.0f, 1.0f);
        e.fade = r.percent() * fadeScale + 0.005f;
    } else {
        e.life = 0.0f;
        e.fade = 1.0f;
    }
}

inline ExpectedThrow slopeThrow(ReferenceRandom& r, float speed, bool fromBelowSnow) {
    ExpectedThrow e{};
    lifeAndFade(r, speed, 0.001f, e);
    e.x = r.percent() * 0.004f - 0.2f - 0.9f;
    e.z = r.percent() * 0.003f - 0.15f;
    e.xi = (r.percent() * 0.01f - 0.5f - 1.0f) * speed;
    e.yi = (r.percent() * 0.001f - 0.05f + 0.2f) * speed;
    e.zi = (r.percent() * 0.01f - 0.5f + 0.2f) * speed;
    e.size = fromBelowSnow ? 1.0f : r.percent() * 0.01f + 0.5f;
    e.splitA = r.percent() * 0.01f;
    return e;
}

inline ExpectedThrow crashThrow(ReferenceRandom& r, float speed) {
    ExpectedThrow e{};
    lifeAndFade(r, speed, 1.0f / 1500.0f, e);
    e.x = r.percent() * 0.01f - 0.5f;
    e.z = r.percent() * 0.0015f;
    e.xi = (r.percent() * 0.02f - 1.0f + 0.7f) * speed;
    e.yi = -((r.percent() * 0.005f - 0.25f + 0.3f) * speed);
    e.zi = (r.percent() * 0.005f - 0.25f + 0.7f) * speed * 0.5f;
    e.size = r.percent() * 0.01f + 1.0f;
    e.splitA = r.percent() * 0.01f;
    return e;
}

inline void expectThrown(const SprayParticle& p, const ExpectedThrow& e, int index) {
    SCOPED_TRACE("particle " + std::to_string(index));
    EXPECT_FLOAT_EQ(p.life, e.life);
    EXPECT_FLOAT_EQ(p.fade, e.fade);
    EXPECT_FLOAT_EQ(p.x, e.x);
    EXPECT_EQ(p.y, 0.0f);
    EXPECT_FLOAT_EQ(p.z, e.z);
    EXPECT_FLOAT_EQ(p.xi, e.xi);
    EXPECT_FLOAT_EQ(p.yi, e.yi);
    EXPECT_FLOAT_EQ(p.zi, e.zi);
    EXPECT_FLOAT_EQ(p.size, e.size);
    EXPECT_FLOAT_EQ(p.splitA, e.splitA);
    EXPECT_FLOAT_EQ(p.splitB, 1.0f - e.splitA);
}

// A 24-bit BMP of one colour, rows needing no padding.
inline std::vector<unsigned char> solidBmp(int width, int height, unsigned char r,
                                           unsigned char g, unsigned char b) {
    const uint32_t dataSize = static_cast<uint32_t>(width * height * 3);
    std::vector<unsigned char> file(54 + dataSize);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, 54 + dataSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(width));
    put32(22, static_cast<uint32_t>(height));
    file[26] = 1;
    file[28] = 24;
    put32(34, dataSize);
    for (uint32_t i = 54; i < file.size(); i += 3) {
        file[i] = b;
        file[i + 1] = g;
        file[i + 2] = r;
    }
    return file;
}

// Runs a test inside a fresh folder holding "textures/particle1.bmp", so the
// game's own relative name finds it.
class ParticlePictureFolder {
public:
    explicit ParticlePictureFolder(unsigned char grey = 255) {
        folder.write("textures/particle1.bmp", solidBmp(4, 4, grey, grey, grey));
        char buffer[4096];
        previous = getcwd(buffer, sizeof buffer) ? buffer : ".";
        moved = chdir(folder.path().c_str()) == 0;
    }
    ~ParticlePictureFolder() {
        if (moved && chdir(previous.c_str()) != 0) ADD_FAILURE() << "could not return to " << previous;
    }
    bool ready() const { return moved; }

private:
    TempDir folder;
    std::string previous;
    bool moved = false;
};

constexpr const char* particlePicture = "textures\\particle1.bmp";

// The state the game sets once at start-up and every drawing routine must give back.
inline void startUpState() {
    glEnable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}
