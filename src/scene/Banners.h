// Banners: the sponsor boards and the event banner around the finish area.
#pragma once

#include <array>
#include <memory>

class Image;

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

    const Image& image(Picture picture) const { return *images[picture]; }

private:
    void loadTextures();
    void loadPicture(Picture picture, const char* fileName);
    void drawSponsorBoards() const;
    void drawEventBanner() const;

    std::array<std::unique_ptr<Image>, pictureCount> images;
};
