#include "skin/SUIThemes.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

namespace zelkova {
namespace {

using Kind = TsuiThemeEntryKind;
constexpr auto MacOS = TsuiUIStyle::MacOS;
constexpr auto WinXP = TsuiUIStyle::WinXP;
constexpr auto DeepBlue = TsuiUIStyle::DeepBlue;
constexpr auto Protein = TsuiUIStyle::Protein;
constexpr auto BlueGlass = TsuiUIStyle::BlueGlass;
constexpr std::array kBuiltInStyles{MacOS, WinXP, DeepBlue, Protein, BlueGlass};

TsuiUIStyle RawStyle(int value) {
    return static_cast<TsuiUIStyle>(value);
}

TEST(ThemeTable, ControlsReadTheDocumentedValues) {
    EXPECT_EQ(GetThemeColor(MacOS, teControlBorderColor), 0x7F7F7F);
    EXPECT_EQ(GetThemeColor(DeepBlue, teControlBorderColor), 0x000000);
    EXPECT_EQ(GetThemeColor(WinXP, teControlFontColor), 0xCF4602);
    EXPECT_EQ(GetThemeColor(WinXP, teControlBorderColor), 0x686868);

    const std::array<bool, 5> transparent{true, false, false, false, true};
    for (std::size_t i = 0; i < kBuiltInStyles.size(); ++i) {
        EXPECT_EQ(GetThemeBoolean(kBuiltInStyles[i], teButtonTransparent), transparent[i]) << i;
    }
    EXPECT_EQ(ThemeBitmapName(MacOS, teButtonImage), "MACOS_BUTTON");
    EXPECT_EQ(ThemeBitmapName(BlueGlass, teButtonImage), "BLUEGLASS_BUTTON");
}

TEST(ThemeTable, NumbersOfTheUnreadEntries) {
    EXPECT_EQ(GetThemeInteger(MacOS, teTitleRightButtonOffset), -2);
    EXPECT_EQ(GetThemeInteger(BlueGlass, teTitleRightButtonOffset), -3);
    EXPECT_EQ(GetThemeInteger(BlueGlass, teFormMinWidth), 270);
    EXPECT_EQ(GetThemeInteger(WinXP, teFormBorderWidth), 3);
    EXPECT_TRUE(GetThemeBoolean(Protein, teTitleButtonTransparent));
    EXPECT_FALSE(GetThemeBoolean(DeepBlue, teTitleButtonTransparent));
    EXPECT_EQ(GetThemeColor(WinXP, teFormBorderColor), 0xC82C00);
    EXPECT_EQ(GetThemeColor(BlueGlass, teMenuSelectedBorderColor), 0xEC5E5E);
    EXPECT_EQ(GetThemeColor(WinXP, teMenuSelectedColor), 0xEFD3C6);
    EXPECT_EQ(GetThemeColor(MacOS, teMenuColor), 0x000000);
    EXPECT_EQ(GetThemeColor(Protein, 31), 0xF5F5F5);
    EXPECT_EQ(GetThemeColor(WinXP, 37), 0xE1AC93);
    EXPECT_EQ(GetThemeColor(MacOS, 44), 0x000000);
    EXPECT_EQ(GetThemeColor(Protein, 48), 0xFBFBFB);
    EXPECT_EQ(LookupThemeEntry(Protein, 47), (ThemeEntryValue{Kind::suiEntryInteger, 0, {}}));
    // Entries 15, 26 and 48 are the same form colour in every style.
    for (TsuiUIStyle style : kBuiltInStyles) {
        EXPECT_EQ(GetThemeColor(style, 26), GetThemeColor(style, teFormColor));
        EXPECT_EQ(GetThemeColor(style, 48), GetThemeColor(style, teFormColor));
    }
}

TEST(ThemeTable, KindsAreSharedByEveryStyle) {
    const std::set<int> bitmaps{1,  3,  4,  5,  10, 11, 12, 24, 28, 29, 30,
                                32, 33, 34, 38, 39, 40, 41, 42, 43, 45, 46};
    const std::set<int> booleans{2, 6};
    const std::set<int> integers{7, 8, 9, 13, 14, 17, 47};
    for (TsuiUIStyle style : kBuiltInStyles) {
        for (int index = 1; index <= kThemeEntryCount; ++index) {
            const Kind expected = bitmaps.count(index)    ? Kind::suiEntryBitmap
                                  : booleans.count(index) ? Kind::suiEntryBoolean
                                  : integers.count(index) ? Kind::suiEntryInteger
                                                          : Kind::suiEntryColor;
            EXPECT_EQ(LookupThemeEntry(style, index).kind, expected) << "entry " << index;
        }
    }
}

TEST(ThemeTable, BitmapNamesAreStylePrefixAndSuffix) {
    const std::array<std::string, 5> prefixes{"MACOS", "WINXP", "DEEPBLUE", "PROTEIN", "BLUEGLASS"};
    const std::array<std::pair<int, const char*>, 18> suffixes{{
        {1, "BUTTON"},
        {3, "CHECKBOX"},
        {4, "RADIOBUTTON"},
        {5, "TITLEBTN"},
        {10, "TITLE_LEFT"},
        {11, "TITLE_CLIENT"},
        {12, "TITLE_RIGHT"},
        {24, "PROGRESSBAR"},
        {28, "TRACKBAR_BAR"},
        {29, "TRACKBAR_SLIDER"},
        {30, "TRACKBAR_SLIDER_V"},
        {32, "SCROLLBAR_BUTTON"},
        {33, "SCROLLBAR_TRACK"},
        {34, "CHECKLIST"},
        {39, "TAB"},
        {40, "TAB_LINE"},
        {41, "SIDECHENNEL_HANDLE"},
        {42, "SIDECHENNEL_BAR"},
    }};
    for (std::size_t s = 0; s < kBuiltInStyles.size(); ++s) {
        for (const auto& [index, suffix] : suffixes) {
            EXPECT_EQ(ThemeBitmapName(kBuiltInStyles[s], index), prefixes[s] + "_" + suffix);
        }
        for (int empty : {43, 45, 46}) {
            const ThemeEntryValue entry = LookupThemeEntry(kBuiltInStyles[s], empty);
            EXPECT_EQ(entry.kind, Kind::suiEntryBitmap);
            EXPECT_TRUE(entry.bitmapName.empty());
        }
    }
    EXPECT_EQ(ThemeBitmapName(MacOS, 38), "MACOS_SCROLLBUTTON");
    EXPECT_EQ(ThemeBitmapName(WinXP, 38), "WINXP_SCROLLBUTTON");
    for (TsuiUIStyle style : {DeepBlue, Protein, BlueGlass}) {
        EXPECT_EQ(ThemeBitmapName(style, 38), "MORE_SCROLLBUTTON");
    }
}

TEST(ThemeTable, ResourceListHoldsEveryNameOnce) {
    const auto names = BuiltInThemeBitmapNames();
    const std::set<std::string_view> unique(names.begin(), names.end());
    EXPECT_EQ(unique.size(), names.size());
    // 18 prefixed bitmaps in each of five styles, two prefixed scroll buttons and the shared one.
    EXPECT_EQ(names.size(), 18u * 5 + 3);
    EXPECT_EQ(unique.count(""), 0u);
    EXPECT_EQ(unique.count("MORE_SCROLLBUTTON"), 1u);
    EXPECT_EQ(names.front(), "MACOS_BUTTON");
}

TEST(ThemeTable, KindMismatchGivesTheDefaults) {
    EXPECT_EQ(GetThemeColor(MacOS, teButtonImage), 0);
    EXPECT_EQ(GetThemeInteger(MacOS, teFormColor), -1);
    EXPECT_FALSE(GetThemeBoolean(MacOS, teFormMinWidth));
    EXPECT_EQ(GetThemeInteger(MacOS, teButtonTransparent), -1);
    EXPECT_TRUE(ThemeBitmapName(MacOS, teFormColor).empty());
}

TEST(ThemeTable, StylesAreMaskedToSevenBits) {
    EXPECT_EQ(GetThemeInteger(TsuiUIStyle::FromThemeFile, teTitleLeftButtonOffset), -1);
    EXPECT_EQ(LookupThemeEntry(TsuiUIStyle::FromThemeFile, teFormColor),
              (ThemeEntryValue{Kind::suiEntryInteger, -1, {}}));
    EXPECT_FALSE(GetThemeBoolean(RawStyle(134), teButtonTransparent));  // masked: 6
    EXPECT_TRUE(GetThemeBoolean(RawStyle(129), teButtonTransparent));   // masked: MacOS
    EXPECT_EQ(ThemeBitmapName(RawStyle(129), teButtonImage), "MACOS_BUTTON");
    EXPECT_EQ(GetThemeColor(RawStyle(128 + 2), teControlFontColor), 0xCF4602);
    EXPECT_EQ(GetThemeColor(RawStyle(128), teFormColor), 0);  // masked: FromThemeFile
    EXPECT_EQ(GetThemeColor(RawStyle(255), teFormColor), 0);  // masked: 127
}

TEST(ThemeTable, IndexOutsideTheTableReadsAsMissing) {
    for (int index : {0, -1, 49, 1000}) {
        EXPECT_EQ(LookupThemeEntry(MacOS, index), (ThemeEntryValue{Kind::suiEntryInteger, -1, {}}));
        EXPECT_EQ(GetThemeColor(MacOS, index), 0);
        EXPECT_FALSE(GetThemeBoolean(BlueGlass, index));
    }
}

class FakeFileTheme : public FileThemeSource {
public:
    explicit FakeFileTheme(bool ready) : ready_(ready) {}
    bool Ready() const override {
        ++readyAsked;
        return ready_;
    }
    bool GetBoolean(int) const override { return false; }
    TColor GetColor(int) const override { return -1; }
    std::int32_t GetInteger(int) const override { return -1; }

