#pragma once
// Regions the application's pictures need beyond the theme artwork's: polygons, many-part
// unions, and lettering in a small stroke alphabet (capitals, drawn from line segments, so the
// output depends on no installed font).
#include <string_view>
#include <utility>
#include <vector>

#include "resources/generator/Canvas.h"

namespace zelkova::art {

using Points = std::vector<std::pair<double, double>>;

// The filled polygon (even-odd rule).
Region Polygon(Points corners);
// Covered where any part covers.
Region AnyOf(std::vector<Region> parts);

struct Lettering {
    Region region;
    double width = 0;  // advance of the whole text, in pixels
};

// Capitals A-Z (those the pictures use) and blanks, with the top-left of the first letter at
// (left, top), capHeight pixels high, strokes of the given width. Unknown characters advance
// like a blank.
Lettering Letters(std::string_view text, double left, double top, double capHeight, double stroke);
// The advance of the text at that height, for centring.
double LettersWidth(std::string_view text, double capHeight);

}  // namespace zelkova::art
