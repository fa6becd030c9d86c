// A picture without a window, painted by its parent: a bitmap (stretched or not, optionally
// transparent) or an icon.
#pragma once

#include "gui/Control.h"
#include "gui/Gdi.h"

namespace zelkova {

struct IconTraits {
    using Handle = HICON;
    static void Close(HICON icon) noexcept { DestroyIcon(icon); }
};
using OwnedIcon = UniqueHandle<IconTraits>;

class Image : public Control {
public:
    explicit Image(Component* owner);

    std::string_view ClassName() const override { return "TImage"; }
    const PropertyTable& PublishedProperties() const override;

    // Takes the picture; an icon replaces a bitmap and the other way round.
    void SetBitmap(OwnedBitmap bitmap);
    void SetIcon(OwnedIcon icon);
    // Loads the named resource; a missing or damaged one leaves the image empty.
    void SetPicture(const PictureSpec& picture);
    HBITMAP Bitmap() const { return bitmap_.get(); }
    bool Empty() const { return !bitmap_ && !icon_; }
    Size PictureSize() const;

    void SetAutoSize(bool autoSize);
    void SetStretch(bool stretch);
    void SetTransparent(bool transparent);

    void Paint(Canvas& canvas) override;

private:
    void PictureChanged();

    OwnedBitmap bitmap_;
    OwnedIcon icon_;
    bool autoSize_ = false;
    bool stretch_ = false;
    bool transparent_ = false;
};

}  // namespace zelkova
