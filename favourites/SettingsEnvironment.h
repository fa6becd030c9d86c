#pragma once

#include <string>

namespace zelkova {

// What working out the settings folder needs from the system. Paths use backslashes.
class SettingsEnvironment {
public:
    virtual ~SettingsEnvironment() = default;
    // The per-user application-data folder; empty when the system cannot say.
    virtual std::string ApplicationDataFolder() = 0;
    // True when the path names an existing folder (not a file).
    virtual bool FolderExists(const std::string& path) = 0;
    // Creates one folder level below an existing one.
    virtual bool CreateFolder(const std::string& path) = 0;
    // Full path of the running executable.
    virtual std::string ExecutablePath() = 0;
};

}  // namespace zelkova
