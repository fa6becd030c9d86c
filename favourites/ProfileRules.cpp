#include "favourites/ProfileRules.h"

#include "base/AsciiText.h"

namespace zelkova {

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::string_view TrimProfileBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string ProfileNameKey(std::string_view name) { return AsciiUpperCase(name); }

std::string ProfileValueAsRead(std::string_view stored) {
    std::string_view value = TrimProfileBlanks(stored);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value.substr(0, ProfileMaxValueLength));
}

std::string ProfileDefaultAsRead(std::string_view defaultValue) {
    while (!defaultValue.empty() && IsBlank(defaultValue.back())) defaultValue.remove_suffix(1);
    return std::string(defaultValue.substr(0, ProfileMaxValueLength));
}

namespace {
// A plain scan: find_first_of would call memchr over the three breaks for every character.
size_t FirstLineBreak(std::string_view text) {
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\r' || text[i] == '\n' || text[i] == '\0') return i;
    return text.size();
}
bool HasLineBreak(std::string_view text) { return FirstLineBreak(text) < text.size(); }
}  // namespace

bool IsProfileSectionNameWritable(std::string_view name) {
    return !HasLineBreak(name) && name.find(']') == std::string_view::npos;
}

bool IsProfileKeyNameWritable(std::string_view name) {
    if (HasLineBreak(name) || name.find('=') != std::string_view::npos) return false;
    return name.empty() || (name.front() != '[' && name.front() != ';');
}

std::string_view ProfileTextForLine(std::string_view text) {
    return text.substr(0, FirstLineBreak(text));
}

}  // namespace zelkova
