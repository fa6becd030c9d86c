#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "favourites/Global.h"
#include "favourites/PortableProfileFile.h"
#include "platform/WinProfileFile.h"
#include "platform/WinProfileFileStore.h"
#include "platform/WinSettingsEnvironment.h"
#include "support/AwkwardTexts.h"
#include "support/WinScratchFolder_win.h"

namespace zelkova {
namespace {

using ::testing::ElementsAre;
using ::testing::EndsWith;
using testing::ReadFileText;
using testing::WinScratchFolder;
using testing::WriteFileText;

TEST(WinSettingsEnvironment, FindsTheApplicationDataFolderAndTheProgram) {
    WinSettingsEnvironment environment;
    const std::string appData = environment.ApplicationDataFolder();
    ASSERT_FALSE(appData.empty());
    EXPECT_EQ(appData.substr(1, 2), ":\\") << appData;
    EXPECT_TRUE(environment.FolderExists(appData));

    const std::string program = environment.ExecutablePath();
    EXPECT_THAT(program, EndsWith("\\win_win_settings_environment_test.exe"));
    EXPECT_TRUE(environment.FolderExists(program.substr(0, program.rfind('\\'))));
    EXPECT_FALSE(environment.FolderExists(program)) << "a file is no folder";
}

TEST(WinSettingsEnvironment, CreatesOneLevelAtATime) {
    WinScratchFolder scratch;
    WinSettingsEnvironment environment;
    EXPECT_FALSE(environment.FolderExists(scratch.File("a")));
    EXPECT_FALSE(environment.CreateFolder(scratch.File("a\\b"))) << "two levels at once";
    EXPECT_TRUE(environment.CreateFolder(scratch.File("a")));
    EXPECT_TRUE(environment.CreateFolder(scratch.File("a\\b")));
    EXPECT_TRUE(environment.FolderExists(scratch.File("a\\b")));
    EXPECT_FALSE(environment.CreateFolder(scratch.File("a"))) << "already there";
}

// The real functions, but an application-data folder of the test's own, so that no settings of
// the prefix's user are touched.
class ScratchAppData : public SettingsEnvironment {
public:
    explicit ScratchAppData(std::string folder) : folder_(std::move(folder)) {}
    std::string ApplicationDataFolder() override { return folder_; }
    bool FolderExists(const std::string& path) override { return real.FolderExists(path); }
    bool CreateFolder(const std::string& path) override {
        return !refuseCreation && real.CreateFolder(path);
    }
    std::string ExecutablePath() override { return real.ExecutablePath(); }

    bool refuseCreation = false;
    WinSettingsEnvironment real;

private:
    std::string folder_;
};

const WinProfileFileStore winFiles;

// Each case runs over the system's profile functions and over the portable file, which the
// program uses under Wine.
class WinSettingsFileTest : public ::testing::TestWithParam<bool> {
protected:
    static ProfileFileOpener Opener(bool portable) {
        return portable ? PortableProfileFileOpener(winFiles) : ProfileFileOpener(OpenWinProfileFile);
    }

