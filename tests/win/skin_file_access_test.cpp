// The skin reader's Win32 services: files opened so that others may go on using them, the
// temporary folder and GUID names, and the folders a skin file is looked for in.
#include <gtest/gtest.h>

#include <windows.h>

#include <regex>

#include "platform/WinFileSystem.h"
#include "platform/WinSkinSearchFolders.h"
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

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
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

TEST_F(WinFileSystemTest, WritingCreatesOrTruncatesAndCountsWhatArrived) {
    const std::string path = folder.File("out");
    ASSERT_TRUE(WriteFileBytes(path, std::vector<std::uint8_t>(100, 7)));
    auto out = files.CreateForWriting(path);
    ASSERT_NE(out, nullptr);
    EXPECT_TRUE(out->Write(Bytes({1, 2})));
    EXPECT_TRUE(out->Write(Bytes({3})));
    EXPECT_EQ(out->BytesWritten(), 3u);
    out->Close();
    EXPECT_FALSE(out->Write(Bytes({4})));  // closed
    EXPECT_EQ(ReadFileBytes(path), Bytes({1, 2, 3}));

    EXPECT_EQ(files.CreateForWriting(folder.File("no such folder\\out")), nullptr);
}

TEST_F(WinFileSystemTest, RemovingReportsWhetherAFileWent) {
    const std::string path = folder.File("gone");
    ASSERT_TRUE(WriteFileBytes(path, Bytes({1})));
    EXPECT_TRUE(files.RemoveFile(path));
    EXPECT_FALSE(files.FileExists(path));
    EXPECT_FALSE(files.RemoveFile(path));
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

TEST(WinSkinSearchFoldersTest, TheProgramsTheWindowsAndTheSystemFolder) {
    WinSkinSearchFolders folders;
    EXPECT_EQ(folders.ExecutableFolder(), testing::ProgramFolder());

    char windir[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableA("SystemRoot", windir, sizeof windir), 0u);
    EXPECT_EQ(Lower(folders.WindowsFolder()), Lower(windir));
    EXPECT_EQ(Lower(folders.SystemFolder()), Lower(std::string(windir) + "\\system32"));
}

}  // namespace
}  // namespace zelkova
