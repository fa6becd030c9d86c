#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zelkova {

// A whole number as the settings file writes it: decimal digits with an optional sign, or
// hexadecimal digits after "0x", "0X" or "$". Nothing for any other text, for trailing
// characters, for digits missing after the sign or prefix, and for a number that does not fit
// a signed 32-bit integer (hexadecimal included: "0xFFFFFFFF" does not fit).
std::optional<std::int32_t> ParseInteger(std::string_view text);

}  // namespace zelkova