    WinScratchFolder scratch;
    // No trailing backslash: the settings folder adds one.
    ScratchAppData environment{scratch.File("Roaming")};
    SettingsFile settings{environment, Opener(GetParam())};
    std::string folder = scratch.File("Roaming\\Velund\\Zelkova\\");
};

INSTANTIATE_TEST_SUITE_P(Profiles, WinSettingsFileTest, ::testing::Bool(),
                         [](const auto& param) { return param.param ? "Portable" : "System"; });

using PortableSettingsFileTest = WinSettingsFileTest;
INSTANTIATE_TEST_SUITE_P(Profiles, PortableSettingsFileTest, ::testing::Values(true),
                         [](const auto&) { return "Portable"; });

TEST_P(WinSettingsFileTest, CreatesEveryMissingLevel) {
    EXPECT_EQ(settings.SettingsFolder(), folder);
    EXPECT_TRUE(environment.FolderExists(folder));
}

TEST_P(WinSettingsFileTest, SavesTheExampleAndLoadsItBack) {
    FavouritesList list;
    list.Append({"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                 "Programs started at logon"});
    list.Append({"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", ""});
    list.Select(1);
    settings.SaveFavourites(list);
    EXPECT_EQ(ReadFileText(folder + "options.ini"),
              "[RegistryList]\r\n"
              "Count=2\r\n"
              "0=HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\r\n"
              "1=HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\r\n"
              "[CommentList]\r\n"
              "0=Programs started at logon\r\n"
              "1=\r\n");

    FavouritesList loaded;
    settings.LoadFavourites(loaded);
    EXPECT_EQ(loaded.Entries(), list.Entries());
    EXPECT_EQ(loaded.SelectedIndex(), -1);
}

TEST_P(WinSettingsFileTest, BlanksAndQuotesAreWrittenInsideQuotesAndComeBack) {
    FavouritesList list;
    list.Append({"HKEY_CURRENT_USER\\Software\\X ", "\"quoted\""});
    list.Append({"HKEY_CURRENT_USER\\Software\\X", "  padded\t"});
    settings.SaveFavourites(list);
    EXPECT_EQ(ReadFileText(folder + "options.ini"),
              "[RegistryList]\r\nCount=2\r\n0=\"HKEY_CURRENT_USER\\Software\\X \"\r\n"
              "1=HKEY_CURRENT_USER\\Software\\X\r\n"
              "[CommentList]\r\n0=\"\"quoted\"\"\r\n1=\"  padded\t\"\r\n");
    FavouritesList loaded;
    settings.LoadFavourites(loaded);
    EXPECT_EQ(loaded.Entries(), list.Entries());
}

TEST_P(WinSettingsFileTest, EveryAwkwardTextComesBackAsLoaded) {
    FavouritesList list;
    std::vector<FavouriteEntry> expected;
    for (const testing::AwkwardText& text : testing::AwkwardTexts()) {
        list.Append({text.saved, text.saved});
        expected.push_back({text.loaded, text.loaded});
    }
    settings.SaveFavourites(list);
    FavouritesList loaded;
    settings.LoadFavourites(loaded);
    ASSERT_EQ(loaded.Count(), static_cast<int>(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(loaded.At(static_cast<int>(i)), expected[i])
            << "entry " << i << ": " << expected[i].KeyText.substr(0, 40);
    }
}

TEST_P(WinSettingsFileTest, HugeCountLoadsWhatIsThere) {
    settings.SettingsFolder();
    WriteFileText(folder + "options.ini",
                  "[RegistryList]\r\nCount=2147483647\r\n0=HKEY_A\r\n5=HKEY_F\r\n"
                  "[CommentList]\r\n5=f\r\n");
    FavouritesList loaded;
    settings.LoadFavourites(loaded);
    EXPECT_THAT(loaded.Entries(),
                ElementsAre(FavouriteEntry{"HKEY_A", ""}, FavouriteEntry{"HKEY_F", "f"}));
}

// The message a save of one entry raised, or "saved".
std::string SaveOutcome(const SettingsFile& settings) {
    FavouritesList list;
    list.Append({"HKEY_USERS", ""});
    try {
        settings.SaveFavourites(list);
        return "saved";
    } catch (const std::runtime_error& error) {
        return error.what();
    }
}

TEST_P(WinSettingsFileTest, RefusedWriteRaisesWithTheFullPath) {
    settings.SettingsFolder();
    ASSERT_TRUE(CreateDirectoryA((folder + "options.ini").c_str(), nullptr));
    EXPECT_EQ(SaveOutcome(settings), "Unable to write to " + folder + "options.ini");
}

// As the Windows functions do; Wine's, run as root, would write it all the same.
TEST_P(PortableSettingsFileTest, ReadOnlyFileIsRefusedAndKept) {
    settings.SettingsFolder();
    const std::string path = folder + "options.ini";
    WriteFileText(path, "[RegistryList]\r\nCount=0\r\n");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(SaveOutcome(settings), "Unable to write to " + path);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadFileText(path), "[RegistryList]\r\nCount=0\r\n");
}

TEST_P(WinSettingsFileTest, FallsBackToTheProgramFolder) {
    environment.refuseCreation = true;
    const std::string program = environment.ExecutablePath();
    EXPECT_EQ(settings.SettingsFolder(), program.substr(0, program.rfind('\\') + 1));
}

}  // namespace
}  // namespace zelkova
