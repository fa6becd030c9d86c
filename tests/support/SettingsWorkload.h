#pragma once

#include "favourites/FavouritesList.h"
#include "favourites/SettingsEnvironment.h"

#include <string>

namespace zelkova::testing {

// Every folder exists, so a benchmark times only the profile file's work.
class AlwaysThereEnvironment : public SettingsEnvironment {
public:
    std::string ApplicationDataFolder() override { return "C:\\bench"; }
    bool FolderExists(const std::string&) override { return true; }
    bool CreateFolder(const std::string&) override { return true; }
    std::string ExecutablePath() override { return "C:\\bench\\Zelkova.exe"; }
};

// A list of realistic key paths, every third one without a comment.
FavouritesList FavouritesOf(int count);

}  // namespace zelkova::testing
