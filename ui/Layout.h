// Our windows as data: the classes their layouts are made of, the look every push button of
// ours shares, and each window's rows in creation order (one file per window).
#pragma once

#include <span>
#include <vector>

#include "gui/StoredLayout.h"

namespace zelkova {

// Every class a layout of ours may name.
std::span<const LayoutClass> WindowClasses();

// A control's values: its bounds in its parent (left, top, width, height), then its own.
std::vector<LayoutProperty> At(int left, int top, int width, int height,
                               std::vector<LayoutProperty> own = {});

// A push button's own values, with those every button of ours shares added where it does not
// state them: the MacOS look, transparent, its own black "MS Sans Serif" 11-pixel font, focus
// rectangle 2 pixels in, glyph left of the caption 4 pixels apart, repeat interval 100 ms,
// neither Default nor Cancel.
std::vector<LayoutProperty> ButtonLook(std::vector<LayoutProperty> own);

// The main window's controls, actions and menus; its named values are its handlers.
std::span<const LayoutRow> MainWindowLayout();
// The key entry dialog.
std::span<const LayoutRow> KeyEntryLayout();
// The About window.
std::span<const LayoutRow> AboutLayout();

}  // namespace zelkova
