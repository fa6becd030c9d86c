// Small helpers that build our windows' controls the way the stored layouts state them.
#pragma once

#include <string>

#include "gui/Form.h"
#include "gui/Properties.h"
#include "skin/win/SUIButton_win.h"

namespace zelkova {

// "MS Sans Serif" at the given character height (pixels) and colour. charset 1 is the default
// character set, 0 the ANSI one.
FontSpec SansSerif(int height, TColor color, int charset = 1);

// Creates a control owned by the form, named, placed in parent at the given bounds.
template <typename T>
T& Place(Form& form, WinControl& parent, const char* name, int left, int top, int width, int height) {
    T& control = Make<T>(form);
    control.SetName(name);
    control.SetParent(&parent);
    control.SetBounds(left, top, width, height);
    return control;
}

// A push button with the properties every button of ours shares: the MacOS look, transparent,
// its own black "MS Sans Serif" 11-pixel font, focus rectangle 2 pixels in, glyph left of the
// caption 4 pixels apart, repeat interval 100 ms, neither Default nor Cancel.
TsuiButton& PlaceButton(Form& form, WinControl& parent, const char* name, int left, int top,
                        int width, int height, const std::string& caption, int tabOrder);

}  // namespace zelkova
