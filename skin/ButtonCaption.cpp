#include "skin/ButtonCaption.h"

#include <algorithm>
#include <cstddef>

#include "base/AsciiText.h"

namespace zelkova {
namespace {

// Blanks and control characters; ANSI characters above 0x7F are visible text.
bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= 0x20; }

}  // namespace

std::optional<char> CaptionAccelerator(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] != '&') return caption[i + 1];
        ++i;  // "&&" is a literal ampersand, not a marker
    }
    return std::nullopt;
}

bool IsCaptionAccelerator(char key, std::string_view caption) {
    const std::optional<char> accelerator = CaptionAccelerator(caption);
    return accelerator && AsciiUpper(*accelerator) == AsciiUpper(key);
}

bool HasVisibleCaption(std::string_view caption) {
    return !std::ranges::all_of(caption, IsBlankOrControl);
}

}  // namespace zelkova
