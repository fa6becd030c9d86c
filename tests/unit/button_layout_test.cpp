#include "skin/ButtonCaption.h"
#include "skin/ButtonLayout.h"

#include <gtest/gtest.h>

namespace zelkova {
namespace {

constexpr Size kButton{75, 25};
constexpr Size kGlyph{16, 16};
constexpr Size kText{27, 13};  // "&Jump", measured with its ampersand

TEST(GlyphLayout, EachLayoutPlacesGlyphAndCaption) {
    struct Case {
        TButtonLayout layout;
        Point glyph;
        Point caption;
    };
    // Width 75, height 25, spacing 4: halve() rounds toward zero.
    const Case cases[] = {
        {TButtonLayout::blGlyphLeft, {14, 4}, {34, 6}},      // (75-47)/2, (25-16)/2; 14+16+4
        {TButtonLayout::blGlyphRight, {45, 4}, {14, 6}},     // (75+27+4-16)/2; 45-27-4
        {TButtonLayout::blGlyphTop, {29, -4}, {24, 16}},     // (25-33)/2 = -4; -4+16+4
        {TButtonLayout::blGlyphBottom, {29, 13}, {24, -4}},  // (25+13+4-16)/2; 13-13-4
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.layout));
        const GlyphLayout placed = LayOutGlyph(c.layout, kButton, kGlyph, kText, 4, false);
        EXPECT_EQ(placed.glyph, c.glyph);
        EXPECT_EQ(placed.caption, c.caption);
        EXPECT_EQ(placed.image, kGlyph);
        EXPECT_FALSE(placed.twoImages);
    }
}

TEST(GlyphLayout, NegativeHalvesRoundTowardZero) {
    // Width - (TW + GW + spacing) = 10 - 33 = -23: halved to -11, not -12.
    const GlyphLayout placed =
        LayOutGlyph(TButtonLayout::blGlyphLeft, {10, 5}, {16, 16}, {13, 13}, 4, false);
    EXPECT_EQ(placed.glyph, (Point{-11, -5}));
    EXPECT_EQ(placed.caption, (Point{9, -4}));
}

TEST(GlyphLayout, DoubleWidthGlyphHoldsTwoSquareImages) {
    const GlyphLayout two =
        LayOutGlyph(TButtonLayout::blGlyphLeft, kButton, {32, 16}, kText, 4, false);
    EXPECT_TRUE(two.twoImages);
    EXPECT_EQ(two.image, (Size{16, 16}));
    // Placed as a single 16-pixel image would be.
    EXPECT_EQ(two.glyph,
              LayOutGlyph(TButtonLayout::blGlyphLeft, kButton, kGlyph, kText, 4, false).glyph);

    const GlyphLayout wide =
        LayOutGlyph(TButtonLayout::blGlyphLeft, kButton, {33, 16}, kText, 4, false);
    EXPECT_FALSE(wide.twoImages);
    EXPECT_EQ(wide.image, (Size{33, 16}));
}

TEST(GlyphLayout, PressMovesOnlyTheGlyph) {
    for (auto layout : {TButtonLayout::blGlyphLeft, TButtonLayout::blGlyphBottom}) {
        const GlyphLayout up = LayOutGlyph(layout, kButton, kGlyph, kText, 4, false);
        const GlyphLayout down = LayOutGlyph(layout, kButton, kGlyph, kText, 4, true);
        EXPECT_EQ(down.glyph, (Point{up.glyph.x + 1, up.glyph.y + 1}));
        EXPECT_EQ(down.caption, up.caption);
    }
}

TEST(GlyphLayout, SpacingSeparatesGlyphAndCaption) {
    const GlyphLayout placed =
        LayOutGlyph(TButtonLayout::blGlyphRight, kButton, kGlyph, kText, 10, false);
    EXPECT_EQ(placed.glyph.x - (placed.caption.x + kText.width), 10);
}

TEST(GlyphLayout, UnknownLayoutByteActsAsGlyphLeft) {
    EXPECT_EQ(LayOutGlyph(static_cast<TButtonLayout>(9), kButton, kGlyph, kText, 4, false),
              LayOutGlyph(TButtonLayout::blGlyphLeft, kButton, kGlyph, kText, 4, false));
}

