// Skin files on a real disk for the Win32 tests: a folder of the test's own, a temporary
// folder the test can watch, and skin files written as the program expects to find them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/WinFileSystem.h"
#include "platform/WinSkinSearchFolders.h"
#include "skin/win/SUIMgr_win.h"
#include "support/SkinFileWriter.h"

namespace zelkova::testing {

// A fresh, empty folder under the system's temporary folder, removed with everything in it
// when the object goes.
class WinTestFolder {
public:
    WinTestFolder();
    ~WinTestFolder();
    WinTestFolder(const WinTestFolder&) = delete;
    WinTestFolder& operator=(const WinTestFolder&) = delete;

    // With a trailing backslash.
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + name; }
    // Names of the files and folders it holds, sorted.
    std::vector<std::string> Contents() const;

private:
    std::string path_;
};

// Points TMP and TEMP (what GetTempPathA reads) at a folder while it lives.
class TempPathRedirect {
public:
    explicit TempPathRedirect(const std::string& folder);
    ~TempPathRedirect();
    TempPathRedirect(const TempPathRedirect&) = delete;
    TempPathRedirect& operator=(const TempPathRedirect&) = delete;

private:
    struct Saved {
        const char* name;
        bool present;
        std::string value;
    };
    std::vector<Saved> saved_;
};

// The program's own file access and search folders, as the application hands them to a file theme.
SkinFileEnvironment SystemSkinFileEnvironment();
SkinSearchFolders& SystemSkinSearchFolders();
TsuiFileTheme& MakeFileTheme(Component& owner);
std::unique_ptr<TsuiFileTheme> MakeUnownedFileTheme();

// A skin file holding the container, Deflate-compressed by zlib, encrypted when a password is
// given.
std::vector<std::uint8_t> SkinFileBytes(const SkinContainerBuilder& container,
                                        const std::string& password = {});

// Writes the bytes to path (replacing the file) or fails the calling test.
void WriteSkinFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

}  // namespace zelkova::testing
