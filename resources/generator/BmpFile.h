#pragma once
// Writes device-independent bitmap files as the resource compiler takes them: bottom-up,
// uncompressed, with a full palette for 4- and 8-bit images.
#include <cstdint>
#include <vector>

#include "resources/generator/Canvas.h"

namespace zelkova::art {

// bitsPerPixel is 4, 8 or 24.
std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas, int bitsPerPixel);

}  // namespace zelkova::art
