#include "favourites/FavouriteRules.h"

#include "base/AsciiText.h"

namespace zelkova {

bool IsSelectionActionEnabled(int selectedIndex, int count) {
    return selectedIndex >= 0 && selectedIndex < count;
}

bool IsMoveUpEnabled(int selectedIndex, int count) {
    return selectedIndex > 0 && selectedIndex < count;
}

bool IsMoveDownEnabled(int selectedIndex, int count) {
    return selectedIndex >= 0 && selectedIndex < count - 1;
}

bool IsKeyEntryAcceptable(std::string_view keyText) {
    return Contains(AsciiUpperCase(keyText), "HKEY_");
}

namespace {
bool IsClipboardBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }
}  // namespace

std::string TrimClipboardText(std::string_view text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsClipboardBlank(text[first])) ++first;
    while (last > first && IsClipboardBlank(text[last - 1])) --last;
    return std::string(text.substr(first, last - first));
}

}  // namespace zelkova
