#include "ui/ScreenPicture.h"

#include "image/Image.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {
const float paintedAspect = 0.75f;
}

ScreenPicture::ScreenPicture(const char* fileName, int windowWidth, int windowHeight)
    : image(new Image), aspect(paintedAspect) {
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
    glGenTextures(1, &image->texture);
    glBindTexture(GL_TEXTURE_2D, image->texture);

    const size_t width = image->width > 0 ? static_cast<size_t>(image->width) : 0;
    const size_t height = image->height > 0 ? static_cast<size_t>(image->height) : 0;
    // GLU reads width x height RGB pixels whatever the buffer holds.
    if (width > 0 && height > 0 && image->pixels.size() >= width * height * 3) {
        gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, image->width, image->height, GL_RGB, GL_UNSIGNED_BYTE,
                          image->pixels.data());
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

void ScreenPicture::draw() const {
    const float h = aspect * 5.0f;
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);

        glBindTexture(GL_TEXTURE_2D, image->texture);
        glBegin(GL_TRIANGLE_STRIP);
        glTexCoord2d(1.0, 1.0);
        glVertex3f(5.0f, h, 0.0f);
        glTexCoord2d(0.0, 1.0);
        glVertex3f(-5.0f, h, 0.0f);
        glTexCoord2d(1.0, 0.0);
        glVertex3f(5.0f, -h, 0.0f);
        glTexCoord2d(0.0, 0.0);
        glVertex3f(-5.0f, -h, 0.0f);
        glEnd();

    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
}
