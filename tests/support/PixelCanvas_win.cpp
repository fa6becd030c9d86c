#include "support/PixelCanvas_win.h"

#include <cstdio>
#include <stdexcept>

namespace zelkova::testing {

namespace {

BITMAPINFO TopDown32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

OwnedBitmap MakeDib(int width, int height, unsigned char** bits) {
    const BITMAPINFO info = TopDown32(width, height);
    void* raw = nullptr;
    OwnedBitmap dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &raw, nullptr, 0));
    if (!dib)
        throw std::runtime_error("CreateDIBSection failed");
    *bits = static_cast<unsigned char*>(raw);
    return dib;
}

COLORREF FromBgrx(const unsigned char* p) {
    return RGB(p[2], p[1], p[0]);
}

}  // namespace

PixelCanvas::PixelCanvas(int width, int height, COLORREF fill)
    : width_(width),
      height_(height),
      bitmap_(MakeDib(width, height, &bits_)),
      canvas_(nullptr, bitmap_.get()) {
    Fill(fill);
}

COLORREF PixelCanvas::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw std::out_of_range("pixel outside");
    GdiFlush();
    return FromBgrx(bits_ + (static_cast<size_t>(y) * width_ + x) * 4);
}

void PixelCanvas::SetPixelColour(int x, int y, COLORREF colour) {
    GdiFlush();
    unsigned char* p = bits_ + (static_cast<size_t>(y) * width_ + x) * 4;
    p[0] = GetBValue(colour);
    p[1] = GetGValue(colour);
    p[2] = GetRValue(colour);
    p[3] = 0;
}

void PixelCanvas::Fill(COLORREF colour) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) SetPixelColour(x, y, colour);
    }
}

void PixelCanvas::SaveBmp(const std::string& path) const {
    GdiFlush();
    const int stride = (width_ * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = width_;
    header.biHeight = height_;
    header.biPlanes = 1;
    header.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(stride * height_);
    std::vector<unsigned char> rows(static_cast<size_t>(stride) * height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const unsigned char* p = bits_ + (static_cast<size_t>(y) * width_ + x) * 4;
            unsigned char* q = rows.data() + static_cast<size_t>(height_ - 1 - y) * stride + x * 3;
            q[0] = p[0];
            q[1] = p[1];
            q[2] = p[2];
        }
    }
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr)
        return;
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::fwrite(rows.data(), 1, rows.size(), out);
    std::fclose(out);
}

OwnedBitmap MakeBitmap(int width, int height, const std::vector<COLORREF>& pixels) {
    if (pixels.size() != static_cast<size_t>(width) * height) {
        throw std::invalid_argument("MakeBitmap: pixel count does not match the size");
    }
    WindowDC screen(nullptr);
    OwnedBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    if (!bitmap)
        throw std::runtime_error("CreateCompatibleBitmap failed");
    std::vector<unsigned char> bgrx(pixels.size() * 4);
    for (size_t i = 0; i < pixels.size(); ++i) {
        bgrx[i * 4] = GetBValue(pixels[i]);
        bgrx[i * 4 + 1] = GetGValue(pixels[i]);
        bgrx[i * 4 + 2] = GetRValue(pixels[i]);
    }
    const BITMAPINFO info = TopDown32(width, height);
    if (SetDIBits(screen.get(), bitmap.get(), 0, height, bgrx.data(), &info, DIB_RGB_COLORS) !=
        height) {
        throw std::runtime_error("SetDIBits failed");
    }
    return bitmap;
}

OwnedBitmap MakeDib(int width, int height, const std::vector<COLORREF>& pixels) {
    if (pixels.size() != static_cast<size_t>(width) * height) {
        throw std::invalid_argument("MakeDib: pixel count does not match the size");
    }
    DibPixels to;
    OwnedBitmap dib = CreateDib32(width, height, &to);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = pixels[static_cast<size_t>(y) * width + x];
            to.Row(y)[x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    }
    return dib;
}

std::vector<COLORREF> ReadBitmap(HBITMAP bitmap) {
    const SIZE size = BitmapSize(bitmap);
    std::vector<unsigned char> bgrx(static_cast<size_t>(size.cx) * size.cy * 4);
    BITMAPINFO info = TopDown32(size.cx, size.cy);
    WindowDC screen(nullptr);
    if (size.cy > 0 && GetDIBits(screen.get(), bitmap, 0, size.cy, bgrx.data(), &info,
                                 DIB_RGB_COLORS) != size.cy) {
        throw std::runtime_error("GetDIBits failed");
    }
    std::vector<COLORREF> pixels(static_cast<size_t>(size.cx) * size.cy);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = FromBgrx(&bgrx[i * 4]);
    return pixels;
}

std::string DescribeColour(COLORREF colour) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06lX", static_cast<unsigned long>(colour));
    return text;
}

}  // namespace zelkova::testing
