#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "favourites/ProfileFile.h"

namespace zelkova {

// ProfileFile over GetPrivateProfileStringA, whose buffer grows until a value fits whole, and
// WritePrivateProfileStringW, given the 8-bit text converted from the ANSI code page. Each
// call opens the file by name; the system stores every write at once. Values are cut at their
// first line break and names that would not read back as themselves are refused, as in the
// portable implementation, so no text can add lines of its own to the file.
class WinProfileFile final : public ProfileFile {
public:
    explicit WinProfileFile(std::string path);

    const std::string& Path() const override { return path_; }
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) override;
    bool WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    std::vector<std::string> KeyNames(std::string_view section) override;
    // Flushes the system's cache; its result says nothing, the writes are already stored.
    bool Flush() override;

    std::vector<std::string> SectionNames();

private:
    std::string path_;
};

// The opener SettingsFile takes in a Windows build.
std::unique_ptr<ProfileFile> OpenWinProfileFile(const std::string& path);

}  // namespace zelkova