TEST(ButtonSizes, AutoSizeTakesOneFrame) {
    EXPECT_EQ(AutoSizeForStrip({252, 23}), (Size{84, 23}));  // MACOS_BUTTON
    EXPECT_EQ(AutoSizeForStrip({231, 27}), (Size{77, 27}));
    EXPECT_EQ(AutoSizeForStrip({0, 0}), (Size{24, 21}));  // nothing loaded: 74 / 3
    EXPECT_EQ(AutoSizeForStrip({0, 30}), (Size{24, 30}));
    EXPECT_EQ(AutoSizeForStrip({100, 0}), (Size{33, 21}));
}

TEST(ButtonSizes, CaptionIsCentredWithHalvesRoundedTowardZero) {
    // DrawTextA measures from the area's top-left corner.
    EXPECT_EQ(CentreInRect({0, 0, 75, 25}, {0, 0, 24, 13}), (Rect{25, 6, 49, 19}));
    EXPECT_EQ(CentreInRect({1, 1, 76, 26}, {1, 1, 25, 14}), (Rect{26, 7, 50, 20}));
    // A caption wider than the button is pushed left by half the excess.
    EXPECT_EQ(CentreInRect({0, 0, 20, 10}, {0, 0, 25, 13}), (Rect{-2, -1, 23, 12}));
}

TEST(ButtonSizes, FocusRectangleIsInsetByTheMargin) {
    EXPECT_EQ(FocusRectangle({75, 25}, 2), (Rect{2, 2, 73, 23}));
    EXPECT_EQ(FocusRectangle({75, 25}, 0), (Rect{0, 0, 75, 25}));
}

TEST(ButtonSizes, TheFarEdgeStillCountsAsInside) {
    const Size button{80, 27};
    EXPECT_FALSE(IsOutsideButton({80, 27}, button));
    EXPECT_FALSE(IsOutsideButton({0, 0}, button));
    EXPECT_TRUE(IsOutsideButton({81, 10}, button));
    EXPECT_TRUE(IsOutsideButton({10, 28}, button));
    EXPECT_TRUE(IsOutsideButton({-1, 10}, button));
    EXPECT_TRUE(IsOutsideButton({10, -1}, button));
}

TEST(ButtonCaption, AcceleratorFollowsASingleAmpersand) {
    EXPECT_EQ(CaptionAccelerator("&Jump"), 'J');
    EXPECT_EQ(CaptionAccelerator("Add to &List"), 'L');
    EXPECT_EQ(CaptionAccelerator("Save && &Exit"), 'E');
    EXPECT_EQ(CaptionAccelerator("Fish && Chips"), std::nullopt);
    EXPECT_EQ(CaptionAccelerator("Trailing&"), std::nullopt);
    EXPECT_EQ(CaptionAccelerator("&&&x"), 'x');
    EXPECT_EQ(CaptionAccelerator(""), std::nullopt);
}

TEST(ButtonCaption, AcceleratorMatchesInEitherCase) {
    EXPECT_TRUE(IsCaptionAccelerator('j', "&Jump"));
    EXPECT_TRUE(IsCaptionAccelerator('J', "&Jump"));
    EXPECT_FALSE(IsCaptionAccelerator('u', "&Jump"));
    EXPECT_FALSE(IsCaptionAccelerator('&', "Fish && Chips"));
    // Only ASCII letters fold: 0xE9 and 0xC9 are different keys.
    EXPECT_FALSE(IsCaptionAccelerator('\xC9', "&\xE9t\xE9"));
    EXPECT_TRUE(IsCaptionAccelerator('1', "Option &1"));
}

TEST(ButtonCaption, BlanksAndControlCharactersAreNotVisible) {
    EXPECT_FALSE(HasVisibleCaption(""));
    EXPECT_FALSE(HasVisibleCaption("   "));
    EXPECT_FALSE(HasVisibleCaption(" \t\r\n\x01 "));
    EXPECT_TRUE(HasVisibleCaption("  OK "));
    EXPECT_TRUE(HasVisibleCaption("&"));
    EXPECT_TRUE(HasVisibleCaption("\xE9"));  // an ANSI letter above 0x7F
}

}  // namespace
}  // namespace zelkova
