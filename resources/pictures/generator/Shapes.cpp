#include "resources/pictures/generator/Shapes.h"

#include <cmath>
#include <numbers>

namespace zelkova::art {
namespace {

// Letters are drawn on a grid 5 wide and 7 high (the cap height) and scaled.
constexpr double kGridWidth = 5;
constexpr double kGridHeight = 7;
constexpr double kGap = 1.9;  // between letters, in grid units
constexpr double kBlank = 3.5;

// An elliptical arc around (cx, cy), from one angle to another (degrees, 0 is right, 90 down).
Points Arc(double cx, double cy, double rx, double ry, double from, double to) {
    Points points;
    constexpr int kSteps = 10;
    for (int i = 0; i <= kSteps; ++i) {
        const double a = (from + (to - from) * i / kSteps) * std::numbers::pi / 180;
        points.emplace_back(cx + rx * std::cos(a), cy + ry * std::sin(a));
    }
    return points;
}

Points Join(std::initializer_list<Points> pieces) {
    Points all;
    for (const Points& piece : pieces) all.insert(all.end(), piece.begin(), piece.end());
    return all;
}

// The strokes of one capital as polylines on the grid.
std::vector<Points> Strokes(char letter) {
    switch (letter) {
        case 'A': return {{{0, 7}, {2.5, 0}, {5, 7}}, {{1, 4.6}, {4, 4.6}}};
        case 'D': return {Join({{{0, 0}, {0, 7}, {2, 7}}, Arc(2, 3.5, 3, 3.5, 90, -90), {{0, 0}}})};
        case 'E': return {{{5, 0}, {0, 0}, {0, 7}, {5, 7}}, {{0, 3.5}, {4, 3.5}}};
        case 'F': return {{{5, 0}, {0, 0}, {0, 7}}, {{0, 3.5}, {4, 3.5}}};
        case 'K': return {{{0, 0}, {0, 7}}, {{5, 0}, {0, 4.4}}, {{1.7, 2.9}, {5, 7}}};
        case 'L': return {{{0, 0}, {0, 7}, {5, 7}}};
        case 'N': return {{{0, 7}, {0, 0}, {5, 7}, {5, 0}}};
        case 'O': return {Arc(2.5, 3.5, 2.5, 3.5, 0, 360)};
        case 'R':
            return {Join({{{0, 7}, {0, 0}, {3, 0}}, Arc(3, 1.85, 2, 1.85, -90, 90), {{0, 3.7}}}),
                    {{2.6, 3.7}, {5, 7}}};
        case 'S':
            return {
                Join({Arc(2.5, 1.75, 2.4, 1.75, -20, -270), Arc(2.5, 5.25, 2.5, 1.75, -90, 160)})};
        case 'T': return {{{0, 0}, {5, 0}}, {{2.5, 0}, {2.5, 7}}};
        case 'U': return {Join({{{0, 0}, {0, 4.5}}, Arc(2.5, 4.5, 2.5, 2.5, 180, 0), {{5, 0}}})};
        case 'V': return {{{0, 0}, {2.5, 7}, {5, 0}}};
        case 'W': return {{{0, 0}, {1.25, 7}, {2.5, 2.2}, {3.75, 7}, {5, 0}}};
        case 'Z': return {{{0, 0}, {5, 0}, {0, 7}, {5, 7}}};
        default: return {};
    }
}

}  // namespace

Region Polygon(Points corners) {
    return [corners = std::move(corners)](double x, double y) {
        bool inside = false;
        for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const auto [xi, yi] = corners[i];
            const auto [xj, yj] = corners[j];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
        }
        return inside;
    };
}

Region AnyOf(std::vector<Region> parts) {
    return [parts = std::move(parts)](double x, double y) {
        for (const Region& part : parts) {
            if (part(x, y)) return true;
        }
        return false;
    };
}

double LettersWidth(std::string_view text, double capHeight) {
    const double unit = capHeight / kGridHeight;
    double width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        width += (Strokes(text[i]).empty() ? kBlank : kGridWidth) * unit;
        if (i + 1 < text.size()) width += kGap * unit;
    }
    return width;
}

Lettering Letters(std::string_view text, double left, double top, double capHeight, double stroke) {
    const double unit = capHeight / kGridHeight;
    std::vector<Region> segments;
    double x = left;
    for (char letter : text) {
        const std::vector<Points> strokes = Strokes(letter);
        for (const Points& line : strokes) {
            for (std::size_t i = 1; i < line.size(); ++i) {
                segments.push_back(
                    Segment(x + line[i - 1].first * unit, top + line[i - 1].second * unit,
                            x + line[i].first * unit, top + line[i].second * unit, stroke));
            }
        }
        x += ((strokes.empty() ? kBlank : kGridWidth) + kGap) * unit;
    }
    return {AnyOf(std::move(segments)), LettersWidth(text, capHeight)};
}

}  // namespace zelkova::art
