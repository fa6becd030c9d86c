// Cutting frames out of theme strips as bitmaps, and loading the table's bitmap resources.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "skin/win/SUIThemes_win.h"
#include "support/PixelCanvas_win.h"

namespace zelkova {
namespace {

using testing::MakeBitmap;
using testing::ReadBitmap;

// A strip whose every column has its own colour, so a frame tells which columns it holds.
OwnedBitmap MakeStrip(int width, int height) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) pixels.push_back(RGB(x, 100 + y, 7));
    }
    return MakeBitmap(width, height, pixels);
}

// The columns a bitmap made from MakeStrip holds, checking every row agrees.
std::vector<int> ColumnsOf(HBITMAP frame) {
    const SIZE size = BitmapSize(frame);
    const auto pixels = ReadBitmap(frame);
    std::vector<int> columns;
    for (int x = 0; x < size.cx; ++x) {
        columns.push_back(GetRValue(pixels[x]));
        for (int y = 0; y < size.cy; ++y) {
            const COLORREF p = pixels[y * size.cx + x];
            EXPECT_EQ(p, RGB(columns.back(), 100 + y, 7)) << "row " << y << " column " << x;
        }
    }
    return columns;
}

TEST(ExtractBitmapFrame, ATenPixelStripInThreeFramesSkipsColumnSix) {
    OwnedBitmap strip = MakeStrip(10, 4);
    OwnedBitmap frame;
    ExtractBitmapFrame(strip.get(), frame, 3, 1);
    EXPECT_EQ(ColumnsOf(frame.get()), (std::vector<int>{0, 1, 2}));
    ExtractBitmapFrame(strip.get(), frame, 3, 2);
    EXPECT_EQ(ColumnsOf(frame.get()), (std::vector<int>{3, 4, 5}));
    ExtractBitmapFrame(strip.get(), frame, 3, 3);
    EXPECT_EQ(ColumnsOf(frame.get()), (std::vector<int>{7, 8, 9}));
    EXPECT_EQ(BitmapSize(frame.get()).cy, 4);
}

TEST(ExtractBitmapFrame, TheMiddleFrameOfAButtonStripIsItsMiddleThird) {
    OwnedBitmap strip = MakeStrip(252, 23);
    OwnedBitmap frame;
    ExtractBitmapFrame(strip.get(), frame, 3, 2);
    const SIZE size = BitmapSize(frame.get());
    EXPECT_EQ(size.cx, 84);
    EXPECT_EQ(size.cy, 23);
    const auto columns = ColumnsOf(frame.get());
    EXPECT_EQ(columns.front(), 84);
    EXPECT_EQ(columns.back(), 167);
}

TEST(ExtractBitmapFrame, NoSuchFrameLeavesTheTargetAlone) {
    OwnedBitmap strip = MakeStrip(10, 4);
    OwnedBitmap target = MakeStrip(5, 5);
    const HBITMAP before = target.get();
    ExtractBitmapFrame(strip.get(), target, 3, 4);
    ExtractBitmapFrame(strip.get(), target, 3, 0);
    ExtractBitmapFrame(strip.get(), target, 0, 1);
    ExtractBitmapFrame(strip.get(), target, -2, -1);
    ExtractBitmapFrame(nullptr, target, 3, 1);
    EXPECT_EQ(target.get(), before);
}

TEST(ExtractBitmapFrame, AStripNarrowerThanItsFrameCountGivesAnEmptyFrame) {
    OwnedBitmap strip = MakeStrip(2, 4);
    OwnedBitmap target = MakeStrip(5, 5);
    ExtractBitmapFrame(strip.get(), target, 3, 1);
    EXPECT_FALSE(target);
}

TEST(ExtractBitmapFrame, TheSourceStaysUsable) {
    OwnedBitmap strip = MakeStrip(12, 3);
    const auto before = ReadBitmap(strip.get());
    OwnedBitmap frame;
    ExtractBitmapFrame(strip.get(), frame, 3, 2);
    EXPECT_EQ(ReadBitmap(strip.get()), before);
}

TEST(GetThemeBitmap, AStyleOrEntryWithoutABitmapLeavesTheTargetAlone) {
    OwnedBitmap target = MakeStrip(5, 5);
    const HBITMAP before = target.get();
    GetThemeBitmap(TsuiUIStyle::FromThemeFile, teButtonImage, &target, 3, 1);
    GetThemeBitmap(TsuiUIStyle::FromThemeFile, teButtonImage, &target, 0, 0);
    GetThemeBitmap(static_cast<TsuiUIStyle>(6), teButtonImage, &target, 3, 1);
    GetThemeBitmap(TsuiUIStyle::MacOS, teButtonTransparent, &target, 3, 1);
    LoadThemeBitmap(TsuiUIStyle::MacOS, teFormColor, &target);
    EXPECT_EQ(target.get(), before);
    GetThemeBitmap(TsuiUIStyle::MacOS, teButtonImage, nullptr, 3, 1);  // no target: no effect
    LoadThemeBitmap(TsuiUIStyle::MacOS, teButtonImage, nullptr);
}

