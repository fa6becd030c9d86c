#pragma once
// Failure texts that keep the system's error code: "Cannot create window Edit (error 1407:
// Cannot find window class.)". A failure without its code is hard to act on.
#include <cstdint>
#include <string>
#include <string_view>

namespace zelkova {

// The text followed by the code in brackets, with the system's own words for it when given
// (its line breaks become blanks, trailing blanks and line breaks are dropped). Codes that fit
// 16 bits are written in decimal, as Win32 error codes are; larger ones (HRESULTs) in hexadecimal.
// Code 0 says nothing, so the text comes back as it is.
std::string WithErrorCode(std::string_view text, std::uint32_t code,
                          std::string_view systemMessage = {});

}  // namespace zelkova
