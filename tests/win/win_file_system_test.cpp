// The skin reader's Win32 services: files opened so that others may go on using them, the
// temporary folder and GUID names, and the folders a skin file is looked for in.
#include <gtest/gtest.h>

#include <windows.h>

#include <regex>

#include "base/AsciiText.h"
#include "platform/WinFileSystem.h"
#include "platform/WinSkinSearchFolders.h"
#include "skin/file/SUI2SkinReader.h"
#include "support/CountingTempFolder.h"
#include "support/SkinFixtures_win.h"
#include "support/WinProcess_win.h"

namespace zelkova {
namespace {

using testing::ReadFileBytes;
using testing::WinTestFolder;
using testing::WriteFileBytes;

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<std::uint8_t> bytes;
    for (int v : values) bytes.push_back(static_cast<std::uint8_t>(v));
    return bytes;
}

class WinFileSystemTest : public ::testing::Test {
protected:
    WinTestFolder folder;
    WinFileSystem files;
};

TEST_F(WinFileSystemTest, OnlyRegularFilesExist) {
    ASSERT_TRUE(WriteFileBytes(folder.File("a.skn"), Bytes({1})));
    CreateDirectoryA(folder.File("sub").c_str(), nullptr);
    EXPECT_TRUE(files.FileExists(folder.File("a.skn")));
    EXPECT_FALSE(files.FileExists(folder.File("sub")));
    EXPECT_FALSE(files.FileExists(folder.File("missing.skn")));
    EXPECT_FALSE(files.FileExists(""));
}

TEST_F(WinFileSystemTest, ReadsAtAnyOffsetAndStopsAtTheEnd) {
    ASSERT_TRUE(WriteFileBytes(folder.File("data"), Bytes({10, 11, 12, 13, 14, 15})));
    auto file = files.OpenForReading(folder.File("data"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->Size(), 6u);

    std::vector<std::uint8_t> buffer(4, 0);
    EXPECT_EQ(file->ReadAt(3, buffer), 3u);  // short at the end
    EXPECT_EQ(buffer, Bytes({13, 14, 15, 0}));
    EXPECT_EQ(file->ReadAt(1, buffer), 4u);  // reads go back as well as forward
    EXPECT_EQ(buffer, Bytes({11, 12, 13, 14}));
    EXPECT_EQ(file->ReadAt(6, buffer), 0u);
    EXPECT_EQ(file->ReadAt(~std::uint64_t{0}, buffer), 0u);
    EXPECT_FALSE(file->ReadExactly(3, buffer));
    EXPECT_TRUE(file->ReadExactly(2, buffer));
    EXPECT_EQ(buffer, Bytes({12, 13, 14, 15}));

    EXPECT_EQ(files.OpenForReading(folder.File("missing")), nullptr);
    EXPECT_EQ(files.OpenForReading(folder.Path()), nullptr);
}

TEST_F(WinFileSystemTest, ReadingDeniesNothingToOthers) {
    const std::string path = folder.File("shared");
    ASSERT_TRUE(WriteFileBytes(path, Bytes({1, 2, 3})));

    // Someone else has the file open for writing (and lets readers and writers in): we still read.
    const HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    auto file = files.OpenForReading(path);
    EXPECT_NE(file, nullptr);

    // While we read, others may open it for writing and may delete it.
    const HANDLE second = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(second, INVALID_HANDLE_VALUE);
    if (second != INVALID_HANDLE_VALUE) CloseHandle(second);
    CloseHandle(writer);
    EXPECT_TRUE(DeleteFileA(path.c_str())) << "delete refused with error " << GetLastError();
    file.reset();
    EXPECT_FALSE(files.FileExists(path));
}

// Opens path as another program would, for reading or writing and sharing everything.
bool OthersCanOpen(const std::string& path, DWORD access) {
    const HANDLE handle = CreateFileA(path.c_str(), access,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    CloseHandle(handle);
    return true;
}

TEST_F(WinFileSystemTest, AScratchFileIsNewPrivateReadBackThroughItselfAndGoneWhenClosed) {
    const std::string path = folder.File("{scratch}");
    auto scratch = files.CreateScratchFile(path);
    ASSERT_NE(scratch, nullptr);
    EXPECT_TRUE(scratch->Write(Bytes({1, 2, 3})));
    EXPECT_TRUE(scratch->Write(Bytes({4, 5})));
    EXPECT_EQ(scratch->Size(), 5u);
    std::vector<std::uint8_t> buffer(3, 0);
    EXPECT_TRUE(scratch->ReadExactly(2, buffer));
    EXPECT_EQ(buffer, Bytes({3, 4, 5}));
    EXPECT_TRUE(scratch->Write(Bytes({6})));  // a read does not move where writes go
    EXPECT_TRUE(scratch->ReadExactly(3, buffer));
    EXPECT_EQ(buffer, Bytes({4, 5, 6}));

    // While it lives nobody else opens it, and its name cannot be taken again.
    EXPECT_FALSE(OthersCanOpen(path, GENERIC_WRITE));
    EXPECT_FALSE(OthersCanOpen(path, GENERIC_READ));
    EXPECT_EQ(files.CreateScratchFile(path), nullptr);

    scratch.reset();
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES) << "left behind";
    EXPECT_EQ(files.CreateScratchFile(folder.File("no such folder\\x")), nullptr);
}

TEST_F(WinFileSystemTest, AScratchFileGoesWithAProcessThatDies) {
    const std::string path = folder.File("{dying}");
    testing::ChildProcess holder =
        testing::ChildProcess::Start(testing::ProgramCommandLine("scratch_holder.exe") + " \"" + path + "\"");
    ASSERT_TRUE(holder);
    ASSERT_TRUE(testing::WaitUntil([&] { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }))
        << "the helper made no scratch file";
    holder.Terminate();
    EXPECT_TRUE(testing::WaitUntil([&] { return GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES; }))
        << "left behind by the killed process";
}

TEST_F(WinFileSystemTest, AScratchFileNeverTakesANameInUse) {
    const std::string path = folder.File("{taken}");
    ASSERT_TRUE(WriteFileBytes(path, Bytes({9, 8, 7})));
    EXPECT_EQ(files.CreateScratchFile(path), nullptr);
    EXPECT_EQ(ReadFileBytes(path), Bytes({9, 8, 7}));
    ASSERT_TRUE(CreateDirectoryA(folder.File("{folder}").c_str(), nullptr));
    EXPECT_EQ(files.CreateScratchFile(folder.File("{folder}")), nullptr);
}

TEST(WinTempFolderTest, TemporaryNamesAreFreshGuidsInTheUsersTemporaryFolder) {
    WinTestFolder temp;
    testing::TempPathRedirect redirect(temp.Path());
    WinTempFolder names;
    EXPECT_EQ(names.TempDirectory(), temp.Path());

    const std::string first = MakeTemporaryPath(names);
    const std::string second = MakeTemporaryPath(names);
    EXPECT_NE(first, second);
    const std::regex braced(R"(\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\})");
    ASSERT_EQ(first.rfind(temp.Path(), 0), 0u) << first;
    EXPECT_TRUE(std::regex_match(first.substr(temp.Path().size()), braced)) << first;
}

// Whole skin loads on the disk, with temporary names the test knows before the load takes them.
class SkinLoadScratchTest : public ::testing::Test {
protected:
    static testing::SkinContainerBuilder Skin() {
        testing::SkinContainerBuilder skin;
        skin.AddBitmap("SKIN2_BUTTON", testing::MakeBmp24(9, 3, [](int x, int) { return x * 0x1F0000u; }))
            .AddInteger("SKIN2_BUTTONFONTCOLOR", 0x123456);
        return skin;
    }
    std::string WriteSkin(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        testing::WriteSkinFile(skins.File(name), bytes);
        return skins.File(name);
    }
    // "ready", "not ready" or "error".
    std::string Load(const std::string& path, const std::string& password = "") {
        const Tsk2SkinFileReader reader(environment, path, password);
        if (reader.Fault() != SkinFileFault::None) return "error";
        return reader.Ready() ? "ready" : "not ready";
    }

    WinTestFolder skins;
    WinTestFolder temp;
    WinFileSystem files;
    testing::CountingTempFolder names{temp.Path(), 0x5000};
    SkinFileEnvironment environment{files, names};
};

TEST_F(SkinLoadScratchTest, AFileAlreadyAtTheTemporaryNameFailsTheLoadAndIsLeftAlone) {
    const std::string skin = WriteSkin("a.skn", testing::SkinFileBytes(Skin()));
    const std::string planted = names.NextPath();
    const std::vector<std::uint8_t> bait = testing::SkinContainerBuilder().AddBoolean("PLANTED", 1).Build();
    ASSERT_TRUE(WriteFileBytes(planted, bait));

    EXPECT_EQ(Load(skin), "error");
    EXPECT_EQ(ReadFileBytes(planted), bait);
    EXPECT_EQ(temp.Contents(), std::vector<std::string>{planted.substr(temp.Path().size())});
    EXPECT_EQ(Load(skin), "ready");  // under the next, free name
}

TEST_F(SkinLoadScratchTest, NoLoadLeavesAFileInTheTemporaryFolder) {
    std::vector<std::uint8_t> damaged = Skin().Build();
    testing::Put32(damaged, 12, 25);  // a container header of another length
    const struct {
        std::string file;
        std::string password;
        std::string outcome;
    } loads[] = {
        {WriteSkin("good.skn", testing::SkinFileBytes(Skin())), "", "ready"},
        {WriteSkin("locked.skn", testing::SkinFileBytes(Skin(), "pw")), "wrong", "not ready"},
        {WriteSkin("text.skn", Bytes({'n', 'o', 't', ' ', 'a', ' ', 's', 'k', 'i', 'n'})), "", "error"},
        {WriteSkin("damaged.skn", testing::BuildSkinArchive({{"SKINDATA.SK2", damaged}})), "", "error"},
    };
    for (const auto& load : loads) {
        EXPECT_EQ(Load(load.file, load.password), load.outcome) << load.file;
        EXPECT_TRUE(temp.Contents().empty()) << load.file;
    }
}

TEST(WinSkinSearchFoldersTest, TheProgramsTheWindowsAndTheSystemFolder) {
    WinSkinSearchFolders folders;
    EXPECT_EQ(folders.ExecutableFolder(), testing::ProgramFolder());

    char windir[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableA("SystemRoot", windir, sizeof windir), 0u);
    EXPECT_EQ(AsciiUpperCase(folders.WindowsFolder()), AsciiUpperCase(windir));
    EXPECT_EQ(AsciiUpperCase(folders.SystemFolder()), AsciiUpperCase(std::string(windir) + "\\system32"));
}

}  // namespace
}  // namespace zelkova
