#include "gui/Image.h"

#include "gui/Menu.h"

#include "gui/Canvas.h"
#include "gui/ResourcePictures.h"

namespace zelkova {

Image::Image(Component* owner) : Control(owner) { Control::SetBounds(0, 0, 105, 105); }

const PropertyTable& Image::PublishedProperties() const {
    static const PropertyTable table(Control::PublishedProperties(),
                                     {
                                         {"Cursor", Setter(&Image::SetCursor)},
                                         {"AutoSize", Setter(&Image::SetAutoSize)},
                                         {"Picture", Setter(&Image::SetPicture)},
                                         {"PopupMenu", Setter(&Image::SetPopupMenu)},
                                         {"Stretch", Setter(&Image::SetStretch)},
                                         {"Transparent", Setter(&Image::SetTransparent)},
                                         {"Visible", Setter(&Image::SetVisible)},
                                         {"OnClick", Setter(&Image::SetOnClick)},
                                     });
    return table;
}

Size Image::PictureSize() const {
    if (bitmap_) {
        const SIZE size = BitmapSize(bitmap_.get());
        return Size{size.cx, size.cy};
    }
    if (icon_) return Size{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
    return Size{};
}

void Image::SetBitmap(OwnedBitmap bitmap) {
    icon_.reset();
    bitmap_ = std::move(bitmap);
    PictureChanged();
}

void Image::SetIcon(OwnedIcon icon) {
    bitmap_.reset();
    icon_ = std::move(icon);
    PictureChanged();
}

void Image::SetPicture(const PictureSpec& picture) {
    const char* name = picture.resource.c_str();
    switch (picture.kind) {
        case PictureSpec::Kind::Bitmap: SetBitmap(LoadBitmapPicture(name)); return;
        case PictureSpec::Kind::Icon: SetIcon(LoadIconPicture(name, picture.size)); return;
        case PictureSpec::Kind::Jpeg: SetBitmap(LoadJpegPicture(name)); return;
    }
}

void Image::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    PictureChanged();
}

void Image::SetStretch(bool stretch) {
    stretch_ = stretch;
    Invalidate();
}

void Image::SetTransparent(bool transparent) {
    transparent_ = transparent;
    Invalidate();
}

void Image::PictureChanged() {
    if (autoSize_ && !Empty()) {
        const Size size = PictureSize();
        Control::SetBounds(Left(), Top(), size.width, size.height);
    }
    Invalidate();
}

void Image::Paint(Canvas& canvas) {
    HDC dc = canvas.Handle();
    if (icon_) {
        DrawIconEx(dc, 0, 0, icon_.get(), 0, 0, 0, nullptr, DI_NORMAL);
        return;
    }
    if (!bitmap_) return;
    const Size size = PictureSize();
    const Rect target = stretch_ ? ClientRect() : Rect{0, 0, size.width, size.height};
    BitmapCanvas source(dc, bitmap_.get());
    if (transparent_) {
        // The bottom-left pixel names the transparent colour, as with bitmap pictures generally.
        const COLORREF key = GetPixel(source.dc(), 0, size.height - 1);
        TransparentBlt(dc, target.left, target.top, target.Width(), target.Height(), source.dc(), 0,
                       0, size.width, size.height, key);
        return;
    }
    canvas.CopyRect(target, source.dc(), Rect{0, 0, size.width, size.height});
}

}  // namespace zelkova
