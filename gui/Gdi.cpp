#include "gui/Gdi.h"

#include <algorithm>

namespace zelkova {

namespace {

OwnedMemoryDC CreateMemoryDC(HDC compatibleWith) {
    OwnedMemoryDC dc(CreateCompatibleDC(compatibleWith));
    if (!dc) throw GdiError("Cannot create a memory device context");
    return dc;
}

}  // namespace

BitmapCanvas::BitmapCanvas(HDC compatibleWith, HBITMAP bitmap)
    : dc_(CreateMemoryDC(compatibleWith)), selection_(dc_.get(), bitmap) {}

OffscreenBuffer::OffscreenBuffer(HDC compatibleWith, int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      bitmap_(CreateCompatibleBitmapOf(compatibleWith, width_, height_)),
      canvas_(compatibleWith, bitmap_.get()) {}

void OffscreenBuffer::Present(HDC target, int x, int y) const noexcept {
    BitBlt(target, x, y, width_, height_, canvas_.dc(), 0, 0, SRCCOPY);
}

SIZE BitmapSize(HBITMAP bitmap) noexcept {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) != sizeof info) return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

bool HasColourFormat(HDC dc) noexcept {
    if (GetObjectType(dc) != OBJ_MEMDC) return true;
    // A fresh memory DC holds a 1 x 1 monochrome bitmap: anything made compatible with it would be
    // monochrome too.
    BITMAP info{};
    HGDIOBJ current = GetCurrentObject(dc, OBJ_BITMAP);
    return current != nullptr && GetObjectA(current, sizeof info, &info) == sizeof info &&
           info.bmBitsPixel > 1;
}

OwnedBitmap CreateCompatibleBitmapOf(HDC dc, int width, int height) {
    const int w = std::max(width, 1);
    const int h = std::max(height, 1);
    OwnedBitmap bitmap;
    if (dc != nullptr && HasColourFormat(dc)) {
        bitmap.reset(CreateCompatibleBitmap(dc, w, h));
    } else {
        WindowDC screen(nullptr);
        bitmap.reset(CreateCompatibleBitmap(screen.get(), w, h));
    }
    if (!bitmap) throw GdiError("Cannot create a bitmap");
    return bitmap;
}

}  // namespace zelkova
