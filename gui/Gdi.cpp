#include "gui/Gdi.h"

#include <algorithm>

#include "gui/SystemError.h"

namespace zelkova {

namespace {

OwnedMemoryDC CreateMemoryDC(HDC compatibleWith) {
    OwnedMemoryDC dc(CreateCompatibleDC(compatibleWith));
    if (!dc) throw GdiError("Cannot create a memory device context");
    return dc;
}

}  // namespace

BitmapCanvas::BitmapCanvas(HDC compatibleWith, HBITMAP bitmap)
    : dc_(CreateMemoryDC(compatibleWith)), selection_(dc_.get(), bitmap) {
    if (!selection_.Selected()) throw GdiError("Cannot select a bitmap into a device context");
}

OffscreenBuffer::OffscreenBuffer(HDC compatibleWith, int width, int height)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      bitmap_(CreateDib32(width_, height_, &pixels_)),
      canvas_(compatibleWith, bitmap_.get()) {}

void OffscreenBuffer::Present(HDC target, int x, int y) const noexcept {
    BitBlt(target, x, y, width_, height_, canvas_.dc(), 0, 0, SRCCOPY);
}

SIZE BitmapSize(HBITMAP bitmap) noexcept {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof info, &info) != sizeof info) return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

std::optional<DibPixels> Dib32Pixels(HBITMAP bitmap) noexcept {
    DIBSECTION section{};
    if (bitmap == nullptr || GetObjectA(bitmap, sizeof section, &section) != sizeof section) {
        return std::nullopt;
    }
    const BITMAPINFOHEADER& header = section.dsBmih;
    const bool plainChannels =
        header.biCompression == BI_RGB ||
        (header.biCompression == BI_BITFIELDS && section.dsBitfields[0] == 0xFF0000 &&
         section.dsBitfields[1] == 0x00FF00 && section.dsBitfields[2] == 0x0000FF);
    if (section.dsBm.bmBits == nullptr || section.dsBm.bmBitsPixel != 32 || !plainChannels) {
        return std::nullopt;
    }
    DibPixels pixels;
    pixels.width = section.dsBm.bmWidth;
    pixels.height = section.dsBm.bmHeight;
    auto* first = static_cast<std::uint32_t*>(section.dsBm.bmBits);
    auto* lastRow = first + static_cast<std::ptrdiff_t>(pixels.height - 1) * pixels.width;
    // GetObject reports a top-down section's height as positive too, so ask GDI for the top-left
    // pixel after marking the first stored one, and see which stored row it came from.
    GdiFlush();
    const std::uint32_t saved = *first;
    const std::uint32_t bottomLeft = *lastRow & 0xFFFFFF;
    const std::uint32_t marker = ~bottomLeft & 0xFFFFFF;
    *first = marker;
    std::uint32_t topLeft = 0;
    const LONG copied = GetBitmapBits(bitmap, sizeof topLeft, &topLeft);
    *first = saved;
    topLeft &= 0xFFFFFF;
    if (copied != sizeof topLeft) return std::nullopt;
    if (topLeft == marker) {
        pixels.top = first;
        pixels.stride = pixels.width;
    } else if (topLeft == bottomLeft && pixels.height > 1) {
        pixels.top = lastRow;
        pixels.stride = -static_cast<std::ptrdiff_t>(pixels.width);
    } else {
        return std::nullopt;
    }
    return pixels;
}

OwnedBitmap CreateDib32(int width, int height, DibPixels* pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = std::max(width, 1);
    info.bmiHeader.biHeight = -std::max(height, 1);
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    OwnedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap || bits == nullptr)
        throw GdiError(WithSystemError("Cannot create a bitmap", bitmap ? 0 : GetLastError()));
    if (pixels != nullptr) {
        *pixels = DibPixels{static_cast<std::uint32_t*>(bits), info.bmiHeader.biWidth,
                            info.bmiHeader.biWidth, -info.bmiHeader.biHeight};
    }
    return bitmap;
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
