#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "favourites/FavouriteRules.h"
#include "jump/RootKeys.h"

namespace zelkova {
namespace {

// ---- Enabling rules ----------------------------------------------------------------------

struct EnablingCase {
    int index;
    int count;
    bool selectionActions;  // Jump, Remove, Copy to Clipboard, Edit
    bool up;
    bool down;
};

class EnablingRules : public ::testing::TestWithParam<EnablingCase> {};

TEST_P(EnablingRules, FollowTheSelection) {
    const EnablingCase& c = GetParam();
    EXPECT_EQ(IsSelectionActionEnabled(c.index, c.count), c.selectionActions);
    EXPECT_EQ(IsMoveUpEnabled(c.index, c.count), c.up);
    EXPECT_EQ(IsMoveDownEnabled(c.index, c.count), c.down);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EnablingRules,
    ::testing::Values(EnablingCase{-1, 0, false, false, false},  // empty list
                      EnablingCase{-1, 3, false, false, false},  // nothing selected
                      EnablingCase{0, 1, true, false, false},    // the only entry
                      EnablingCase{0, 3, true, false, true},     // first
                      EnablingCase{1, 3, true, true, true},      // middle
                      EnablingCase{2, 3, true, true, false},     // last
                      EnablingCase{3, 3, false, false, false},   // stale index past the end
                      EnablingCase{-2, 3, false, false, false}));

// ---- Text rules --------------------------------------------------------------------------

TEST(KeyEntryRule, NeedsFullRootAnywhereInAnyCase) {
    EXPECT_FALSE(IsKeyEntryAcceptable(""));
    EXPECT_FALSE(IsKeyEntryAcceptable("HKCU\\Software"));
    EXPECT_FALSE(IsKeyEntryAcceptable("HKEY"));
    EXPECT_TRUE(IsKeyEntryAcceptable("hkey_"));
    EXPECT_TRUE(IsKeyEntryAcceptable("xHKEY_y"));
    EXPECT_TRUE(IsKeyEntryAcceptable("HKEY_CURRENT_USER\\Software\\Microsoft"));
    // Only a-z fold: a dotless or accented letter is not an ASCII "K".
    EXPECT_FALSE(IsKeyEntryAcceptable("H\xCB" "EY_"));
}

TEST(ClipboardText, LosesControlCodesAndBlanksAtBothEndsOnly) {
    EXPECT_EQ(TrimClipboardText("  HKLM\\Software  "), "HKLM\\Software");
    EXPECT_EQ(TrimClipboardText("\tHKLM\\Soft ware\r\n"), "HKLM\\Soft ware");
    EXPECT_EQ(TrimClipboardText(std::string("\x01\x1f HK\x7f\x20", 6)), "HK\x7f");
    EXPECT_EQ(TrimClipboardText(" \r\n\t "), "");
    EXPECT_EQ(TrimClipboardText(""), "");
    // Bytes from 0x80 up are letters of the code page (0xA0 is a no-break space), not blanks,
    // however a signed char would compare.
    EXPECT_EQ(TrimClipboardText("\xA0HKCU\xFF "), "\xA0HKCU\xFF");
}

TEST(ClipboardText, GoesAheadOnlyWithHkInAnyCase) {
    EXPECT_TRUE(LooksLikeKeyText("HKLM\\Software"));
    EXPECT_TRUE(LooksLikeKeyText("software\\hk"));
    EXPECT_TRUE(LooksLikeKeyText("hK"));
    EXPECT_FALSE(LooksLikeKeyText("Software\\Microsoft"));
    EXPECT_FALSE(LooksLikeKeyText("H K"));
    EXPECT_FALSE(LooksLikeKeyText(""));
}

}  // namespace
}  // namespace zelkova
