#pragma once

#include <string>
#include <string_view>

namespace zelkova {

// Enabling rules of the list's actions, as functions of the selection index (-1 for none) and
// the number of entries, so the window's idle update, the execute handlers and the list itself
// agree.

// Jump, Remove, Copy to Clipboard and Edit: an entry is selected.
bool IsSelectionActionEnabled(int selectedIndex, int count);
// Up: there is an entry above the selected one.
bool IsMoveUpEnabled(int selectedIndex, int count);
// Down: there is an entry below the selected one.
bool IsMoveDownEnabled(int selectedIndex, int count);

// The key entry dialog's OK: the text names a full root key, "HKEY_" in any ASCII case,
// anywhere in the text.
bool IsKeyEntryAcceptable(std::string_view keyText);

// Clipboard text loses every leading and trailing byte of code 0x20 or below (blanks, tabs,
// line breaks); bytes from 0x80 up are text, not blanks. Jump from Clipboard then goes ahead
// only for text that LooksLikeKeyText (jump/RootKeys.h).
std::string TrimClipboardText(std::string_view text);

}  // namespace zelkova
