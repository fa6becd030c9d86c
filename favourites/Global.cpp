#include "favourites/Global.h"

#include <set>
#include <stdexcept>
#include <utility>
#include <vector>

#include "favourites/IntegerText.h"
#include "favourites/ProfileRules.h"

namespace zelkova {

namespace {

constexpr const char* RegistrySection = "RegistryList";
constexpr const char* CommentSection = "CommentList";
constexpr const char* CountKey = "Count";

std::string WithTrailingBackslash(std::string path) {
    if (path.empty() || path.back() != '\\') path += '\\';
    return path;
}

std::string FolderOf(const std::string& filePath) {
    const size_t slash = filePath.rfind('\\');
    return slash == std::string::npos ? std::string() : filePath.substr(0, slash + 1);
}

// The position a key name stands for, when it is the plain decimal text that a save writes
// (no sign, no leading zero): only such a name is found by reading key "i".
std::optional<int> PositionOfKeyName(const std::string& name) {
    if (name.empty() || (name.size() > 1 && name.front() == '0')) return std::nullopt;
    for (char c : name)
        if (c < '0' || c > '9') return std::nullopt;
    const std::optional<std::int32_t> value = ParseInteger(name);
    if (!value) return std::nullopt;
    return *value;
}

}  // namespace

SettingsFile::SettingsFile(SettingsEnvironment& environment, ProfileFileOpener openProfile)
    : environment_(environment), openProfile_(std::move(openProfile)) {}

bool SettingsFile::EnsureFolder(const std::string& folder) const {
    // Walk up to the deepest level that exists, then create the missing ones from the top down.
    // Levels shorter than three characters (a drive such as "C:") count as existing; starting
    // from the bottom also spares a UNC server name ("\\server") any test it cannot pass.
    std::vector<std::string> missing;
    std::string level = folder;
    while (!level.empty() && level.back() == '\\') level.pop_back();
    while (level.size() >= 3 && !environment_.FolderExists(level)) {
        missing.push_back(level);
        const size_t slash = level.rfind('\\');
        if (slash == std::string::npos) break;
        level.resize(slash);
    }
    for (auto it = missing.rbegin(); it != missing.rend(); ++it) {
        // Another process may have made it meanwhile: that is as good as making it.
        if (!environment_.CreateFolder(*it) && !environment_.FolderExists(*it)) return false;
    }
    return true;
}

std::string SettingsFile::SettingsFolder() const {
    const std::string applicationData = environment_.ApplicationDataFolder();
    if (!applicationData.empty()) {
        std::string folder = WithTrailingBackslash(applicationData) + VendorFolder;
        if (EnsureFolder(folder)) return folder;
    }
    return FolderOf(environment_.ExecutablePath());
}

void SettingsFile::LoadFavourites(FavouritesList& list) const {
    const std::unique_ptr<ProfileFile> file = openProfile_(SettingsPath());
    const int count = ParseInteger(file->ReadString(RegistrySection, CountKey, "")).value_or(0);

    // Read only the positions the section really holds: a Count of two billion must not
    // cost two billion reads. Every other position would read as empty and be skipped, so
    // the list comes out the same.
    std::set<int> positions;
    for (const std::string& name : file->KeyNames(RegistrySection)) {
        const std::optional<int> position = PositionOfKeyName(name);
        if (position && *position < count) positions.insert(*position);
    }
    for (const int position : positions) {
        const std::string key = std::to_string(position);
        std::string keyText = file->ReadString(RegistrySection, key, "");
        if (keyText.empty()) continue;
        std::string comment = file->ReadString(CommentSection, key, "");
        list.Append({std::move(keyText), std::move(comment)});
    }
    list.Select(FavouritesList::NoSelection);
}

void SettingsFile::SaveFavourites(const FavouritesList& list) const {
    const std::string path = SettingsPath();
    const std::unique_ptr<ProfileFile> file = openProfile_(path);
    const auto refused = [&] { return std::runtime_error("Unable to write to " + path); };
    const auto write = [&](const char* section, const std::string& key, const std::string& value) {
        // Most texts go as they are, without a copy.
        const bool written = IsProfileValueWrittenAsItIs(value)
                                 ? file->WriteString(section, key, value)
                                 : file->WriteString(section, key, ProfileValueToWrite(value));
        if (!written) throw refused();
    };
    write(RegistrySection, CountKey, std::to_string(list.Count()));
    for (int i = 0; i < list.Count(); ++i) {
        const std::string key = std::to_string(i);
        write(RegistrySection, key, list.At(i).KeyText);
        write(CommentSection, key, list.At(i).Comment);
    }
    // The Windows functions store each write at once, so their flush has nothing to report;
    // a file that gathers writes in memory reports here the failure the writes could not.
    if (!file->Flush()) throw refused();
}

}  // namespace zelkova
