#include "favourites/IntegerText.h"

#include <limits>

namespace zelkova {

namespace {

int DigitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// The magnitude of a run of digits, as long as it stays within limit.
std::optional<std::int64_t> ParseMagnitude(std::string_view digits, int base, std::int64_t limit) {
    if (digits.empty()) return std::nullopt;
    std::int64_t magnitude = 0;
    for (char c : digits) {
        const int digit = DigitValue(c, base);
        if (digit < 0) return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit) return std::nullopt;
    }
    return magnitude;
}

}  // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) {
    constexpr std::int64_t max = std::numeric_limits<std::int32_t>::max();
    if (text.starts_with("0x") || text.starts_with("0X") || text.starts_with("$")) {
        text.remove_prefix(text.front() == '$' ? 1 : 2);
        const auto magnitude = ParseMagnitude(text, 16, max);
        if (!magnitude) return std::nullopt;
        return static_cast<std::int32_t>(*magnitude);
    }
    const bool negative = text.starts_with("-");
    if (negative || text.starts_with("+")) text.remove_prefix(1);
    const auto magnitude = ParseMagnitude(text, 10, negative ? max + 1 : max);
    if (!magnitude) return std::nullopt;
    return static_cast<std::int32_t>(negative ? -*magnitude : *magnitude);
}

}  // namespace zelkova
