// A list of equally sized images as a component (the images of an action list).
#pragma once

#include "gui/Component.h"
#include "gui/Gdi.h"

namespace zelkova {

class ImageList : public Component {
public:
    ImageList(Component* owner, int width, int height);

    std::string_view ClassName() const override { return "TImageList"; }

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const;
    HIMAGELIST Handle() const { return list_.get(); }

    // Adds an image of the list's size, the pixels of maskColor transparent. Returns its index.
    int AddMasked(HBITMAP image, COLORREF maskColor);
    // The image at index drawn on a bitmap of the list's size filled with background.
    // Throws std::out_of_range for an index outside the list.
    OwnedBitmap GetBitmap(int index, COLORREF background) const;

private:
    int width_;
    int height_;
    OwnedImageList list_;
};

}  // namespace zelkova
