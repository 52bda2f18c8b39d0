#include "ui/TimingGauge.h"

#include "common/Maths.h"
#include "common/TimingBands.h"
#include "ui/BevelFrame.h"
#include "ui/NdcOverlay.h"

#include <GL/gl.h>

namespace {
const float blue[3] = {0.0f, 0.33333334f, 0.91764706f};
const float green[3] = {0.25882354f, 0.6392157f, 0.25882354f};
const float red[3] = {0.89411765f, 0.13725491f, 0.101960786f};
const float barHeight = 0.2f;
const float panelHeight = 0.52f;
}  // namespace

TimingGauge::~TimingGauge() = default;

void TimingGauge::reset(float windowWidth, float windowHeight) {
    if (!maths::isUsableSize(windowWidth, windowHeight)) return;
    area = HudArea(windowWidth, windowHeight);
    panelCentreX = x * area.widthShare();
    panelCentreY = (area.width() * scale / area.height()) * 0.26f + y + scale * 0.1f;
}

// Horizontal lengths shrink with the HUD area's share of the window, so a
// wide window gets the gauge of its 5:4 middle.
BevelFrame TimingGauge::barFrame() const {
    const float share = area.widthShare();
    return BevelFrame((x - 0.3f * scale) * share, y - 0.1f * scale, scale * share, scale, barHeight);
}

// Sits on the bar's top edge; its vertical unit carries the area's aspect
// ratio so its shape in pixels is the same in any window.
BevelFrame TimingGauge::panelFrame() const {
    const float share = area.widthShare();
    return BevelFrame((x - 0.3f * scale) * share, y + 0.1f * scale, scale * share, area.width() * scale / area.height(),
                      panelHeight);
}

NdcRect TimingGauge::panelRect() const { return panelFrame().bounds(); }

void TimingGauge::drawBar(int amount, const float colour[3]) const {
    const BevelFrame frame = barFrame();
    frame.draw();
    frame.fillWell(0.08f + 0.0044f * static_cast<float>(amount), colour[0], colour[1], colour[2]);
}

void TimingGauge::draw(int value) const {
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_TEXTURE_2D);
    NdcOverlay::begin();

    {
        if (value > timing::none && value < timing::tricksRunning) {
            drawBar(value, blue);
        } else if (value == timing::tricksRunning) {
            drawBar(timing::tricksRunning, green);
        } else if (value > timing::tricksRunning && value <= timing::approachEnd) {
            panelFrame().draw();
            drawBar(value - timing::tricksRunning, red);
        }
    }
    NdcOverlay::end();
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_CULL_FACE);
}
