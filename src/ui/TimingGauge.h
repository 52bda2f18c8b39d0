// TimingGauge: the HUD bar for the rider's timing value, with the balance panel above it.
#pragma once

#include "ui/HudArea.h"
#include "ui/NdcRect.h"

class BevelFrame;

class TimingGauge {
public:
    TimingGauge() = default;
    virtual ~TimingGauge();

    // Lays the gauge out for this window size (ui/HudArea.h): a panel that keeps
    // its shape in pixels, and no wider or taller than at 5:4. A size that is
    // not positive and finite (a minimised window) keeps the previous one.
    void reset(float windowWidth, float windowHeight);

    // 1..99 blue fill, 100 full green, 101..200 red fill under the open panel;
    // any other value draws nothing. Works in normalized device coordinates
    // and leaves culling, lighting, depth test, colour material, texturing and
    // both matrices as the start-up state has them.
    void draw(int value) const;

    float getPanelCentreX() const { return panelCentreX; }
    float getPanelCentreY() const { return panelCentreY; }
    // The balance panel's outer edges, wherever it is drawn.
    NdcRect panelRect() const;

private:
    BevelFrame barFrame() const;
    BevelFrame panelFrame() const;
    void drawBar(int amount, const float colour[3]) const;

    // The start-up window size until the first reset.
    HudArea area{1024.0f, 768.0f};
    float x = 0.0f;
    float y = -0.89f;
    float scale = 1.0f;
    float panelCentreX = 0.0f;
    float panelCentreY = -0.79f;
};
