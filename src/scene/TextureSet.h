// TextureSet: the scenery's pictures (sky faces, banners), each in a mipmapped RGB texture of its own.
#pragma once

#include <initializer_list>
#include <memory>
#include <vector>

class Image;

class TextureSet {
public:
    struct File {
        int slot;
        const char* name;
    };

    // Sets an unpack alignment of 1, then reads the files in the order given,
    // each into its slot, and makes its texture with the given minification
    // filter and linear magnification; clampEdges also clamps s and t. The
    // slots run from 0 to the number of files - 1; another throws
    // std::out_of_range. A picture that can't be read leaves its slot's
    // texture without an image, which GL draws as if texturing were off.
    TextureSet(std::initializer_list<File> files, int minFilter, bool clampEdges);
    ~TextureSet();
    TextureSet(const TextureSet&) = delete;
    TextureSet& operator=(const TextureSet&) = delete;

    // The GL texture name of a slot.
    unsigned int texture(int slot) const;
    // True when the slot's picture was read.
    bool hasPicture(int slot) const;

private:
    std::vector<std::unique_ptr<Image>> images;
};
