// Owning and scoped wrappers for GDI handles. Ownership is in the type: an `OwnedBitmap` deletes
// its bitmap, a plain HBITMAP is borrowed. Every wrapper is move-only or pinned to its scope.
//
// Destruction order matters with GDI: an object still selected into a DC must not be deleted.
// Declare the object before the `ScopedSelectObject` that selects it, so the selection is undone
// first.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <utility>

#include "base/UniqueHandle.h"

namespace zelkova {

// A GDI call that should not fail under normal conditions did (usually resource exhaustion).
class GdiError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

template <typename H>
struct GdiObjectTraits {
    using Handle = H;
    static void Close(H handle) noexcept { DeleteObject(handle); }
};

struct MemoryDCTraits {
    using Handle = HDC;
    static void Close(HDC dc) noexcept { DeleteDC(dc); }
};

struct ImageListTraits {
    using Handle = HIMAGELIST;
    static void Close(HIMAGELIST list) noexcept { ImageList_Destroy(list); }
};

// A class rather than an alias so that portable headers can declare it without <windows.h>.
class OwnedBitmap : public UniqueHandle<GdiObjectTraits<HBITMAP>> {
public:
    using UniqueHandle::UniqueHandle;
};
using OwnedBrush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using OwnedPen = UniqueHandle<GdiObjectTraits<HPEN>>;
using OwnedFont = UniqueHandle<GdiObjectTraits<HFONT>>;
using OwnedRegion = UniqueHandle<GdiObjectTraits<HRGN>>;
using OwnedMemoryDC = UniqueHandle<MemoryDCTraits>;
using OwnedImageList = UniqueHandle<ImageListTraits>;

// Selects an object into a DC for one scope and puts the previous one back.
class ScopedSelectObject {
public:
    ScopedSelectObject(HDC dc, HGDIOBJ object) noexcept
        : dc_(dc), previous_(SelectObject(dc, object)) {}
    ScopedSelectObject(const ScopedSelectObject&) = delete;
    ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;
    ~ScopedSelectObject() {
        if (Selected()) SelectObject(dc_, previous_);
    }

    // Selects another object of the same kind in its place; what the destructor puts back is
    // still the object found there first (or, when the first selection failed, before this one).
    void Reselect(HGDIOBJ object) noexcept {
        HGDIOBJ previous = SelectObject(dc_, object);
        if (!Selected()) previous_ = previous;
    }

    // False when the DC refused the object (a bitmap selected into another DC, say).
    bool Selected() const noexcept { return previous_ != nullptr && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Saves the whole DC state (origins, clip region, selected objects, colours) for one scope.
class SavedDCState {
public:
    explicit SavedDCState(HDC dc) noexcept : dc_(dc), saved_(SaveDC(dc)) {}
    SavedDCState(const SavedDCState&) = delete;
    SavedDCState& operator=(const SavedDCState&) = delete;
    ~SavedDCState() {
        if (saved_ != 0) RestoreDC(dc_, saved_);
    }

private:
    HDC dc_;
    int saved_;
};

// The DC of a window's client area (GetDC / ReleaseDC); a null window gives the screen DC.
class WindowDC {
public:
    explicit WindowDC(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() {
        if (dc_ != nullptr) ReleaseDC(window_, dc_);
    }

    HDC get() const noexcept { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// The DC of one WM_PAINT (BeginPaint / EndPaint).
class PaintDC {
public:
    explicit PaintDC(HWND window) noexcept : window_(window), paint_{} {
        dc_ = BeginPaint(window, &paint_);
    }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() {
        if (dc_ != nullptr) EndPaint(window_, &paint_);
    }

    HDC get() const noexcept { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_;
    HDC dc_;
};

// A memory DC with a borrowed bitmap selected into it for one scope: the canvas of a bitmap.
class BitmapCanvas {
public:
    // Throws GdiError when no DC can be had or the bitmap cannot be selected into it (a bitmap
    // can be selected into one DC at a time).
    BitmapCanvas(HDC compatibleWith, HBITMAP bitmap);
    BitmapCanvas(const BitmapCanvas&) = delete;
    BitmapCanvas& operator=(const BitmapCanvas&) = delete;

    HDC dc() const noexcept { return dc_.get(); }

private:
    OwnedMemoryDC dc_;
    ScopedSelectObject selection_;
};

// The pixels of a 32-bit DIB section, 0x00RRGGBB (blue in the low byte), whichever way up it is
// stored. Call GdiFlush() before touching them while GDI may still be drawing into the bitmap.
struct DibPixels {
    std::uint32_t* top = nullptr;  // the first pixel of the top row
    std::ptrdiff_t stride = 0;     // pixels from one row to the row below; negative for bottom-up
    int width = 0;
    int height = 0;

    std::uint32_t* Row(int y) const noexcept { return top + y * stride; }
};

// The pixels of bitmap when it is a 32-bit DIB section with the ordinary channel layout.
std::optional<DibPixels> Dib32Pixels(HBITMAP bitmap) noexcept;

// A zero-filled top-down 32-bit DIB section; a zero-sized request gives 1 x 1. When pixels is
// given it receives the section's pixels. Throws GdiError.
OwnedBitmap CreateDib32(int width, int height, DibPixels* pixels = nullptr);

// An off-screen 32-bit DIB section of the given size with its memory DC. Compose into dc(), then
// Present() copies the whole buffer to a target in one step.
class OffscreenBuffer {
public:
    // Throws GdiError when the bitmap or DC cannot be made.
    OffscreenBuffer(HDC compatibleWith, int width, int height);
    OffscreenBuffer(const OffscreenBuffer&) = delete;
    OffscreenBuffer& operator=(const OffscreenBuffer&) = delete;

    // The buffer's pixels, for drawing that GDI does slowly. Flush GDI first.
    const DibPixels& Pixels() const noexcept { return pixels_; }

    HDC dc() const noexcept { return canvas_.dc(); }
    HBITMAP bitmap() const noexcept { return bitmap_.get(); }
    int width() const noexcept { return width_; }
    int height() const noexcept { return height_; }

    // Copies the whole buffer to target with its top-left at (x, y).
    void Present(HDC target, int x = 0, int y = 0) const noexcept;

private:
    int width_;
    int height_;
    DibPixels pixels_;
    OwnedBitmap bitmap_;
    BitmapCanvas canvas_;
};

// False for a memory DC that still holds its initial monochrome bitmap.
bool HasColourFormat(HDC dc) noexcept;

// Width and height of a bitmap; (0, 0) for a null or invalid handle.
SIZE BitmapSize(HBITMAP bitmap) noexcept;

// A bitmap compatible with the DC; a zero-sized request gives a 1 x 1 bitmap rather than the
// shared stock bitmap. Throws GdiError on failure.
OwnedBitmap CreateCompatibleBitmapOf(HDC dc, int width, int height);

}  // namespace zelkova
