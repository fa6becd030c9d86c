#pragma once
// The portable state of the file theme component TsuiFileTheme: which skin file it found and
// loaded, with what password, and the typed reads the controls make. The Win32 component adds
// the refresh of the controls on its form and the bitmap frames.
#include <string>

#include "skin/SUIFileThemeMgr.h"
#include "skin/ThemeSource.h"

namespace zelkova {

// Where a skin file named without a usable path is looked for, in this order.
class SkinSearchFolders {
public:
    virtual ~SkinSearchFolders() = default;
    virtual std::string ExecutableFolder() = 0;
    virtual std::string WindowsFolder() = 0;
    virtual std::string SystemFolder() = 0;
};

// Controls pass indices through this mask before the lists are consulted.
inline constexpr int kFileThemeIndexMask = 0x7F;

class FileThemeCore final : public FileThemeSource {
public:
    FileThemeCore(SkinFileEnvironment environment, SkinSearchFolders& folders)
        : environment_(environment), folders_(folders), manager_(environment) {}

    // What an assignment of ThemeFile did: whether a file was found (and a load attempted), and
    // whether ThemeFile was empty before, which tells a first load from a change of theme.
    struct ThemeFileChange {
        bool found = false;
        bool wasEmpty = false;
    };

    // Looks for the file as given, then by its file name in the executable's, the Windows and
    // the system folder. Found nowhere: nothing changes.
    ThemeFileChange SetThemeFile(const std::string& value);
    // Stores the password; a non-empty one loads the current file again with it.
    ThemeFileChange SetPassword(const std::string& value);

    const std::string& ThemeFile() const { return themeFile_; }
    const std::string& Password() const { return password_; }

    bool Ready() const override { return ready_; }
    bool GetBoolean(int index) const override {
        return manager_.GetBoolean(index & kFileThemeIndexMask);
    }
    TColor GetColor(int index) const override {
        return manager_.GetColor(index & kFileThemeIndexMask);
    }
    std::int32_t GetInteger(int index) const override {
        return manager_.GetInteger(index & kFileThemeIndexMask);
    }
    // The skin's own bitmap: callers copy it and do not keep the pointer past the next load.
    const BmpImage* GetBitmap(int index) const {
        return manager_.GetBitmap(index & kFileThemeIndexMask);
    }

private:
    SkinFileEnvironment environment_;
    SkinSearchFolders& folders_;
    TsuiFileThemeMgr manager_;
    std::string themeFile_;
    std::string password_;
    bool ready_ = false;
};

// The file-name part of a path: what follows the last backslash, slash or drive colon.
std::string SkinFileNamePart(const std::string& path);

}  // namespace zelkova
