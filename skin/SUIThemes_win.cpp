#include "skin/SUIThemes_win.h"

#include <string>

namespace zelkova {

void LoadThemeBitmap(TsuiUIStyle style, int index, OwnedBitmap* bitmap) {
    if (bitmap == nullptr) return;
    if (LookupThemeEntry(style, index).kind != TsuiThemeEntryKind::suiEntryBitmap) return;
    const std::string name(ThemeBitmapName(style, index));
    // A device-dependent bitmap in the display's format: the fuchsia key then survives exactly,
    // whatever the resource's own depth, and copies to the screen need no conversion.
    OwnedBitmap loaded(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    if (!loaded) throw ThemeResourceError("Resource " + name + " not found");
    *bitmap = std::move(loaded);
}

void GetThemeBitmap(TsuiUIStyle style, int index, OwnedBitmap* graphic, int frameCount,
                    int frameIndex) {
    if (graphic == nullptr) return;
    if (frameCount == 0) {
        LoadThemeBitmap(style, index, graphic);
        return;
    }
    OwnedBitmap strip;
    LoadThemeBitmap(style, index, &strip);
    if (!strip) return;
    ExtractBitmapFrame(strip.get(), *graphic, frameCount, frameIndex);
}

void ExtractBitmapFrame(HBITMAP source, OwnedBitmap& target, int frameCount, int frameIndex) {
    if (source == nullptr) return;
    const SIZE size = BitmapSize(source);
    const auto frame = StripFrameColumns(size.cx, size.cy, frameCount, frameIndex);
    if (!frame) return;
    if (frame->width <= 0 || frame->height <= 0) {
        target.reset();
        return;
    }
    WindowDC screen(nullptr);
    BitmapCanvas from(screen.get(), source);
    OwnedBitmap copy = CreateCompatibleBitmapOf(from.dc(), frame->width, frame->height);
    {
        BitmapCanvas to(screen.get(), copy.get());
        BitBlt(to.dc(), 0, 0, frame->width, frame->height, from.dc(), frame->left, 0, SRCCOPY);
    }
    target = std::move(copy);
}

}  // namespace zelkova
