#include "gui/Color.h"

namespace zelkova {

COLORREF ColorToRgb(TColor color) {
    const auto bits = static_cast<std::uint32_t>(color);
    if ((bits & 0xFF000000u) == 0xFF000000u) return GetSysColor(static_cast<int>(bits & 0xFF));
    return bits & 0x00FFFFFFu;
}

}  // namespace zelkova
