#pragma once
// Every built-in theme bitmap: its resource name, geometry, bit depth and painter.
#include <functional>
#include <string>
#include <vector>

#include "resources/generator/Canvas.h"

namespace zelkova::art {

struct BitmapArt {
    std::string name;
    int width = 0;
    int height = 0;
    int bitsPerPixel = 8;
    std::function<Canvas()> paint;
};

std::vector<BitmapArt> ThemeBitmapCatalog();

}  // namespace zelkova::art
