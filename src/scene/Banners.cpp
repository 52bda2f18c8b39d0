#include "scene/Banners.h"

#include "common/CourseLayout.h"

#include <GL/gl.h>

namespace {

constexpr float boardBottom = 0.8f;
constexpr float boardTop = 4.6f;

// The boards stand on the fence lines, all of one length: three along each
// side (joints x0 to x3), two from each corner of the end wall (joint z =
// +-wallJoint) and the event banner between those (z = +-bannerHalf).
constexpr float x0 = courseLayout::fenceStartX;
constexpr float x3 = courseLayout::fenceEndX;
constexpr float side = courseLayout::fenceSideZ;
constexpr float length = (x3 - x0) / 3.0f;
constexpr float x1 = x0 + length, x2 = x0 + 2.0f * length;
constexpr float wallJoint = side - length, bannerHalf = side - 2.0f * length;

// One sponsor board, standing on edge from its start to its end point (x, z).
struct SponsorBoard {
    Banners::Picture picture;
    float startX, startZ;
    float endX, endZ;
};

// The rows along z = -side and z = +side, then the end wall either side of the
// event banner.
const SponsorBoard sponsorBoards[] = {
    {Banners::sponsor5, x0, -side, x1, -side},
    {Banners::sponsor5, x0, side, x1, side},
    {Banners::sponsor4, x1, -side, x2, -side},
    {Banners::sponsor4, x1, side, x2, side},
    {Banners::sponsor3, x2, -side, x3, -side},
    {Banners::sponsor3, x2, side, x3, side},
    {Banners::sponsor2, x3, -side, x3, -wallJoint},
    {Banners::sponsor2, x3, side, x3, wallJoint},
    {Banners::sponsor1, x3, -wallJoint, x3, -bannerHalf},
    {Banners::sponsor1, x3, wallJoint, x3, bannerHalf},
};
// The event banner's second face, just behind the first.
constexpr float bannerBackX = x3 + 0.05f;

void corner(float s, float t, float x, float y, float z) {
    glTexCoord2f(s, t);
    glVertex3f(x, y, z);
}

}  // namespace

Banners::Banners()
    : textures({{sponsor5, "textures\\dapplecrux.bmp"},
                {sponsor4, "textures\\brolunt.bmp"},
                {sponsor3, "textures\\wornel.bmp"},
                {sponsor2, "textures\\krenn.bmp"},
                {sponsor1, "textures\\ulmar.bmp"},
                {event, "textures\\qvl_banner.bmp"}},
               GL_LINEAR_MIPMAP_NEAREST, false) {}

Banners::~Banners() = default;

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

// Both rows run their pictures toward the end wall, so from inside the finish
// area the -z row reads unmirrored and the +z row mirrored.
void Banners::drawSponsorBoards() const {
    for (const SponsorBoard& board : sponsorBoards) {
        glBindTexture(GL_TEXTURE_2D, textures.texture(board.picture));
        glBegin(GL_QUADS);
        {
            corner(0.0f, 0.0f, board.startX, boardBottom, board.startZ);
            corner(1.0f, 0.0f, board.endX, boardBottom, board.endZ);
            corner(1.0f, 1.0f, board.endX, boardTop, board.endZ);
            corner(0.0f, 1.0f, board.startX, boardTop, board.startZ);
        }
        glEnd();
    }
}

// Two quads back to back, each wound so that front-face culling leaves it to
// the viewers on its own side, who both read the picture unmirrored.
void Banners::drawEventBanner() const {
    glBindTexture(GL_TEXTURE_2D, textures.texture(event));
    glBegin(GL_QUADS);
    {
        corner(1.0f, 0.0f, x3, boardBottom, bannerHalf);
        corner(0.0f, 0.0f, x3, boardBottom, -bannerHalf);
        corner(0.0f, 1.0f, x3, boardTop, -bannerHalf);
        corner(1.0f, 1.0f, x3, boardTop, bannerHalf);

        corner(1.0f, 0.0f, bannerBackX, boardBottom, -bannerHalf);
        corner(0.0f, 0.0f, bannerBackX, boardBottom, bannerHalf);
        corner(0.0f, 1.0f, bannerBackX, boardTop, bannerHalf);
        corner(1.0f, 1.0f, bannerBackX, boardTop, -bannerHalf);
    }
    glEnd();
}
