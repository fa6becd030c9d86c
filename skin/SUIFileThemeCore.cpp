#include "skin/SUIFileThemeCore.h"

namespace zelkova {
namespace {

std::string WithTrailingSeparator(std::string folder) {
    if (folder.empty() || (folder.back() != '\\' && folder.back() != '/')) folder += '\\';
    return folder;
}

}  // namespace

std::string SkinFileNamePart(const std::string& path) {
    const std::size_t cut = path.find_last_of("\\/:");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

FileThemeCore::ThemeFileChange FileThemeCore::SetThemeFile(const std::string& value) {
    ThemeFileChange change;
    change.wasEmpty = themeFile_.empty();
    std::string candidate = value;
    if (!environment_.files.FileExists(candidate)) {
        const std::string name = SkinFileNamePart(value);
        bool found = false;
        for (std::string folder :
             {folders_.ExecutableFolder(), folders_.WindowsFolder(), folders_.SystemFolder()}) {
            candidate = WithTrailingSeparator(std::move(folder)) + name;
            if (environment_.files.FileExists(candidate)) {
                found = true;
                break;
            }
        }
        if (!found) return change;
    }
    change.found = true;
    themeFile_ = candidate;
    ready_ = manager_.LoadSkin(themeFile_, password_);
    return change;
}

FileThemeCore::ThemeFileChange FileThemeCore::SetPassword(const std::string& value) {
    password_ = value;
    if (password_.empty()) return {};
    return SetThemeFile(themeFile_);
}

}  // namespace zelkova
