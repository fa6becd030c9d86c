#pragma once

#include <windows.h>

#include <string>

#include "favourites/SettingsEnvironment.h"

namespace zelkova {

// The settings folder's view of Windows: the shell's per-user application-data folder
// (CSIDL_APPDATA), folder tests and creation, and the running executable's path. The owner is
// the window the shell may attach user interface to (the application window).
class WinSettingsEnvironment final : public SettingsEnvironment {
public:
    explicit WinSettingsEnvironment(HWND owner = nullptr) : owner_(owner) {}

    std::string ApplicationDataFolder() override;
    bool FolderExists(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    std::string ExecutablePath() override;

private:
    HWND owner_;
};

}  // namespace zelkova