TEST(LoadThemeBitmap, AnEmptyResourceNameIsReportedAsMissing) {
    OwnedBitmap target;
    EXPECT_THROW(LoadThemeBitmap(TsuiUIStyle::MacOS, 43, &target), ThemeResourceError);
    EXPECT_FALSE(target);
}

// The built-in strips: each button strip loads at its stated size and cuts into three frames.
struct StripSize {
    TsuiUIStyle style;
    int width;
    int height;
};

class BuiltInButtonStrip : public ::testing::TestWithParam<StripSize> {};

TEST_P(BuiltInButtonStrip, LoadsWholeAndCutsIntoThreeFrames) {
    const StripSize expected = GetParam();
    OwnedBitmap whole;
    GetThemeBitmap(expected.style, teButtonImage, &whole, 0, 0);
    ASSERT_TRUE(whole);
    EXPECT_EQ(BitmapSize(whole.get()).cx, expected.width);
    EXPECT_EQ(BitmapSize(whole.get()).cy, expected.height);

    OwnedBitmap last;
    GetThemeBitmap(expected.style, teButtonImage, &last, 3, 3);
    ASSERT_TRUE(last);
    // Both come as 32-bit DIB sections, which the face drawing composes without GDI.
    EXPECT_TRUE(Dib32Pixels(whole.get()));
    EXPECT_TRUE(Dib32Pixels(last.get()));
    EXPECT_EQ(BitmapSize(last.get()).cx, expected.width / 3);
    EXPECT_EQ(BitmapSize(last.get()).cy, expected.height);
    // The last frame is the strip's right end.
    const auto strip = ReadBitmap(whole.get());
    const auto frame = ReadBitmap(last.get());
    const int frameWidth = expected.width / 3;
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < frameWidth; ++x) {
            ASSERT_EQ(frame[y * frameWidth + x],
                      strip[y * expected.width + expected.width - frameWidth + x]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, BuiltInButtonStrip,
                         ::testing::Values(StripSize{TsuiUIStyle::MacOS, 252, 23},
                                           StripSize{TsuiUIStyle::WinXP, 54, 21},
                                           StripSize{TsuiUIStyle::DeepBlue, 222, 21},
                                           StripSize{TsuiUIStyle::Protein, 222, 21},
                                           StripSize{TsuiUIStyle::BlueGlass, 231, 27}),
                         [](const ::testing::TestParamInfo<StripSize>& param) {
                             return "Style" + std::to_string(static_cast<int>(param.param.style));
                         });

// Our own reading of the resource data against the system's loader, for every bitmap the table
// names: the same pixels, whatever the depth (the strips are 4, 8 and 24 bits deep).
TEST(LoadThemeBitmap, GivesTheSamePixelsAsTheSystemLoader) {
    std::set<std::string> compared;
    for (int style = 1; style <= 5; ++style) {
        for (int index = 1; index <= kThemeEntryCount; ++index) {
            const auto uiStyle = static_cast<TsuiUIStyle>(style);
            const std::string name(ThemeBitmapName(uiStyle, index));
            if (name.empty())
                continue;
            OwnedBitmap ours;
            LoadThemeBitmap(uiStyle, index, &ours);
            OwnedBitmap system(static_cast<HBITMAP>(
                LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_BITMAP, 0, 0, 0)));
            ASSERT_TRUE(system) << name;
            ASSERT_TRUE(Dib32Pixels(ours.get())) << name;
            EXPECT_EQ(ReadBitmap(ours.get()), ReadBitmap(system.get())) << name;
            compared.insert(name);
        }
    }
    EXPECT_EQ(compared.size(), BuiltInThemeBitmapNames().size());
}

TEST(BuiltInButtonStrip, TransparentStylesHaveFuchsiaCornersAndOpaqueOnesDoNot) {
    for (TsuiUIStyle style : {TsuiUIStyle::MacOS, TsuiUIStyle::BlueGlass, TsuiUIStyle::WinXP,
                              TsuiUIStyle::DeepBlue, TsuiUIStyle::Protein}) {
        OwnedBitmap frame;
        GetThemeBitmap(style, teButtonImage, &frame, 3, 1);
        ASSERT_TRUE(frame);
        const COLORREF corner = ReadBitmap(frame.get()).front();
        EXPECT_EQ(corner == RGB(255, 0, 255), GetThemeBoolean(style, teButtonTransparent))
            << "style " << static_cast<int>(style);
    }
}

}  // namespace
}  // namespace zelkova
