#include "skin/ButtonCaption.h"

#include <cstddef>

namespace zelkova {
namespace {

char FoldAsciiCase(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Blanks and control characters; ANSI characters above 0x7F are visible text.
bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}

}  // namespace

std::optional<char> CaptionAccelerator(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return caption[i + 1];
        ++i;  // "&&" is a literal ampersand, not a marker
    }
    return std::nullopt;
}

bool IsCaptionAccelerator(char key, std::string_view caption) {
    const std::optional<char> accelerator = CaptionAccelerator(caption);
    return accelerator && FoldAsciiCase(*accelerator) == FoldAsciiCase(key);
}

bool HasVisibleCaption(std::string_view caption) {
    for (char c : caption) {
        if (!IsBlankOrControl(c))
            return true;
    }
    return false;
}

}  // namespace zelkova
