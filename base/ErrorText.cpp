#include "base/ErrorText.h"

#include <cstdio>

namespace zelkova {

namespace {

bool IsLineBreakOrBlank(char c) { return c == '\r' || c == '\n' || c == ' ' || c == '\t'; }

std::string OneLine(std::string_view message) {
    while (!message.empty() && IsLineBreakOrBlank(message.back())) message.remove_suffix(1);
    std::string line;
    for (char c : message) {
        if (c == '\r' || c == '\n') {
            if (!line.empty() && line.back() != ' ') line += ' ';
        } else {
            line += c;
        }
    }
    return line;
}

}  // namespace

std::string WithErrorCode(std::string_view text, std::uint32_t code,
                          std::string_view systemMessage) {
    std::string result(text);
    if (code == 0) return result;
    char number[16];
    std::snprintf(number, sizeof number, code <= 0xFFFF ? "%u" : "0x%08X",
                  static_cast<unsigned>(code));
    result += " (error ";
    result += number;
    if (const std::string words = OneLine(systemMessage); !words.empty()) {
        result += ": ";
        result += words;
    }
    result += ')';
    return result;
}

}  // namespace zelkova
