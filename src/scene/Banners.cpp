#include "scene/Banners.h"

#include "image/Image.h"

#include <GL/gl.h>

namespace {

constexpr float boardBottom = 0.8f;
constexpr float boardTop = 4.6f;

// One board, standing on edge from its start to its end point (x, z).
struct Board {
    Banners::Picture picture;
    float startX, startZ;
    float endX, endZ;
};

// The rows along z = -65 and z = +65, then the end wall at x = 265 either side
// of the event banner.
const Board sponsorBoards[] = {
    {Banners::sponsor5, 220.0f, -65.0f, 235.0f, -65.0f},
    {Banners::sponsor5, 220.0f, 65.0f, 235.0f, 65.0f},
    {Banners::sponsor4, 235.0f, -65.0f, 250.0f, -65.0f},
    {Banners::sponsor4, 235.0f, 65.0f, 250.0f, 65.0f},
    {Banners::sponsor3, 250.0f, -65.0f, 265.0f, -65.0f},
    {Banners::sponsor3, 250.0f, 65.0f, 265.0f, 65.0f},
    {Banners::sponsor2, 265.0f, -65.0f, 265.0f, -50.0f},
    {Banners::sponsor2, 265.0f, 65.0f, 265.0f, 50.0f},
    {Banners::sponsor1, 265.0f, -50.0f, 265.0f, -35.0f},
    {Banners::sponsor1, 265.0f, 50.0f, 265.0f, 35.0f},
};

void corner(float s, float t, float x, float y, float z) {
    glTexCoord2f(s, t);
    glVertex3f(x, y, z);
}

}  // namespace

Banners::Banners() {
    for (auto& picture : images) picture = std::make_unique<Image>();
    loadTextures();
}

Banners::~Banners() = default;

void Banners::loadTextures() {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    loadPicture(sponsor5, "textures\\dapplecrux.bmp");
    loadPicture(sponsor4, "textures\\brolunt.bmp");
    loadPicture(sponsor3, "textures\\wornel.bmp");
    loadPicture(sponsor2, "textures\\krenn.bmp");
    loadPicture(sponsor1, "textures\\ulmar.bmp");
    loadPicture(event, "textures\\qvl_banner.bmp");
}

void Banners::loadPicture(Picture picture, const char* fileName) {
    Image& image = *images[picture];
    image.load(fileName);
    image.makeMipmappedRgbTexture(GL_LINEAR_MIPMAP_NEAREST);
}

void Banners::draw() const {
    glDisable(GL_CULL_FACE);
    glDisable(GL_BLEND);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
        drawSponsorBoards();
    glEnable(GL_CULL_FACE);
        drawEventBanner();
    glEnable(GL_BLEND);
    glColorMaterial(GL_FRONT, GL_AMBIENT_AND_DIFFUSE);
}

// Both rows run their pictures from x = 220 toward x = 265, so from inside the
// finish area the -z row reads unmirrored and the +z row mirrored.
void Banners::drawSponsorBoards() const {
    for (const Board& board : sponsorBoards) {
        glBindTexture(GL_TEXTURE_2D, images[board.picture]->texture);
        glBegin(GL_QUADS);
            corner(0.0f, 0.0f, board.startX, boardBottom, board.startZ);
            corner(1.0f, 0.0f, board.endX, boardBottom, board.endZ);
            corner(1.0f, 1.0f, board.endX, boardTop, board.endZ);
            corner(0.0f, 1.0f, board.startX, boardTop, board.startZ);
        glEnd();
    }
}

// Two quads back to back, each wound so that front-face culling leaves it to
// the viewers on its own side, who both read the picture unmirrored.
void Banners::drawEventBanner() const {
    glBindTexture(GL_TEXTURE_2D, images[event]->texture);
    glBegin(GL_QUADS);
        corner(1.0f, 0.0f, 265.0f, boardBottom, 35.0f);
        corner(0.0f, 0.0f, 265.0f, boardBottom, -35.0f);
        corner(0.0f, 1.0f, 265.0f, boardTop, -35.0f);
        corner(1.0f, 1.0f, 265.0f, boardTop, 35.0f);

        corner(1.0f, 0.0f, 265.05f, boardBottom, -35.0f);
        corner(0.0f, 0.0f, 265.05f, boardBottom, 35.0f);
        corner(0.0f, 1.0f, 265.05f, boardTop, 35.0f);
        corner(1.0f, 1.0f, 265.05f, boardTop, -35.0f);
    glEnd();
}
