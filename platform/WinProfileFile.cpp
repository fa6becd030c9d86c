#include "platform/WinProfileFile.h"

#include <windows.h>

#include <utility>

#include "favourites/ProfileRules.h"

namespace zelkova {

namespace {

// Zero-terminated names cut at the first line break; the functions would stop at a zero anyway.
std::string Terminated(std::string_view text) { return std::string(ProfileTextForLine(text)); }

// Key or section names come back zero-separated, the list ending in an empty name. A buffer
// too small is filled to two characters short of its size, so grow until it is not.
std::vector<std::string> NameList(const char* section, const std::string& path) {
    std::vector<char> buffer(4096);
    DWORD length = 0;
    for (;;) {
        const DWORD size = static_cast<DWORD>(buffer.size());
        length = GetPrivateProfileStringA(section, nullptr, "", buffer.data(), size, path.c_str());
        if (length + 2 < size || size >= (1u << 28)) break;
        buffer.resize(buffer.size() * 2);
    }
    std::vector<std::string> names;
    std::string_view rest(buffer.data(), length);
    while (!rest.empty()) {
        const size_t end = rest.find('\0');
        const std::string_view name = rest.substr(0, end);
        if (name.empty()) break;
        names.emplace_back(name);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    return names;
}

}  // namespace

WinProfileFile::WinProfileFile(std::string path) : path_(std::move(path)) {}

std::string WinProfileFile::ReadString(std::string_view section, std::string_view key,
                                       std::string_view defaultValue) {
    char buffer[ProfileReadBufferSize];
    const DWORD length =
        GetPrivateProfileStringA(Terminated(section).c_str(), Terminated(key).c_str(),
                                 Terminated(defaultValue).c_str(), buffer, sizeof buffer,
                                 path_.c_str());
    return std::string(buffer, length < sizeof buffer ? length : 0);
}

bool WinProfileFile::WriteString(std::string_view section, std::string_view key,
                                 std::string_view value) {
    if (!IsProfileSectionNameWritable(section) || !IsProfileKeyNameWritable(key)) return false;
    return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                      Terminated(value).c_str(), path_.c_str()) != FALSE;
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
