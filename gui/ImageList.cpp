#include "gui/ImageList.h"

#include <stdexcept>

namespace zelkova {

ImageList::ImageList(Component* owner, int width, int height)
    : Component(owner), width_(width), height_(height) {
    list_.reset(ImageList_Create(width, height, ILC_COLOR24 | ILC_MASK, 4, 4));
    if (!list_) throw GdiError("Cannot create image list");
}

int ImageList::Count() const { return ImageList_GetImageCount(list_.get()); }

int ImageList::AddMasked(HBITMAP image, COLORREF maskColor) {
    const int index = ImageList_AddMasked(list_.get(), image, maskColor);
    if (index < 0) throw GdiError("Cannot add image");
    return index;
}

OwnedBitmap ImageList::GetBitmap(int index, COLORREF background) const {
    if (index < 0 || index >= Count()) throw std::out_of_range("Image index out of range");
    WindowDC screen(nullptr);
    OwnedBitmap bitmap = CreateCompatibleBitmapOf(screen.get(), width_, height_);
    BitmapCanvas canvas(screen.get(), bitmap.get());
    OwnedBrush brush(CreateSolidBrush(background));
    const RECT all{0, 0, width_, height_};
    FillRect(canvas.dc(), &all, brush.get());
    ImageList_Draw(list_.get(), index, canvas.dc(), 0, 0, ILD_NORMAL);
    return bitmap;
}

}  // namespace zelkova
