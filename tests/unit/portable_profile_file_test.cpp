#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "favourites/PortableProfileFile.h"
#include "favourites/StdioProfileFileStore.h"
#include "support/ScratchFolder.h"

namespace zelkova {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const StdioProfileFileStore stdioFiles;

void Put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// ---- The file ----------------------------------------------------------------------------

TEST(PortableProfileFile, MissingFileReadsAsDefaultsAndIsCreatedByAWrite) {
    testing::ScratchFolder scratch;
    const std::string path = scratch.File("options.ini");
    {
        PortableProfileFile file(path, stdioFiles);
        EXPECT_EQ(file.ReadString("S", "k", "dflt"), "dflt");
        EXPECT_THAT(file.KeyNames("S"), IsEmpty());
        EXPECT_TRUE(file.Flush()) << "nothing to store";
        EXPECT_FALSE(std::filesystem::exists(path)) << "reading creates nothing";
        ASSERT_TRUE(file.WriteString("S", "k", "v"));
        EXPECT_TRUE(std::filesystem::exists(path)) << "the first write creates the file";
        EXPECT_EQ(file.ReadString("s", "K", ""), "v") << "reads see earlier writes";
        EXPECT_TRUE(file.Flush());
    }
    EXPECT_EQ(Slurp(path), "[S]\r\nk=v\r\n");
}

TEST(PortableProfileFile, DestructorStoresWritesThatWereNotFlushed) {
    testing::ScratchFolder scratch;
    const std::string path = scratch.File("options.ini");
    Put(path, "[S]\r\nk=1\r\n");
    {
        PortableProfileFile file(path, stdioFiles);
        ASSERT_TRUE(file.WriteString("S", "k", "2"));
    }
    EXPECT_EQ(Slurp(path), "[S]\r\nk=2\r\n");
    EXPECT_THAT(scratch.Contents(), ElementsAre("options.ini")) << "no temporary file left";
}

TEST(PortableProfileFile, RefusesWritesIntoAFolderOrAMissingFolder) {
    testing::ScratchFolder scratch;
    std::filesystem::create_directory(scratch.Path() / "options.ini");
    PortableProfileFile folder(scratch.File("options.ini"), stdioFiles);
    EXPECT_EQ(folder.ReadString("S", "k", "dflt"), "dflt");
    EXPECT_FALSE(folder.WriteString("S", "k", "v"));

    PortableProfileFile orphan(scratch.File("missing/options.ini"), stdioFiles);
    EXPECT_FALSE(orphan.WriteString("S", "k", "v"));
    EXPECT_TRUE(orphan.Flush()) << "a refused write leaves nothing to store";
    EXPECT_FALSE(std::filesystem::exists(scratch.Path() / "missing"));
}

TEST(PortableProfileFile, LeavesAUtf16FileAlone) {
    testing::ScratchFolder scratch;
    const std::string path = scratch.File("options.ini");
    std::string utf16 = "\xFF\xFE";
    for (char c : std::string_view("[S]\r\nk=v\r\n")) utf16 += {c, '\0'};
    Put(path, utf16);
    PortableProfileFile file(path, stdioFiles);
    EXPECT_EQ(file.ReadString("S", "k", "none"), "none");
    EXPECT_FALSE(file.WriteString("S", "k", "w"));
    EXPECT_TRUE(file.Flush());
    EXPECT_EQ(Slurp(path), utf16);
}

TEST(PortableProfileFile, FlushReportsAFileThatCannotBeStoredAnyMore) {
    testing::ScratchFolder scratch;
    const std::string path = scratch.File("options.ini");
    PortableProfileFile file(path, stdioFiles);
    ASSERT_TRUE(file.WriteString("S", "k", "v"));
    // The file is replaced by a folder between the write and the flush.
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    std::filesystem::create_directory(path + "/keep");
    EXPECT_FALSE(file.Flush());
    EXPECT_TRUE(std::filesystem::is_directory(path + "/keep"));
    std::filesystem::remove_all(path);
}

TEST(PortableProfileFile, LeavesOtherSectionsAndLinesAsTheyWere) {
    testing::ScratchFolder scratch;
    const std::string path = scratch.File("options.ini");
    Put(path, "[Window]\r\nLeft=10\r\n\r\n[RegistryList]\r\nCount=1\r\n0=HKEY_USERS\r\n");
    {
        PortableProfileFile file(path, stdioFiles);
        ASSERT_TRUE(file.WriteString("RegistryList", "Count", "2"));
        ASSERT_TRUE(file.WriteString("RegistryList", "1", "HKEY_CURRENT_CONFIG"));
        ASSERT_TRUE(file.Flush());
        EXPECT_THAT(file.SectionNames(), ElementsAre("Window", "RegistryList"));
    }
    EXPECT_EQ(Slurp(path),
              "[Window]\r\nLeft=10\r\n\r\n[RegistryList]\r\nCount=2\r\n0=HKEY_USERS\r\n"
              "1=HKEY_CURRENT_CONFIG\r\n");
}

}  // namespace
}  // namespace zelkova
