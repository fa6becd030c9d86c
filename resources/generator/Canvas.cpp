#include "resources/generator/Canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zelkova::art {
namespace {

constexpr int kSamples = 4;

double Clamp255(double v) { return std::clamp(v, 0.0, 255.0); }

}  // namespace

Rgb Mix(Rgb from, Rgb to, double t) {
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
            from.b + (to.b - from.b) * t};
}

Rgb Scale(Rgb colour, double factor) {
    if (factor <= 1.0) return {colour.r * factor, colour.g * factor, colour.b * factor};
    return Mix(colour, {255, 255, 255}, factor - 1.0);
}

std::uint32_t ToRgb24(Rgb c) {
    const auto channel = [](double v) { return std::uint32_t(std::lround(Clamp255(v))); };
    return channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
}

Region RoundRect(double left, double top, double right, double bottom, double radius) {
    return [=](double x, double y) {
        if (x < left || x >= right || y < top || y >= bottom) return false;
        const double cx = std::clamp(x, left + radius, right - radius);
        const double cy = std::clamp(y, top + radius, bottom - radius);
        const double dx = x - cx;
        const double dy = y - cy;
        return dx * dx + dy * dy <= radius * radius;
    };
}

Region Ellipse(double left, double top, double right, double bottom) {
    const double cx = (left + right) / 2;
    const double cy = (top + bottom) / 2;
    const double rx = (right - left) / 2;
    const double ry = (bottom - top) / 2;
    return [=](double x, double y) {
        const double dx = (x - cx) / rx;
        const double dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
}

Region Segment(double x0, double y0, double x1, double y1, double width) {
    const double half = width / 2;
    return [=](double x, double y) {
        const double vx = x1 - x0;
        const double vy = y1 - y0;
        const double length2 = vx * vx + vy * vy;
        double t = length2 > 0 ? ((x - x0) * vx + (y - y0) * vy) / length2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        const double dx = x - (x0 + t * vx);
        const double dy = y - (y0 + t * vy);
        return dx * dx + dy * dy <= half * half;
    };
}

Region Union(Region a, Region b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) || b(x, y); };
}

Region Subtract(Region a, Region b) {
    return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && !b(x, y); };
}

Paint Solid(Rgb colour) {
    return [colour](int, int) { return colour; };
}

Paint Vertical(std::vector<std::pair<double, Rgb>> stops) {
    return [stops = std::move(stops)](int, int y) {
        const double row = y;
        if (row <= stops.front().first) return stops.front().second;
        for (std::size_t i = 1; i < stops.size(); ++i) {
            if (row <= stops[i].first) {
                const double span = stops[i].first - stops[i - 1].first;
                const double t = span > 0 ? (row - stops[i - 1].first) / span : 1.0;
                return Mix(stops[i - 1].second, stops[i].second, t);
            }
        }
        return stops.back().second;
    };
}

double Coverage(const Region& region, int x, int y) {
    int inside = 0;
    for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
            if (region(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++inside;
        }
    }
    return double(inside) / (kSamples * kSamples);
}

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width),
      height_(height),
      pixels_(std::size_t(width) * std::size_t(height), fill),
      key_(std::size_t(width) * std::size_t(height), false) {}

void Canvas::Set(int x, int y, Rgb colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[Index(x, y)] = colour;
    key_[Index(x, y)] = false;
}

void Canvas::Fill(const Region& region, const Paint& paint, double opacity) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            const double alpha = Coverage(region, x, y) * opacity;
            if (alpha <= 0) continue;
            Rgb& pixel = pixels_[Index(x, y)];
            pixel = Mix(pixel, paint(x, y), alpha);
        }
    }
}

void Canvas::KeyOutside(const Region& outline) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (Coverage(outline, x, y) < 0.5) key_[Index(x, y)] = true;
        }
    }
}

void Canvas::Draw(const Canvas& source, int x, int y) {
    for (int sy = 0; sy < source.height_; ++sy) {
        for (int sx = 0; sx < source.width_; ++sx) {
            const int tx = x + sx;
            const int ty = y + sy;
            if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_) continue;
            pixels_[Index(tx, ty)] = source.pixels_[source.Index(sx, sy)];
            key_[Index(tx, ty)] = source.key_[source.Index(sx, sy)];
        }
    }
}

std::uint32_t Canvas::Rgb24(int x, int y) const {
    if (key_[Index(x, y)]) return kKeyRgb;
    const std::uint32_t rgb = ToRgb24(pixels_[Index(x, y)]);
    return rgb == kKeyRgb ? kKeyRgb - 0x010000 : rgb;  // drawn colours never read as the key
}

}  // namespace zelkova::art
