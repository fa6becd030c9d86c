#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "favourites/PortableProfileFile.h"
#include "favourites/ProfileDocument.h"
#include "favourites/ProfileRules.h"
#include "favourites/StdioProfileFileStore.h"
#include "support/AwkwardTexts.h"
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

// ---- Read rules --------------------------------------------------------------------------

TEST(ProfileValueAsRead, TrimsBlanksThenOneMatchingQuotePair) {
    EXPECT_EQ(ProfileValueAsRead("  spaced \t"), "spaced");
    EXPECT_EQ(ProfileValueAsRead("\"quoted\""), "quoted");
    EXPECT_EQ(ProfileValueAsRead("'single'"), "single");
    EXPECT_EQ(ProfileValueAsRead(" \" in \" "), " in ") << "blanks inside the quotes stay";
    EXPECT_EQ(ProfileValueAsRead("\"\"\"x\"\"\""), "\"\"x\"\"") << "one pair only";
    EXPECT_EQ(ProfileValueAsRead("\"a\"b\""), "a\"b");
    EXPECT_EQ(ProfileValueAsRead("\"unmatched"), "\"unmatched");
    EXPECT_EQ(ProfileValueAsRead("'mixed\""), "'mixed\"");
    EXPECT_EQ(ProfileValueAsRead("\""), "\"") << "one mark is no pair";
    EXPECT_EQ(ProfileValueAsRead("''"), "");
    EXPECT_EQ(ProfileValueAsRead("\v\f\x1a" "x\r"), "x") << "white space and ^Z are blanks";
    EXPECT_EQ(ProfileValueAsRead("\x01x\x1f"), "\x01x\x1f") << "other controls are not";
    EXPECT_EQ(ProfileValueAsRead(std::string("a \0b", 4)), "a ") << "a zero ends the value";
    EXPECT_EQ(ProfileValueAsRead(std::string("\"x\0y\"", 5)), "\"x") << "before the quotes";
}

TEST(ProfileValueAsRead, ReadsLongValuesWhole) {
    EXPECT_EQ(ProfileValueAsRead(std::string(2048, 'a')).size(), 2048u);
    const std::string longQuoted = '"' + std::string(100000, 'q') + '"';
    EXPECT_EQ(ProfileValueAsRead(longQuoted), std::string(100000, 'q'));
    EXPECT_EQ(ProfileValueAsRead("   " + std::string(3000, 'm')), std::string(3000, 'm'));
}

TEST(ProfileDefaultAsRead, LosesTrailingSpacesOnly) {
    EXPECT_EQ(ProfileDefaultAsRead("  def  "), "  def");
    EXPECT_EQ(ProfileDefaultAsRead("def\t"), "def\t");
    EXPECT_EQ(ProfileDefaultAsRead(""), "");
    EXPECT_EQ(ProfileDefaultAsRead(std::string(3000, 'd')).size(), 3000u);
}

// ---- Write rules -------------------------------------------------------------------------

TEST(ProfileValueToWrite, QuotesOnlyWhatAReadWouldShorten) {
    EXPECT_EQ(ProfileValueToWrite("Programs started at logon"), "Programs started at logon");
    EXPECT_EQ(ProfileValueToWrite(""), "");
    EXPECT_EQ(ProfileValueToWrite("\"half"), "\"half");
    EXPECT_EQ(ProfileValueToWrite("'mixed\""), "'mixed\"");
    EXPECT_EQ(ProfileValueToWrite("\""), "\"") << "one mark is no pair";
    EXPECT_EQ(ProfileValueToWrite("HKEY_USERS\\X "), "\"HKEY_USERS\\X \"");
    EXPECT_EQ(ProfileValueToWrite("\tx"), "\"\tx\"");
    EXPECT_EQ(ProfileValueToWrite("\"quoted\""), "\"\"quoted\"\"");
    EXPECT_EQ(ProfileValueToWrite("'single'"), "\"'single'\"");
    EXPECT_EQ(ProfileValueToWrite("two\r\nlines"), "two lines");
    EXPECT_TRUE(IsProfileValueWrittenAsItIs("\"half"));
    EXPECT_FALSE(IsProfileValueWrittenAsItIs("HKEY_USERS\\X "));
    EXPECT_FALSE(IsProfileValueWrittenAsItIs("two\nlines"));
    EXPECT_FALSE(IsProfileValueWrittenAsItIs(std::string("a\0", 2)));
}

