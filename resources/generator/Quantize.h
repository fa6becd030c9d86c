#pragma once
// Reduces a canvas to a palette of at most 16 or 256 colours for the 4- and 8-bit bitmaps.
// The key colour, when present, keeps an exact palette entry of its own, and no drawn pixel is
// ever mapped to it.
#include <cstdint>
#include <vector>

#include "resources/generator/Canvas.h"

namespace zelkova::art {

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> palette;  // 0xRRGGBB, at most maxColours entries
    std::vector<std::uint8_t> indices;   // row-major, top row first
};

// Exact when the canvas holds no more colours than fit; otherwise a median cut.
IndexedImage Quantize(const Canvas& canvas, int maxColours);

}  // namespace zelkova::art
