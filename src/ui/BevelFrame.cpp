#include "ui/BevelFrame.h"

#include <GL/gl.h>

namespace {
const float stopX[8] = {0.0f, 0.01f, 0.07f, 0.08f, 0.52f, 0.53f, 0.59f, 0.6f};

// A corner as indices into the template's stops across and up.
struct Corner {
    int x;
    int y;
};

struct Batch {
    float colour[4];
    int quadCount;
    Corner quads[4][4];
};

const Batch batches[] = {
    {{0.9254902f, 0.9137255f, 0.84705883f, 1.0f},
     4,  // beige band
     {{{1, 1}, {2, 2}, {2, 5}, {1, 6}},
      {{1, 1}, {6, 1}, {5, 2}, {2, 2}},
      {{6, 1}, {6, 6}, {5, 5}, {5, 2}},
      {{1, 6}, {2, 5}, {5, 5}, {6, 6}}}},
    {{0.95686275f, 0.9490196f, 0.9411765f, 1.0f},
     4,  // light: outer left and bottom, inner right and top
     {{{0, 0}, {1, 1}, {1, 6}, {0, 7}},
      {{0, 0}, {7, 0}, {6, 1}, {1, 1}},
      {{5, 2}, {5, 5}, {4, 4}, {4, 3}},
      {{2, 5}, {3, 4}, {4, 4}, {5, 5}}}},
    {{0.74509805f, 0.7254902f, 0.7058824f, 1.0f},
     4,  // dark: inner left and bottom, outer right and top
     {{{2, 2}, {2, 5}, {3, 4}, {3, 3}},
      {{2, 2}, {3, 3}, {4, 3}, {5, 2}},
      {{7, 0}, {7, 7}, {6, 6}, {6, 1}},
      {{0, 7}, {1, 6}, {6, 6}, {7, 7}}}},
    {{1.0f, 1.0f, 1.0f, 0.4f},
     1,  // the well, blended over the scene
     {{{3, 3}, {4, 3}, {4, 4}, {3, 4}}}},
};
}  // namespace

BevelFrame::BevelFrame(float left, float bottom, float unitX, float unitY, float height)
    : left(left), bottom(bottom), unitX(unitX), unitY(unitY), stopY{0.0f,           0.01f,          0.03f,
                                                                    0.04f,          height - 0.04f, height - 0.03f,
                                                                    height - 0.01f, height} {}

void BevelFrame::vertex(float u, float v) const { glVertex2f(left + u * unitX, bottom + v * unitY); }

NdcRect BevelFrame::bounds() const {
    return {left + stopX[0] * unitX, bottom + stopY[0] * unitY, left + stopX[7] * unitX, bottom + stopY[7] * unitY};
}

void BevelFrame::draw() const {
    for (const Batch& batch : batches) {
        glColor4f(batch.colour[0], batch.colour[1], batch.colour[2], batch.colour[3]);
        glBegin(GL_QUADS);
        for (int q = 0; q < batch.quadCount; ++q) {
            for (const Corner& corner : batch.quads[q]) vertex(stopX[corner.x], stopY[corner.y]);
        }
        glEnd();
    }
}

void BevelFrame::fillWell(float right, float red, float green, float blue) const {
    glColor4f(red, green, blue, 1.0f);
    glBegin(GL_QUADS);
    vertex(stopX[3], stopY[3]);
    vertex(right, stopY[3]);
    vertex(right, stopY[4]);
    vertex(stopX[3], stopY[4]);
    glEnd();
}
