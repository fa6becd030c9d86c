#pragma once

#include <string>

#include "favourites/FavouritesList.h"
#include "favourites/ProfileFile.h"
#include "favourites/SettingsEnvironment.h"

namespace zelkova {

// The settings file options.ini: sections RegistryList (Count, then one key text per position)
// and CommentList (one comment per position). It keeps nothing between calls: the folder is
// worked out afresh and the file opened by name on every load and save.
class SettingsFile {
public:
    static constexpr const char* FileName = "options.ini";
    static constexpr const char* VendorFolder = "Velund\\Zelkova\\";

    SettingsFile(SettingsEnvironment& environment, ProfileFileOpener openProfile);

    // Folder path ending in a backslash: "Velund\Zelkova\" under the application-data folder,
    // created level by level when missing; the executable's folder when that fails or the
    // application-data folder is unknown.
    std::string SettingsFolder() const;
    std::string SettingsPath() const { return SettingsFolder() + FileName; }

    // Appends the saved entries, skipping positions whose key text is empty, and leaves
    // nothing selected. Never fails: what cannot be read is simply not there.
    void LoadFavourites(FavouritesList& list) const;
    // Writes Count and then each entry's key text and comment in list order, and flushes.
    // Each text is written so that the next load gives it back as it was, blanks and quotation
    // marks included; only a line break becomes a blank, and a zero ends the text.
    // Keys of an earlier, longer list stay in the file. Raises std::runtime_error
    // "Unable to write to <path>" at the first refused write; keys before it stay written.
    void SaveFavourites(const FavouritesList& list) const;

private:
    bool EnsureFolder(const std::string& folder) const;

    SettingsEnvironment& environment_;
    ProfileFileOpener openProfile_;
};

}  // namespace zelkova
