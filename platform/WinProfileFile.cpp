#include "platform/WinProfileFile.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <optional>
#include <utility>

#include "favourites/ProfileRules.h"

namespace zelkova {

namespace {

// Zero-terminated names cut at the first line break; the functions would stop at a zero anyway.
std::string Terminated(std::string_view text) { return std::string(ProfileTextForLine(text)); }

// Beyond any settings file a person keeps; a read this long is taken as it comes.
constexpr DWORD MaxReadBuffer = 1u << 28;

// What `read` (one call of GetPrivateProfileStringA with a buffer and its size) gives back
// whole: a buffer too small is filled to one or two characters short of its size, so the
// call is made again with twice the buffer until the text ends before that.
template <typename Read>
std::string ReadWhole(Read read) {
    std::vector<char> buffer(ProfileReadBufferSize);
    for (;;) {
        const auto size = static_cast<DWORD>(buffer.size());
        const DWORD length = std::min(read(buffer.data(), size), size);
        if (length + 2 < size || size >= MaxReadBuffer) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

// Key or section names come back zero-separated, the list ending in an empty name.
std::vector<std::string> NameList(const char* section, const std::string& path) {
    const std::string list = ReadWhole([&](char* buffer, DWORD size) {
        return GetPrivateProfileStringA(section, nullptr, "", buffer, size, path.c_str());
    });
    std::vector<std::string> names;
    std::string_view rest(list);
    while (!rest.empty()) {
        const size_t end = rest.find('\0');
        const std::string_view name = rest.substr(0, end);
        if (name.empty()) break;
        names.emplace_back(name);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return names;
}

// The text in the ANSI code page as UTF-16, as the 8-bit functions convert it themselves.
std::optional<std::wstring> Wide(std::string_view text) {
    if (text.empty()) return std::wstring();
    if (text.size() > INT_MAX) return std::nullopt;
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
    if (length <= 0) return std::nullopt;
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), length) != length)
        return std::nullopt;
    return wide;
}

}  // namespace

WinProfileFile::WinProfileFile(std::string path) : path_(std::move(path)) {}

std::string WinProfileFile::ReadString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) {
    const std::string sectionName = Terminated(section), keyName = Terminated(key),
                      fallback = Terminated(defaultValue);
    return ReadWhole([&](char* buffer, DWORD size) {
        return GetPrivateProfileStringA(sectionName.c_str(), keyName.c_str(), fallback.c_str(),
                                        buffer, size, path_.c_str());
    });
}

bool WinProfileFile::WriteString(std::string_view section, std::string_view key,
                                 std::string_view value) {
    if (!IsProfileSectionNameWritable(section) || !IsProfileKeyNameWritable(key)) return false;
    // Through the UTF-16 function: Wine's 8-bit one stores a value of 32,767 characters or
    // more wrongly, or crashes, where this one takes any length. The file is the same, 8-bit
    // text in the ANSI code page, unless it already was UTF-16.
    const std::optional<std::wstring> wideSection = Wide(section), wideKey = Wide(key),
                                      wideValue = Wide(ProfileTextForLine(value)),
                                      widePath = Wide(path_);
    if (!wideSection || !wideKey || !wideValue || !widePath) return false;
    return WritePrivateProfileStringW(wideSection->c_str(), wideKey->c_str(), wideValue->c_str(),
                                      widePath->c_str()) != FALSE;
}

std::vector<std::string> WinProfileFile::KeyNames(std::string_view section) {
    return NameList(Terminated(section).c_str(), path_);
}

std::vector<std::string> WinProfileFile::SectionNames() { return NameList(nullptr, path_); }

bool WinProfileFile::Flush() {
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, path_.c_str());
    return true;
}

std::unique_ptr<ProfileFile> OpenWinProfileFile(const std::string& path) {
    return std::make_unique<WinProfileFile>(path);
}

}  // namespace zelkova