// Through a document and its bytes, as the next start reads them.
TEST(ProfileValueToWrite, EveryAwkwardTextReadsBackAsLoaded) {
    for (const testing::AwkwardText& text : testing::AwkwardTexts()) {
        ProfileDocument document = ProfileDocument::Parse("[S]\r\nk=old\r\n");
        ASSERT_TRUE(document.Write("S", "k", ProfileValueToWrite(text.saved)));
        ASSERT_TRUE(document.Write("S", "new", ProfileValueToWrite(text.saved)));
        const ProfileDocument again = ProfileDocument::Parse(document.Serialize());
        EXPECT_EQ(again.Read("S", "k", ""), text.loaded) << text.saved.substr(0, 40);
        EXPECT_EQ(again.Read("S", "new", ""), text.loaded) << text.saved.substr(0, 40);
        EXPECT_THAT(again.KeyNames("S"), ElementsAre("k", "new"));
    }
}

// ---- The document ------------------------------------------------------------------------

TEST(ProfileDocument, NamesMatchInAnyAsciiCaseAndAroundBlanks) {
    const ProfileDocument document = ProfileDocument::Parse("[RegistryList]\r\n  Count = 2 \r\n");
    EXPECT_EQ(document.Read("registrylist", "COUNT", "x"), "2");
    EXPECT_EQ(document.Read(" RegistryList ", " count ", "x"), "2");
    EXPECT_EQ(document.Read("RegistryList", "Count2", "x"), "x");
    EXPECT_EQ(document.Read("Other", "Count", "x"), "x");
}

TEST(ProfileDocument, ReplacesInPlaceUnderTheFilesSpelling) {
    ProfileDocument document =
        ProfileDocument::Parse("; settings\r\n[A]\r\nKey = old\r\nnext=1\r\n\r\n[B]\r\nx=1\r\n");
    ASSERT_TRUE(document.Write("a", "KEY", "new"));
    EXPECT_EQ(document.Serialize(),
              "; settings\r\n[A]\r\nKey=new\r\nnext=1\r\n\r\n[B]\r\nx=1\r\n");
    EXPECT_EQ(document.Read("A", "key", ""), "new");
}

TEST(ProfileDocument, AppendsNewKeysAtTheEndOfTheirSectionBeforeBlankLines) {
    ProfileDocument document =
        ProfileDocument::Parse("[A]\r\nk=1\r\n; end of A\r\n\r\n\r\n[B]\r\nx=1\r\n");
    ASSERT_TRUE(document.Write("A", "new", "n"));
    ASSERT_TRUE(document.Write("B", "y", "2"));
    ASSERT_TRUE(document.Write("A", "newer", "m"));
    EXPECT_EQ(document.Serialize(),
              "[A]\r\nk=1\r\n; end of A\r\nnew=n\r\nnewer=m\r\n\r\n\r\n[B]\r\nx=1\r\ny=2\r\n");
    EXPECT_EQ(document.Read("A", "newer", ""), "m");
    EXPECT_EQ(document.Read("A", "k", ""), "1");
}

TEST(ProfileDocument, AppendsNewSectionsAtTheEndOfTheFile) {
    ProfileDocument document = ProfileDocument::Parse("");
    ASSERT_TRUE(document.Write("RegistryList", "Count", "1"));
    ASSERT_TRUE(document.Write("RegistryList", "0", "HKEY_USERS"));
    ASSERT_TRUE(document.Write("CommentList", "0", ""));
    EXPECT_EQ(document.Serialize(),
              "[RegistryList]\r\nCount=1\r\n0=HKEY_USERS\r\n[CommentList]\r\n0=\r\n");
}

TEST(ProfileDocument, RewritesBareLineFeedsAndAFinalLineWithCrLf) {
    ProfileDocument document = ProfileDocument::Parse("[S]\nk=v\n;c\nlast=1");
    ASSERT_TRUE(document.Write("S", "j", "w"));
    EXPECT_EQ(document.Serialize(), "[S]\r\nk=v\r\n;c\r\nlast=1\r\nj=w\r\n");
}

