#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "favourites/ProfileDocument.h"
#include "favourites/ProfileRules.h"
#include "support/AwkwardTexts.h"

namespace zelkova {
namespace {

using ::testing::ElementsAre;

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

}  // namespace
}  // namespace zelkova
