// ScreenPicture: a picture shown as one textured quad filling the menu-style fixed view.
#pragma once

#include <memory>

class Image;

// A point of the picture, in fractions of it: x from the left, y from the top.
struct PicturePoint {
    float x;
    float y;
};

class ScreenPicture {
public:
    // How far from the picture the fixed view looks at it, along z.
    static constexpr double eyeDistance = 14.0;

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

    // The picture point shown under a window point given in fractions of the
    // window (x from the left, y from the top), seen from eyeDistance in a
    // window of windowAspect (width over height) under a vertical field of
    // view of fieldOfViewY degrees. Outside the picture, fractions beyond 0..1.
    PicturePoint pointAt(float fx, float fy, double windowAspect, double fieldOfViewY) const;

private:
    void makeTexture();

    std::unique_ptr<Image> image;
    float aspect;
};
