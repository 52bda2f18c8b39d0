#include "ui/ScreenPicture.h"

#include "common/Maths.h"
#include "image/Image.h"

#include <GL/gl.h>

#include <cmath>

namespace {
const float paintedAspect = 0.75f;
const float halfWidth = 5.0f;
}  // namespace

ScreenPicture::ScreenPicture(const char* fileName, int windowWidth, int windowHeight)
    : image(std::make_unique<Image>()), aspect(paintedAspect) {
    image->load(fileName);
    if (windowWidth > 0 && windowHeight > 0) {
        aspect = static_cast<float>(windowHeight) / static_cast<float>(windowWidth);
    }
    makeTexture();
}

ScreenPicture::~ScreenPicture() = default;

void ScreenPicture::makeTexture() {
    // Every later upload in the game relies on this staying set.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    image->makeMipmappedRgbTexture(GL_LINEAR_MIPMAP_NEAREST);
}

// The view's half height at the picture's plane, in the quad's units, scales
// window fractions (from the middle) into picture fractions.
PicturePoint ScreenPicture::pointAt(float fx, float fy, double windowAspect, double fieldOfViewY) const {
    const double halfView = eyeDistance * std::tan(fieldOfViewY / 2.0 * maths::radiansPerDegree);
    return {static_cast<float>(0.5 + (fx - 0.5) * halfView * windowAspect / halfWidth),
            static_cast<float>(0.5 + (fy - 0.5) * halfView / (halfWidth * aspect))};
}

void ScreenPicture::draw() const {
    const float h = aspect * halfWidth;
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);

    {
        glBindTexture(GL_TEXTURE_2D, image->texture);
        glBegin(GL_TRIANGLE_STRIP);
        glTexCoord2d(1.0, 1.0);
        glVertex3f(halfWidth, h, 0.0f);
        glTexCoord2d(0.0, 1.0);
        glVertex3f(-halfWidth, h, 0.0f);
        glTexCoord2d(1.0, 0.0);
        glVertex3f(halfWidth, -h, 0.0f);
        glTexCoord2d(0.0, 0.0);
        glVertex3f(-halfWidth, -h, 0.0f);
        glEnd();
    }
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
}
