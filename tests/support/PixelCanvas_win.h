// A 32-bit top-down DIB section with its DC, for tests that draw and then read pixels back.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "gui/Gdi.h"

namespace zelkova::testing {

class PixelCanvas {
public:
    PixelCanvas(int width, int height, COLORREF fill = RGB(255, 255, 255));
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    HDC dc() const noexcept { return canvas_.dc(); }
    HBITMAP bitmap() const noexcept { return bitmap_.get(); }
    int width() const noexcept { return width_; }
    int height() const noexcept { return height_; }

    // Flushes GDI, then reads the pixel as a COLORREF (0x00BBGGRR).
    COLORREF Pixel(int x, int y) const;
    void Fill(COLORREF colour);
    void SetPixelColour(int x, int y, COLORREF colour);

    // Writes the canvas as a 24-bit BMP file, to look at a failing drawing.
    void SaveBmp(const std::string& path) const;

private:
    int width_;
    int height_;
    unsigned char* bits_ = nullptr;
    OwnedBitmap bitmap_;
    BitmapCanvas canvas_;
};

// A display-format bitmap (what LoadImage gives for a resource) with the given pixels, row by
// row from the top.
OwnedBitmap MakeBitmap(int width, int height, const std::vector<COLORREF>& pixels);

// The same pixels as a 32-bit DIB section (what the theme layer gives).
OwnedBitmap MakeDib(int width, int height, const std::vector<COLORREF>& pixels);

// Pixels of a bitmap that is not selected into any DC, row by row from the top.
std::vector<COLORREF> ReadBitmap(HBITMAP bitmap);

std::string DescribeColour(COLORREF colour);

}  // namespace zelkova::testing