    mutable int readyAsked = 0;

private:
    bool ready_;
};

TEST(ThemeSourceResolution, FromThemeFileNeedsAReadyTheme) {
    const ThemeSourceChoice deepBlue{false, DeepBlue};
    EXPECT_EQ(ResolveThemeSource(nullptr, TsuiUIStyle::FromThemeFile), deepBlue);
    FakeFileTheme notReady(false);
    EXPECT_EQ(ResolveThemeSource(&notReady, TsuiUIStyle::FromThemeFile), deepBlue);
    FakeFileTheme ready(true);
    EXPECT_TRUE(ResolveThemeSource(&ready, TsuiUIStyle::FromThemeFile).useFileTheme);
}

TEST(ThemeSourceResolution, BuiltInStyleIgnoresTheFileTheme) {
    FakeFileTheme ready(true);
    EXPECT_EQ(ResolveThemeSource(&ready, WinXP), (ThemeSourceChoice{false, WinXP}));
    EXPECT_EQ(ready.readyAsked, 0);
    EXPECT_EQ(ResolveThemeSource(nullptr, BlueGlass), (ThemeSourceChoice{false, BlueGlass}));
}

TEST(StripFrames, ButtonStripsCutIntoThree) {
    // MACOS_BUTTON is 252 x 23; frame 2 is columns 84 to 167.
    EXPECT_EQ(StripFrameColumns(252, 23, 3, 2), (StripFrame{84, 84, 23}));
    // BLUEGLASS_BUTTON is 231 x 27; frame 3 is columns 154 to 230.
    EXPECT_EQ(StripFrameColumns(231, 27, 3, 3), (StripFrame{154, 77, 27}));
    EXPECT_EQ(StripFrameColumns(54, 21, 3, 1), (StripFrame{0, 18, 21}));
}

TEST(StripFrames, RemainderColumnsLieBeforeTheLastFrame) {
    EXPECT_EQ(StripFrameColumns(10, 5, 3, 1), (StripFrame{0, 3, 5}));
    EXPECT_EQ(StripFrameColumns(10, 5, 3, 2), (StripFrame{3, 3, 5}));
    EXPECT_EQ(StripFrameColumns(10, 5, 3, 3), (StripFrame{7, 3, 5}));  // column 6 never shown
    EXPECT_EQ(StripFrameColumns(306, 17, 18, 18), (StripFrame{289, 17, 17}));
    // More frames than columns: every frame is empty, none reaches outside the strip.
    EXPECT_EQ(StripFrameColumns(2, 5, 3, 3), (StripFrame{2, 0, 5}));
}

TEST(StripFrames, NoFrameForImpossibleRequests) {
    EXPECT_FALSE(StripFrameColumns(252, 23, 0, 1));  // would divide by zero
    EXPECT_FALSE(StripFrameColumns(252, 23, 3, 0));
    EXPECT_FALSE(StripFrameColumns(252, 23, 3, 4));  // would read past the strip
    EXPECT_FALSE(StripFrameColumns(252, 23, -3, -1));
    EXPECT_FALSE(StripFrameColumns(-1, 23, 3, 1));
    EXPECT_TRUE(StripFrameColumns(0, 0, 3, 1));  // an empty strip gives an empty frame
}

}  // namespace
}  // namespace zelkova
