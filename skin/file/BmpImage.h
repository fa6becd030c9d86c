#pragma once
// Windows bitmap files (BMP) as a skin file stores them, checked and turned into 32-bit pixels.
// The result is laid out like a top-down 32-bit DIB section: rows from the top, each pixel
// 0x00RRGGBB (blue in the low byte), so the Win32 side copies it into a DIB section of height
// -Height() without conversion.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace zelkova {

class BmpImage {
public:
    BmpImage() = default;
    BmpImage(int width, int height, std::vector<std::uint32_t> pixels)
        : width_(width), height_(height), pixels_(std::move(pixels)) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return pixels_.empty(); }
    // Rows from the top; Width() * Height() pixels of 0x00RRGGBB.
    std::span<const std::uint32_t> Pixels() const { return pixels_; }
    std::uint32_t Pixel(int x, int y) const {
        return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                       static_cast<std::size_t>(x)];
    }
    // The pixel as a Windows colour value, 0x00BBGGRR.
    std::int32_t PixelColor(int x, int y) const {
        const std::uint32_t p = Pixel(x, y);
        return static_cast<std::int32_t>(((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF));
    }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

// Largest bitmap accepted, in each direction and in pixels: far beyond any skin, small enough
// that a hostile header cannot make us allocate gigabytes.
inline constexpr int kMaxBmpSide = 16384;
inline constexpr std::uint64_t kMaxBmpPixels = std::uint64_t{1} << 24;

// A complete BMP file (file header included). Uncompressed 1, 4, 8, 16, 24 and 32 bits per
// pixel, bit-field 16 and 32 bits, and run-length encoded 4 and 8 bits (bottom-up only; pixels
// the codes skip are 0). Nothing on a malformed, unsupported or truncated file;
// every header field is checked against the bytes really given. A bitmap of more than maxPixels
// (or kMaxBmpPixels) pixels is refused from its header, before its pixels are allocated.
std::optional<BmpImage> ParseBmp(std::span<const std::uint8_t> file,
                                 std::uint64_t maxPixels = kMaxBmpPixels);

}  // namespace zelkova
