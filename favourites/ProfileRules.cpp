#include "favourites/ProfileRules.h"

#include "base/AsciiText.h"

namespace zelkova {

bool IsProfileBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a'; }

std::string_view TrimProfileBlanks(std::string_view text) {
    while (!text.empty() && IsProfileBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsProfileBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string ProfileNameKey(std::string_view name) { return AsciiUpperCase(name); }

namespace {
bool IsQuotationMark(char c) { return c == '"' || c == '\''; }
bool IsQuotedPair(std::string_view value) {
    return value.size() >= 2 && IsQuotationMark(value.front()) && value.back() == value.front();
}
}  // namespace

std::string ProfileValueAsRead(std::string_view stored) {
    // The system trims the whole line as it loads the file; its value then ends at a zero
    // like any text of its own.
    std::string_view value = TrimProfileBlanks(stored);
    value = value.substr(0, value.find('\0'));
    if (IsQuotedPair(value)) value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::string ProfileDefaultAsRead(std::string_view defaultValue) {
    while (!defaultValue.empty() && defaultValue.back() == ' ') defaultValue.remove_suffix(1);
    return std::string(defaultValue);
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

std::string JoinedProfileLines(std::string_view text) {
    size_t at = FirstLineBreak(text);
    std::string line(text.substr(0, at));
    while (at < text.size() && text[at] != '\0') {
        at += text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
        line += ' ';
        const std::string_view rest = text.substr(at);
        const size_t next = FirstLineBreak(rest);
        line.append(rest.substr(0, next));
        at += next;
    }
    return line;
}

namespace {
bool IsShortenedByRead(std::string_view line) {
    return !line.empty() &&
           (IsProfileBlank(line.front()) || IsProfileBlank(line.back()) || IsQuotedPair(line));
}
}  // namespace

bool IsProfileValueWrittenAsItIs(std::string_view value) {
    return !HasLineBreak(value) && !IsShortenedByRead(value);
}

std::string ProfileValueToWrite(std::string_view value) {
    std::string line = JoinedProfileLines(value);
    if (IsShortenedByRead(line)) {
        line.insert(line.begin(), '"');
        line += '"';
    }
    return line;
}

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
