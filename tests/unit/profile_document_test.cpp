#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "favourites/ProfileDocument.h"
#include "favourites/ProfileRules.h"

namespace zelkova {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

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

}  // namespace
}  // namespace zelkova
