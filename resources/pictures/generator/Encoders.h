#pragma once
// File formats of the application's pictures: 16-colour icons and baseline colour JPEGs.
#include <cstdint>
#include <vector>

#include "resources/generator/Canvas.h"

namespace zelkova::art {

// An icon file holding one 16-colour image of the canvas's size: keyed pixels are transparent
// (set in the AND mask, black in the colour image so that they leave the screen unchanged).
std::vector<std::uint8_t> EncodeIcon16(const Canvas& canvas);

// A baseline JPEG with three components (YCbCr, 4:2:0), standard tables at the given quality.
std::vector<std::uint8_t> EncodeJpeg(const Canvas& canvas, int quality);

}  // namespace zelkova::art
