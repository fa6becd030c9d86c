// Colours of the controls: 0x00BBGGRR values, or a system colour written with the high byte
// 0xFF and the system colour index in the low byte.
#pragma once

#include <windows.h>

#include "base/TColor.h"

namespace zelkova {

constexpr TColor SystemColor(int index) {
    return static_cast<TColor>(0xFF000000u | static_cast<unsigned>(index));
}

inline constexpr TColor kBtnFace = SystemColor(COLOR_BTNFACE);
inline constexpr TColor kWindowColor = SystemColor(COLOR_WINDOW);
inline constexpr TColor kWindowText = SystemColor(COLOR_WINDOWTEXT);
inline constexpr TColor kBtnHighlight = SystemColor(COLOR_BTNHIGHLIGHT);
inline constexpr TColor kBtnShadow = SystemColor(COLOR_BTNSHADOW);
inline constexpr TColor kGrayText = SystemColor(COLOR_GRAYTEXT);
inline constexpr TColor kBlack = 0x000000;
inline constexpr TColor kWhite = 0xFFFFFF;

// The RGB value a colour stands for now (system colours are looked up).
COLORREF ColorToRgb(TColor color);

}  // namespace zelkova
