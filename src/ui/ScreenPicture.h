// ScreenPicture: a picture shown as one textured quad filling the menu-style fixed view.
#pragma once

#include <memory>

class Image;

class ScreenPicture {
public:
    // Loads the picture and makes its mipmapped texture (needs a GL context).
    // A picture that can't be read, or holds fewer bytes than its size says,
    // leaves the texture without an image. A non-positive window size is taken
    // as 4:3, the shape the pictures are painted for.
    ScreenPicture(const char* fileName, int windowWidth, int windowHeight);
    ~ScreenPicture();
    ScreenPicture(const ScreenPicture&) = delete;
    ScreenPicture& operator=(const ScreenPicture&) = delete;

    // The quad, 10 units wide and 10 x aspect high, centred on the origin at
    // z = 0, in the current colour. Lighting, depth test and culling are
    // switched off around it and back on afterwards.
    void draw() const;

    // Window height over window width, from the constructor's size.
    float aspectRatio() const { return aspect; }

private:
    void makeTexture();

    std::unique_ptr<Image> image;
    float aspect;
};