TEST(ProfileDocument, ABareCarriageReturnEndsALineToo) {
    const ProfileDocument document = ProfileDocument::Parse("[S]\rk=a\rb=2\r\r\n\v[T]\r\nt=1");
    EXPECT_EQ(document.Read("S", "k", ""), "a");
    EXPECT_EQ(document.Read("S", "b", ""), "2");
    EXPECT_EQ(document.Read("T", "t", ""), "1") << "a header after a blank";
    EXPECT_EQ(document.Serialize(), "[S]\r\nk=a\r\nb=2\r\n\r\n\v[T]\r\nt=1\r\n");
}

TEST(ProfileDocument, KeepsAUtf8MarkBeforeTheFirstSection) {
    ProfileDocument document = ProfileDocument::Parse("\xEF\xBB\xBF[S]\r\nk=v\r\n");
    EXPECT_EQ(document.Read("S", "k", ""), "v");
    ASSERT_TRUE(document.Write("S", "j", "w"));
    EXPECT_EQ(document.Serialize(), "\xEF\xBB\xBF[S]\r\nk=v\r\nj=w\r\n");
}

TEST(ProfileDocument, FindsTheFirstOfTwinSectionsAndKeys) {
    ProfileDocument document = ProfileDocument::Parse("[S]\r\nk=1\r\nk=2\r\n[T]\r\n[s]\r\nj=3\r\n");
    EXPECT_EQ(document.Read("S", "k", ""), "1");
    EXPECT_EQ(document.Read("S", "j", "none"), "none");
    ASSERT_TRUE(document.Write("s", "k", "9"));
    ASSERT_TRUE(document.Write("S", "new", "n"));
    EXPECT_EQ(document.Serialize(), "[S]\r\nk=9\r\nk=2\r\nnew=n\r\n[T]\r\n[s]\r\nj=3\r\n");
}

TEST(ProfileDocument, ListsKeyAndSectionNamesInFileOrder) {
    const ProfileDocument document = ProfileDocument::Parse(
        "orphan=1\r\n[S]\r\nb=1\r\n  A  =2\r\n;c=3\r\nno equals sign\r\n=empty name\r\n"
        "[ T ] trailing text\r\n[]\r\nx=1\r\n[broken\r\n");
    EXPECT_THAT(document.KeyNames("s"), ElementsAre("b", "A"));
    EXPECT_THAT(document.KeyNames("T"), IsEmpty());
    EXPECT_THAT(document.KeyNames("missing"), IsEmpty());
    EXPECT_THAT(document.SectionNames(), ElementsAre("S", "T"));
    EXPECT_EQ(document.Read("S", "no equals sign", "dflt"), "dflt");
    EXPECT_EQ(document.Read("S", ";c", "dflt"), "dflt") << "a comment is no key";
}

TEST(ProfileDocument, CutsValuesAtTheirFirstLineBreak) {
    ProfileDocument document = ProfileDocument::Parse("");
    ASSERT_TRUE(document.Write("S", "nl", "line1\r\n[Evil]\r\nx=1"));
    ASSERT_TRUE(document.Write("S", "lf", std::string("a\nb", 3)));
    ASSERT_TRUE(document.Write("S", "nul", std::string("a\0b", 3)));
    EXPECT_EQ(document.Serialize(), "[S]\r\nnl=line1\r\nlf=a\r\nnul=a\r\n");
    EXPECT_THAT(document.SectionNames(), ElementsAre("S"));
}

TEST(ProfileDocument, RefusesNamesThatWouldNotReadBackAsThemselves) {
    ProfileDocument document = ProfileDocument::Parse("[S]\r\nk=1\r\n");
    EXPECT_FALSE(document.Write("S", "a=b", "v"));
    EXPECT_FALSE(document.Write("S", "[X]", "v"));
    EXPECT_FALSE(document.Write("S", ";comment", "v"));
    EXPECT_FALSE(document.Write("S", "a\r\nb", "v"));
    EXPECT_FALSE(document.Write("S]", "k", "v"));
    EXPECT_FALSE(document.Write("S\n[T", "k", "v"));
    EXPECT_EQ(document.Serialize(), "[S]\r\nk=1\r\n");
}

TEST(ProfileDocument, KeepsBlanksAndQuotesInTheFileAndDropsThemOnRead) {
    ProfileDocument document = ProfileDocument::Parse("");
    ASSERT_TRUE(document.Write("S", "k", "  \"quoted\"  "));
    EXPECT_EQ(document.Serialize(), "[S]\r\nk=  \"quoted\"  \r\n");
    EXPECT_EQ(document.Read("S", "k", ""), "quoted");
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
