#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "favourites/FavouritesList.h"
#include "favourites/Global.h"
#include "favourites/IntegerText.h"
#include "favourites/PortableProfileFile.h"
#include "favourites/StdioProfileFileStore.h"
#include "support/AwkwardTexts.h"
#include "support/ScratchFolder.h"

namespace zelkova {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* AppData = "C:\\Users\\me\\AppData\\Roaming";
constexpr const char* SettingsDir = "C:\\Users\\me\\AppData\\Roaming\\Velund\\Zelkova\\";
constexpr const char* ProgramDir = "D:\\Tools\\Zelkova\\";

const StdioProfileFileStore stdioFiles;

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// ---- Whole numbers -----------------------------------------------------------------------

TEST(ParseInteger, AcceptsDecimalWithSignAndPrefixedHexadecimal) {
    EXPECT_EQ(ParseInteger("0"), 0);
    EXPECT_EQ(ParseInteger("12"), 12);
    EXPECT_EQ(ParseInteger("+12"), 12);
    EXPECT_EQ(ParseInteger("-12"), -12);
    EXPECT_EQ(ParseInteger("007"), 7);
    EXPECT_EQ(ParseInteger("0x2"), 2);
    EXPECT_EQ(ParseInteger("0X1f"), 31);
    EXPECT_EQ(ParseInteger("$Ff"), 255);
    EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseInteger("-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseInteger("0x7FFFFFFF"), 2147483647);
    EXPECT_EQ(ParseInteger("0x000000000000010"), 16) << "leading zeros never overflow";
}

TEST(ParseInteger, RefusesEverythingElse) {
    for (const char* text : {"", "abc", "2x", "1 2", " 2", "2 ", "+", "-", "0x", "$", "x2",
                             "0x-2", "-0x2", "+$2", "$g", "1.0", "1e3", "--1", "2147483648",
                             "-2147483649", "0x80000000", "0xFFFFFFFF", "99999999999999999999",
                             "\xD9\xA3"}) {
        EXPECT_EQ(ParseInteger(text), std::nullopt) << '"' << text << '"';
    }
}

// ---- A settings folder in memory, files on disk ------------------------------------------

class FakeEnvironment : public SettingsEnvironment {
public:
    std::string ApplicationDataFolder() override { return appData; }
    bool FolderExists(const std::string& path) override {
        queried.push_back(path);
        return folders.count(path) > 0;
    }
    bool CreateFolder(const std::string& path) override {
        created.push_back(path);
        if (madeByAnother.count(path) > 0) folders.insert(path);
        if (refused.count(path) > 0 || madeByAnother.count(path) > 0) return false;
        folders.insert(path);
        return true;
    }
    std::string ExecutablePath() override { return std::string(ProgramDir) + "Zelkova.exe"; }

    std::string appData = AppData;
    std::set<std::string> folders{"C:\\Users", "C:\\Users\\me", "C:\\Users\\me\\AppData",
                                  AppData, "D:\\Tools", "D:\\Tools\\Zelkova"};
    std::set<std::string> refused;
    std::set<std::string> madeByAnother;
    std::vector<std::string> queried;
    std::vector<std::string> created;
};

// Maps the two settings folders the logic may choose onto scratch folders on disk.
class SettingsFixture : public ::testing::Test {
protected:
    SettingsFixture() {
        std::filesystem::create_directory(scratch.Path() / "appdata");
        std::filesystem::create_directory(scratch.Path() / "program");
    }

    std::string DiskPath(const std::string& windowsPath) const {
        const size_t slash = windowsPath.rfind('\\');
        const std::string folder = windowsPath.substr(0, slash + 1);
        const std::string name = windowsPath.substr(slash + 1);
        if (folder == SettingsDir) return scratch.File("appdata/" + name);
        if (folder == ProgramDir) return scratch.File("program/" + name);
        ADD_FAILURE() << "unexpected settings path " << windowsPath;
        return scratch.File("unexpected");
    }

    ProfileFileOpener Opener() {
        return [this](const std::string& path) -> std::unique_ptr<ProfileFile> {
            opened.push_back(path);
            return std::make_unique<PortableProfileFile>(DiskPath(path), stdioFiles);
        };
    }

    std::string SettingsBytes() const { return Slurp(scratch.File("appdata/options.ini")); }
    void PutSettings(const std::string& bytes) const {
        std::ofstream(scratch.File("appdata/options.ini"), std::ios::binary) << bytes;
    }

    FavouritesList Load() {
        FavouritesList list;
        settings.LoadFavourites(list);
        return list;
    }

    void Save(std::vector<FavouriteEntry> entries) {
        FavouritesList list;
        for (auto& entry : entries) list.Append(std::move(entry));
        settings.SaveFavourites(list);
    }

    testing::ScratchFolder scratch;
    FakeEnvironment environment;
    std::vector<std::string> opened;
    SettingsFile settings{environment, Opener()};
};

TEST_F(SettingsFixture, SavesTheDocumentedExampleByteForByte) {
    Save({{"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
           "Programs started at logon"},
          {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", ""}});
    EXPECT_EQ(SettingsBytes(),
              "[RegistryList]\r\n"
              "Count=2\r\n"
              "0=HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run\r\n"
              "1=HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\r\n"
              "[CommentList]\r\n"
              "0=Programs started at logon\r\n"
              "1=\r\n");
    EXPECT_THAT(opened, ElementsAre(std::string(SettingsDir) + "options.ini"));
}

TEST_F(SettingsFixture, FirstRunCreatesTheFolderAndThenAnEmptyList) {
    const FavouritesList list = Load();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_THAT(environment.created, ElementsAre("C:\\Users\\me\\AppData\\Roaming\\Velund",
                                                 "C:\\Users\\me\\AppData\\Roaming\\Velund\\Zelkova"));
    EXPECT_FALSE(std::filesystem::exists(scratch.File("appdata/options.ini")))
        << "the file comes into being at the first save";

    Save({});
    EXPECT_EQ(SettingsBytes(), "[RegistryList]\r\nCount=0\r\n");
}

TEST_F(SettingsFixture, RoundTripKeepsOrderAndSelectsNothing) {
    Save({{"HKEY_USERS", "u"}, {"HKEY_CLASSES_ROOT\\.txt", ""}, {"HKEY_USERS", "twin"}});
    const FavouritesList list = Load();
    EXPECT_THAT(list.Entries(), ElementsAre(FavouriteEntry{"HKEY_USERS", "u"},
                                            FavouriteEntry{"HKEY_CLASSES_ROOT\\.txt", ""},
                                            FavouriteEntry{"HKEY_USERS", "twin"}));
    EXPECT_EQ(list.SelectedIndex(), -1);
}

TEST_F(SettingsFixture, CountDecidesHowManyPositionsAreRead) {
    const std::string entries =
        "0=HKEY_A\r\n1=HKEY_B\r\n2=HKEY_C\r\n3=HKEY_D\r\n4=HKEY_E\r\n[CommentList]\r\n";
    const std::vector<std::pair<std::string, int>> cases = {
        {"Count=2", 2},    {"Count=0x2", 2},      {"Count=$3", 3},   {"Count=0X3", 3},
        {"Count=+2", 2},   {"Count=-1", 0},       {"Count=abc", 0},  {"Count=2x", 0},
        {"Count=", 0},     {"", 0},               {"Count=99", 5},   {"Count=2147483648", 0},
        {"Count=0x80000000", 0}, {"Count= 2 ", 2}, {"Count=\"3\"", 3}, {"count=1", 1},
    };
    for (const auto& [countLine, expected] : cases) {
        PutSettings("[RegistryList]\r\n" + countLine + "\r\n" + entries);
        EXPECT_EQ(Load().Count(), expected) << countLine;
    }
}

TEST_F(SettingsFixture, SkipsMissingAndEmptyPositionsWithTheirComments) {
    PutSettings(
        "[RegistryList]\r\nCount=5\r\n0=HKEY_A\r\n1=\r\n3=HKEY_D\r\n"
        "[CommentList]\r\n0=a\r\n1=lost with its empty key\r\n2=no key\r\n3=d\r\n");
    EXPECT_THAT(Load().Entries(),
                ElementsAre(FavouriteEntry{"HKEY_A", "a"}, FavouriteEntry{"HKEY_D", "d"}));

    // The next save numbers densely; the old keys 2 and 3 stay behind Count.
    Save(Load().Entries());
    EXPECT_EQ(SettingsBytes(),
              "[RegistryList]\r\nCount=2\r\n0=HKEY_A\r\n1=HKEY_D\r\n3=HKEY_D\r\n"
              "[CommentList]\r\n0=a\r\n1=d\r\n2=no key\r\n3=d\r\n");
}

TEST_F(SettingsFixture, ShorterSaveLeavesStaleKeysThatLoadIgnores) {
    Save({{"HKEY_0", "c0"}, {"HKEY_1", "c1"}, {"HKEY_2", "c2"}, {"HKEY_3", "c3"}, {"HKEY_4", "c4"}});
    Save({{"HKEY_X", "x"}, {"HKEY_Y", ""}, {"HKEY_Z", "z"}});
    EXPECT_EQ(SettingsBytes(),
              "[RegistryList]\r\nCount=3\r\n0=HKEY_X\r\n1=HKEY_Y\r\n2=HKEY_Z\r\n3=HKEY_3\r\n"
              "4=HKEY_4\r\n[CommentList]\r\n0=x\r\n1=\r\n2=z\r\n3=c3\r\n4=c4\r\n");
    EXPECT_THAT(Load().Entries(),
                ElementsAre(FavouriteEntry{"HKEY_X", "x"}, FavouriteEntry{"HKEY_Y", ""},
                            FavouriteEntry{"HKEY_Z", "z"}));
}

TEST_F(SettingsFixture, BlanksAndQuotesComeBackAsSaved) {
    Save({{"HKEY_CURRENT_USER\\Software\\X ", "\"quoted\""},
          {"HKEY_CURRENT_USER\\Software\\X", "  padded\t"},
          {"'HKEY_A'", " \"half"}});
    EXPECT_EQ(SettingsBytes(),
              "[RegistryList]\r\nCount=3\r\n0=\"HKEY_CURRENT_USER\\Software\\X \"\r\n"
              "1=HKEY_CURRENT_USER\\Software\\X\r\n2=\"'HKEY_A'\"\r\n"
              "[CommentList]\r\n0=\"\"quoted\"\"\r\n1=\"  padded\t\"\r\n2=\" \"half\"\r\n");
    EXPECT_THAT(Load().Entries(),
                ElementsAre(FavouriteEntry{"HKEY_CURRENT_USER\\Software\\X ", "\"quoted\""},
                            FavouriteEntry{"HKEY_CURRENT_USER\\Software\\X", "  padded\t"},
                            FavouriteEntry{"'HKEY_A'", " \"half"}));
}

TEST_F(SettingsFixture, LongTextsComeBackWhole) {
    const std::string key = "HKEY_" + std::string(2995, 'k');
    Save({{key, std::string(2048, 'c')}});
    const FavouritesList list = Load();
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.At(0).KeyText, key);
    EXPECT_EQ(list.At(0).Comment, std::string(2048, 'c'));
}

TEST_F(SettingsFixture, EveryAwkwardTextComesBackAsLoaded) {
    std::vector<FavouriteEntry> saved, loaded;
    for (const testing::AwkwardText& text : testing::AwkwardTexts()) {
        saved.push_back({text.saved, text.saved});
        loaded.push_back({text.loaded, text.loaded});
    }
    Save(saved);
    EXPECT_EQ(Load().Entries(), loaded);
}

TEST_F(SettingsFixture, AFileWrittenByOthersLosesBlanksAndOnePairOfQuotes) {
    PutSettings("[RegistryList]\r\nCount=3\r\n0=  HKEY_USERS\\x  \r\n1='HKEY_A'\r\n"
                "2=\"HKEY_B\r\n[CommentList]\r\n0=\"first comment\"\r\n1= \"half\r\n"
                "2=\"\"twice\"\"\r\n");
    EXPECT_THAT(Load().Entries(), ElementsAre(FavouriteEntry{"HKEY_USERS\\x", "first comment"},
                                              FavouriteEntry{"HKEY_A", "\"half"},
                                              FavouriteEntry{"\"HKEY_B", "\"twice\""}));
}

TEST_F(SettingsFixture, KeepsSectionsAndKeysItDoesNotUse) {
    PutSettings("; by hand\r\n[Window]\r\nLeft=3\r\n[RegistryList]\r\nCount=1\r\nLast=x\r\n"
                "0=HKEY_OLD\r\n");
    Save({{"HKEY_NEW", "n"}});
    EXPECT_EQ(SettingsBytes(),
              "; by hand\r\n[Window]\r\nLeft=3\r\n[RegistryList]\r\nCount=1\r\nLast=x\r\n"
              "0=HKEY_NEW\r\n[CommentList]\r\n0=n\r\n");
}

TEST_F(SettingsFixture, OnlyThePlainDecimalKeyNameIsAPosition) {
    PutSettings("[RegistryList]\r\nCount=3\r\n00=zero\r\n+1=one\r\n 1 =HKEY_ONE\r\n0x2=two\r\n"
                "[CommentList]\r\n1=c\r\n");
    EXPECT_THAT(Load().Entries(), ElementsAre(FavouriteEntry{"HKEY_ONE", "c"}));
}

TEST_F(SettingsFixture, FallsBackToTheProgramFolder) {
    environment.refused.insert("C:\\Users\\me\\AppData\\Roaming\\Velund");
    EXPECT_EQ(settings.SettingsFolder(), ProgramDir);
    EXPECT_THAT(environment.created, ElementsAre("C:\\Users\\me\\AppData\\Roaming\\Velund"))
        << "no level below a refused one is attempted";
    Save({{"HKEY_USERS", ""}});
    EXPECT_EQ(Slurp(scratch.File("program/options.ini")),
              "[RegistryList]\r\nCount=1\r\n0=HKEY_USERS\r\n[CommentList]\r\n0=\r\n");
    EXPECT_THAT(Load().Entries(), ElementsAre(FavouriteEntry{"HKEY_USERS", ""}));
}

TEST_F(SettingsFixture, FallsBackWhenTheApplicationDataFolderIsUnknown) {
    environment.appData.clear();
    EXPECT_EQ(settings.SettingsFolder(), ProgramDir);
    EXPECT_THAT(environment.created, IsEmpty());
}

TEST_F(SettingsFixture, AcceptsAFolderThatAppearedWhileCreatingIt) {
    // Another copy of the program makes the folder between our test and our attempt.
    environment.madeByAnother.insert("C:\\Users\\me\\AppData\\Roaming\\Velund");
    EXPECT_EQ(settings.SettingsFolder(), SettingsDir);
    EXPECT_THAT(environment.created, ElementsAre("C:\\Users\\me\\AppData\\Roaming\\Velund",
                                                 "C:\\Users\\me\\AppData\\Roaming\\Velund\\Zelkova"));
}

TEST_F(SettingsFixture, AddsOneBackslashAndNeverTestsADrive) {
    environment.appData = "C:\\";
    environment.folders.clear();
    EXPECT_EQ(settings.SettingsFolder(), "C:\\Velund\\Zelkova\\");
    EXPECT_THAT(environment.created, ElementsAre("C:\\Velund", "C:\\Velund\\Zelkova"));
    EXPECT_THAT(environment.queried, ::testing::Not(::testing::Contains("C:")));

    environment.appData = "E:\\Profile";  // no trailing backslash
    environment.folders = {"E:\\Profile"};
    EXPECT_EQ(settings.SettingsFolder(), "E:\\Profile\\Velund\\Zelkova\\");
}

TEST_F(SettingsFixture, ReachesAServerShareWithoutTestingTheServerName) {
    environment.appData = "\\\\server\\users\\me";
    environment.folders = {"\\\\server\\users\\me"};
    EXPECT_EQ(settings.SettingsFolder(), "\\\\server\\users\\me\\Velund\\Zelkova\\");
    EXPECT_THAT(environment.queried, ::testing::Not(::testing::Contains("\\\\server")));
}

TEST_F(SettingsFixture, RecreatesAFolderDeletedWhileRunning) {
    Load();
    environment.folders.erase("C:\\Users\\me\\AppData\\Roaming\\Velund\\Zelkova");
    environment.created.clear();
    Save({{"HKEY_USERS", ""}});
    EXPECT_THAT(environment.created,
                ElementsAre("C:\\Users\\me\\AppData\\Roaming\\Velund\\Zelkova"));
}

TEST_F(SettingsFixture, RefusedWriteRaisesWithTheFullPath) {
    std::filesystem::create_directory(scratch.Path() / "appdata" / "options.ini");
    try {
        Save({{"HKEY_USERS", ""}});
        FAIL() << "the save went through";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(std::string(error.what()),
                  std::string("Unable to write to ") + SettingsDir + "options.ini");
    }
    EXPECT_TRUE(Load().IsEmpty()) << "a folder of that name reads as no settings";
}

// ---- Write order and failures, through a recording file ----------------------------------

class RecordingProfileFile : public ProfileFile {
public:
    RecordingProfileFile(std::vector<std::string>& log, int refuseAt, bool flushFails)
        : log_(log), refuseAt_(refuseAt), flushFails_(flushFails) {}
    const std::string& Path() const override { return path_; }
    std::string ReadString(std::string_view s, std::string_view k, std::string_view d) override {
        log_.push_back("read " + std::string(s) + "/" + std::string(k));
        return std::string(d);
    }
    bool WriteString(std::string_view s, std::string_view k, std::string_view v) override {
        const bool refused = static_cast<int>(log_.size()) == refuseAt_;
        log_.push_back((refused ? "refused " : "write ") + std::string(s) + "/" +
                       std::string(k) + "=" + std::string(v));
        return !refused;
    }
    std::vector<std::string> KeyNames(std::string_view) override { return {}; }
    bool Flush() override {
        log_.push_back("flush");
        return !flushFails_;
    }

private:
    std::string path_ = "X:\\options.ini";
    std::vector<std::string>& log_;
    int refuseAt_;
    bool flushFails_;
};

struct RecordedSave {
    std::vector<std::string> log;
    std::string error;
};

RecordedSave SaveThroughRecorder(int refuseAt, bool flushFails) {
    RecordedSave result;
    FakeEnvironment environment;
    SettingsFile settings(environment, [&](const std::string&) {
        return std::make_unique<RecordingProfileFile>(result.log, refuseAt, flushFails);
    });
    FavouritesList list;
    list.Append({"HKEY_A", "a"});
    list.Append({"HKEY_B", ""});
    try {
        settings.SaveFavourites(list);
    } catch (const std::runtime_error& error) {
        result.error = error.what();
    }
    return result;
}

TEST(SaveFavourites, WritesCountThenEachPairInOrderThenFlushes) {
    const RecordedSave save = SaveThroughRecorder(-1, false);
    EXPECT_THAT(save.log, ElementsAre("write RegistryList/Count=2", "write RegistryList/0=HKEY_A",
                                      "write CommentList/0=a", "write RegistryList/1=HKEY_B",
                                      "write CommentList/1=", "flush"));
    EXPECT_EQ(save.error, "");
}

TEST(SaveFavourites, StopsAtTheRefusedWrite) {
    const RecordedSave save = SaveThroughRecorder(3, false);
    EXPECT_THAT(save.log, ElementsAre("write RegistryList/Count=2", "write RegistryList/0=HKEY_A",
                                      "write CommentList/0=a", "refused RegistryList/1=HKEY_B"));
    EXPECT_EQ(save.error, std::string("Unable to write to ") + SettingsDir + "options.ini");
}

TEST(SaveFavourites, ReportsWritesThatCouldNotBeStored) {
    const RecordedSave save = SaveThroughRecorder(-1, true);
    EXPECT_EQ(save.log.back(), "flush");
    EXPECT_EQ(save.error, std::string("Unable to write to ") + SettingsDir + "options.ini");
}

// ---- The huge Count, and the mended loop against the plain one ---------------------------

// Counts the reads a load makes, passing everything through to a real file.
class CountingProfileFile : public ProfileFile {
public:
    CountingProfileFile(std::unique_ptr<ProfileFile> inner, int& reads)
        : inner_(std::move(inner)), reads_(reads) {}
    const std::string& Path() const override { return inner_->Path(); }
    std::string ReadString(std::string_view s, std::string_view k, std::string_view d) override {
        ++reads_;
        return inner_->ReadString(s, k, d);
    }
    bool WriteString(std::string_view s, std::string_view k, std::string_view v) override {
        return inner_->WriteString(s, k, v);
    }
    std::vector<std::string> KeyNames(std::string_view s) override { return inner_->KeyNames(s); }
    bool Flush() override { return inner_->Flush(); }

private:
    std::unique_ptr<ProfileFile> inner_;
    int& reads_;
};

TEST_F(SettingsFixture, HugeCountReadsOnlyThePositionsPresent) {
    PutSettings("[RegistryList]\r\nCount=2147483647\r\n0=HKEY_A\r\n7=HKEY_H\r\n"
                "[CommentList]\r\n7=h\r\n");
    int reads = 0;
    SettingsFile counted(environment, [&](const std::string& path) -> std::unique_ptr<ProfileFile> {
        return std::make_unique<CountingProfileFile>(
            std::make_unique<PortableProfileFile>(DiskPath(path), stdioFiles), reads);
    });
    FavouritesList list;
    counted.LoadFavourites(list);
    EXPECT_THAT(list.Entries(),
                ElementsAre(FavouriteEntry{"HKEY_A", ""}, FavouriteEntry{"HKEY_H", "h"}));
    EXPECT_EQ(reads, 5) << "Count, then a key text and a comment for each of two positions";
}

// The load as first described: every position below Count, one after the other.
std::vector<FavouriteEntry> LoadPositionByPosition(ProfileFile& file) {
    std::vector<FavouriteEntry> entries;
    const int count = ParseInteger(file.ReadString("RegistryList", "Count", "")).value_or(0);
    for (int i = 0; i < count; ++i) {
        std::string keyText = file.ReadString("RegistryList", std::to_string(i), "");
        if (keyText.empty()) continue;
        entries.push_back({keyText, file.ReadString("CommentList", std::to_string(i), "")});
    }
    return entries;
}

TEST_F(SettingsFixture, LoadsWhatThePositionByPositionLoopLoads) {
    std::mt19937 random(20240611);
    const std::vector<std::string> oddNames = {"00", "+1", "01", " 2", "3 ", "-0", "1e1", "x"};
    for (int round = 0; round < 300; ++round) {
        std::string bytes = "[RegistryList]\r\nCount=" + std::to_string(random() % 14) + "\r\n";
        const int lines = static_cast<int>(random() % 16);
        for (int i = 0; i < lines; ++i) {
            const std::string name = random() % 5 == 0 ? oddNames[random() % oddNames.size()]
                                                        : std::to_string(random() % 16);
            const unsigned kind = random() % 4;
            const std::string value = kind == 0 ? "" : kind == 1 ? "  " : "HKEY_" + name;
            bytes += name + "=" + value + "\r\n";
            if (random() % 3 == 0) bytes += "[CommentList]\r\n" + name + "=c" + name + "\r\n"
                                            "[RegistryList]\r\n";
        }
        PutSettings(bytes);
        PortableProfileFile reference(scratch.File("appdata/options.ini"), stdioFiles);
        EXPECT_EQ(Load().Entries(), LoadPositionByPosition(reference)) << bytes;
    }
}

}  // namespace
}  // namespace zelkova
