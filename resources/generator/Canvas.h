#pragma once
// A small floating-point RGB canvas for drawing the theme artwork: shapes are filled with
// coverage from a fixed 4 x 4 supersampling grid, so the output is exactly reproducible.
#include <cstdint>
#include <functional>
#include <vector>

namespace zelkova::art {

struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;
};

// 0xRRGGBB, as colours are usually written (not the 0x00BBGGRR of Windows colour values).
constexpr Rgb Hex(std::uint32_t rgb) {
    return {double((rgb >> 16) & 0xFF), double((rgb >> 8) & 0xFF), double(rgb & 0xFF)};
}
Rgb Mix(Rgb from, Rgb to, double t);
Rgb Scale(Rgb colour, double factor);  // toward black below 1, toward white above 1
std::uint32_t ToRgb24(Rgb colour);     // rounded and clamped, 0xRRGGBB

// The key colour of transparent strips; never produced by drawing, only by Canvas::Key.
inline constexpr std::uint32_t kKeyRgb = 0xFF00FF;

// A region of the plane; pixel (x, y) covers [x, x + 1) x [y, y + 1).
using Region = std::function<bool(double x, double y)>;

Region RoundRect(double left, double top, double right, double bottom, double radius);
Region Ellipse(double left, double top, double right, double bottom);
// A stroke of the given width along the segment from (x0, y0) to (x1, y1), round ends.
Region Segment(double x0, double y0, double x1, double y1, double width);
Region Union(Region a, Region b);
Region Subtract(Region a, Region b);

// Colour of a painted point, by pixel coordinates.
using Paint = std::function<Rgb(int x, int y)>;
Paint Solid(Rgb colour);
// A vertical gradient through colour stops at the given rows (sorted); flat beyond the ends.
Paint Vertical(std::vector<std::pair<double, Rgb>> stops);

class Canvas {
public:
    Canvas(int width, int height, Rgb fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const { return pixels_[Index(x, y)]; }
    bool IsKey(int x, int y) const { return key_[Index(x, y)]; }
    void Set(int x, int y, Rgb colour);

    // Blends paint over the canvas where region covers it, with the given opacity.
    void Fill(const Region& region, const Paint& paint, double opacity = 1.0);
    // Turns every pixel that the outline covers less than half into the key colour.
    void KeyOutside(const Region& outline);
    // Copies source in with its top-left at (x, y).
    void Draw(const Canvas& source, int x, int y);

    // The final 24-bit colour of a pixel: the key colour for keyed pixels.
    std::uint32_t Rgb24(int x, int y) const;

private:
    std::size_t Index(int x, int y) const {
        return std::size_t(y) * std::size_t(width_) + std::size_t(x);
    }

    int width_;
    int height_;
    std::vector<Rgb> pixels_;
    std::vector<bool> key_;
};

double Coverage(const Region& region, int x, int y);

}  // namespace zelkova::art
