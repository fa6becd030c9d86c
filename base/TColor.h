#pragma once
#include <cstdint>

namespace zelkova {

// Colour values are 0x00BBGGRR, red in the low byte. Signed, because a skin file answers -1
// for a colour it does not hold.
using TColor = std::int32_t;

}  // namespace zelkova
