// Banners: the sponsor boards and the event banner around the finish area.
#pragma once

#include "scene/TextureSet.h"

class Banners {
public:
    enum Picture { sponsor5, sponsor4, sponsor3, sponsor2, sponsor1, event, pictureCount };

    // Loads the six pictures into mipmapped textures; a picture that can't be
    // read leaves its boards untextured.
    Banners();
    virtual ~Banners();
    Banners(const Banners&) = delete;
    Banners& operator=(const Banners&) = delete;

    // Draws the ten boards, visible from both sides, and the two-sided event
    // banner. Leaves culling and blending on and colour material tracking the
    // front material only.
    void draw() const;

    // ---- Test support: not part of the game's own API. ----
    bool hasPicture(Picture picture) const { return textures.hasPicture(picture); }

private:
    void drawSponsorBoards() const;
    void drawEventBanner() const;

    TextureSet textures;
};
