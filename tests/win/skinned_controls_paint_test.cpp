// What the skinned controls paint, read back pixel by pixel: each control is asked to paint
// into an off-screen canvas (WM_PAINT with the canvas as wParam), exactly as a parent asks it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "gui/Form.h"
#include "skin/win/SUIButton_win.h"
#include "skin/win/SUIGroupBox_win.h"
#include "skin/win/SUIThemes_win.h"
#include "skin/win/SUIURLLabel_win.h"
#include "support/GuiTesting_win.h"
#include "support/PixelCanvas_win.h"

namespace zelkova {
namespace {

using gui_testing::PumpPending;
using gui_testing::TestForm;

constexpr TColor kFormColour = 0x4080C0;  // stored as 0x00BBGGRR: red 0xC0, green 0x80, blue 0x40
constexpr COLORREF kUnpainted = RGB(1, 2, 3);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A control's painting as pixels.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;

    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

Picture Render(WinControl& control) {
    RECT client{};
    GetClientRect(control.Handle(), &client);
    testing::PixelCanvas canvas(client.right, client.bottom, kUnpainted);
    SendMessageA(control.Handle(), WM_PAINT, reinterpret_cast<WPARAM>(canvas.dc()), 0);
    // To look at what a failing test saw: ZELKOVA_DUMP_RENDERS=<folder> writes every render.
    if (const char* dump = std::getenv("ZELKOVA_DUMP_RENDERS")) {
        static int n = 0;
        canvas.SaveBmp(std::string(dump) + "/render" + std::to_string(n++) + ".bmp");
    }
    Picture picture{client.right, client.bottom, {}};
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) picture.pixels.push_back(canvas.Pixel(x, y));
    }
    return picture;
}

using PointSet = std::set<std::pair<int, int>>;

PointSet Shifted(const PointSet& points, int dx, int dy) {
    PointSet moved;
    for (auto [x, y] : points) moved.insert({x + dx, y + dy});
    return moved;
}

PointSet Differences(const Picture& a, const Picture& b) {
    PointSet points;
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            if (a.At(x, y) != b.At(x, y))
                points.insert({x, y});
        }
    }
    return points;
}

COLORREF AsColorRef(TColor colour) {
    return static_cast<COLORREF>(colour) & 0xFFFFFF;
}

class SkinnedControlPaint : public ::testing::Test {
protected:
    // The form is shown only when a test needs the focus: showing a window under Wine without a
    // window manager costs seconds.
    SkinnedControlPaint() : form_(320, 240) { form_.SetColor(kFormColour); }

    // A button of the style on the form, without focus unless asked.
    TsuiButton& AddButton(TsuiUIStyle style, int width, int height, std::string caption) {
        auto* button = new TsuiButton(&form_);
        button->SetParent(&form_);
        button->SetBounds(20, 20, width, height);
        button->SetUIStyle(style);
        button->SetCaption(std::move(caption));
        button->SetTabStop(false);
        button->Handle();
        return *button;
    }

    void Focus(TsuiButton& button) {
        if (!form_.Visible())
            form_.Show();
        PumpPending();
        button.SetTabStop(true);
        button.SetFocus();
        PumpPending();
        ASSERT_TRUE(button.Focused());
    }

    TestForm form_;
};

// A glyph with a green background (its top-left pixel, so masked) around a square of colour; a
// two-image glyph has a second square of another colour on the right.
OwnedBitmap MakeGlyph(COLORREF first, std::optional<COLORREF> second) {
    const int width = second ? 32 : 16;
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < width; ++x) {
            const int inImage = x % 16;
            const bool square = inImage >= 4 && inImage < 12 && y >= 4 && y < 12;
            pixels.push_back(!square ? RGB(0, 255, 0) : (x < 16 ? first : *second));
        }
    }
    return testing::MakeBitmap(width, 16, pixels);
}

int Count(const Picture& picture, COLORREF colour) {
    return static_cast<int>(std::count(picture.pixels.begin(), picture.pixels.end(), colour));
}

TEST_F(SkinnedControlPaint, TransparentMacOSCornersShowTheParentsBackground) {
    TsuiButton& button = AddButton(TsuiUIStyle::MacOS, 55, 27, "Jump");
    ASSERT_TRUE(button.Transparent());
    const Picture picture = Render(button);

    for (auto [x, y] : {std::pair{0, 0}, {54, 0}, {0, 26}, {54, 26}}) {
        EXPECT_EQ(picture.At(x, y), AsColorRef(kFormColour)) << x << "," << y;
    }
    // The face covers the middle, and no fuchsia is left anywhere.
    EXPECT_NE(picture.At(5, 13), AsColorRef(kFormColour));
    EXPECT_EQ(Count(picture, RGB(255, 0, 255)), 0);
    EXPECT_EQ(Count(picture, kUnpainted), 0);
}

TEST_F(SkinnedControlPaint, AnOpaqueDeepBlueButtonCoversItsWholeRectangleWithItsFace) {
    TsuiButton& button = AddButton(TsuiUIStyle::DeepBlue, 80, 27, "OK");
    ASSERT_FALSE(button.Transparent());
    const Picture picture = Render(button);

    OwnedBitmap frame;
    GetThemeBitmap(TsuiUIStyle::DeepBlue, teButtonImage, &frame, 3, 1);
    const auto face = testing::ReadBitmap(frame.get());
    const SIZE faceSize = BitmapSize(frame.get());
    // Corners are the face's own corner pixels, not the form's colour.
    EXPECT_EQ(picture.At(0, 0), face.front());
    EXPECT_EQ(picture.At(79, 26), face.back());
    EXPECT_EQ(picture.At(79, 0), face[faceSize.cx - 1]);
    EXPECT_EQ(Count(picture, AsColorRef(kFormColour)), 0);
    EXPECT_EQ(Count(picture, kUnpainted), 0);
}

TEST_F(SkinnedControlPaint, AFocusedWinXPButtonDrawsADottedRectangleTwoPixelsInside) {
    TsuiButton& button = AddButton(TsuiUIStyle::WinXP, 80, 27, "Edit");
    const Picture plain = Render(button);
    Focus(button);
    const Picture focused = Render(button);

    const PointSet changed = Differences(focused, plain);
    ASSERT_FALSE(changed.empty());
    std::set<int> left, right, top, bottom;
    for (auto [x, y] : changed) {
        const bool onOutline = ((x == 2 || x == 77) && y >= 2 && y <= 24) ||
                               ((y == 2 || y == 24) && x >= 2 && x <= 77);
        EXPECT_TRUE(onOutline) << "changed off the focus rectangle at " << x << "," << y;
        if (x == 2)
            left.insert(y);
        if (x == 77)
            right.insert(y);
        if (y == 2)
            top.insert(x);
        if (y == 24)
            bottom.insert(x);
    }
    // Dotted: every side is drawn, roughly every other pixel.
    EXPECT_GE(top.size(), 30u);
    EXPECT_LE(top.size(), 46u);
    EXPECT_GE(left.size(), 8u);
    EXPECT_FALSE(right.empty());
    EXPECT_FALSE(bottom.empty());
}

TEST_F(SkinnedControlPaint, AFocusedMacOSButtonShowsItsCaptionBoldAndNoRectangle) {
    TsuiButton& button = AddButton(TsuiUIStyle::MacOS, 84, 23, "Jump");
    TsuiButton& blank = AddButton(TsuiUIStyle::MacOS, 84, 23, "");
    blank.SetLeft(150);
    const Picture face = Render(blank);
    const Picture plain = Render(button);
    Focus(button);
    const Picture focused = Render(button);

    // Caption pixels: whatever differs from the same button without a caption.
    const PointSet normalText = Differences(plain, face);
    const PointSet boldText = Differences(focused, face);
    ASSERT_FALSE(normalText.empty());
    EXPECT_GT(boldText.size(), normalText.size() + normalText.size() / 4);
    // Nothing but the caption changed: no dotted rectangle.
    PointSet elsewhere;
    for (auto point : Differences(focused, plain)) {
        if (!boldText.count(point) && !normalText.count(point))
            elsewhere.insert(point);
    }
    EXPECT_TRUE(elsewhere.empty()) << elsewhere.size() << " pixels changed outside the caption";
}

TEST_F(SkinnedControlPaint, AFocusedMacOSButtonWithAGlyphShowsNoFocusAtAll) {
    TsuiButton& button = AddButton(TsuiUIStyle::MacOS, 84, 23, "&Jump");
    OwnedBitmap glyph = MakeGlyph(RGB(200, 0, 0), std::nullopt);
    button.SetGlyph(glyph.get());
    const Picture plain = Render(button);
    Focus(button);
    const Picture focused = Render(button);
    EXPECT_TRUE(Differences(focused, plain).empty());
    EXPECT_GT(Count(focused, RGB(200, 0, 0)), 0);
}

int Luma(COLORREF c) {
    return GetRValue(c) * 3 + GetGValue(c) * 6 + GetBValue(c);
}

struct Box {
    int left = 1 << 20;
    int top = 1 << 20;
    int right = -1;  // inclusive
    int bottom = -1;
    friend bool operator==(const Box&, const Box&) = default;
};

Box BoundsOf(const PointSet& points, int dx = 0, int dy = 0) {
    Box box;
    for (auto [x, y] : points) {
        box.left = std::min(box.left, x + dx);
        box.top = std::min(box.top, y + dy);
        box.right = std::max(box.right, x + dx);
        box.bottom = std::max(box.bottom, y + dy);
    }
    return box;
}

std::ostream& operator<<(std::ostream& out, const Box& box) {
    return out << "(" << box.left << ", " << box.top << ")-(" << box.right << ", " << box.bottom
               << ")";
}

// Captions are drawn with the system's font smoothing, so they are told apart from the face by
// comparing with the same button without a caption, not by exact colours.
TEST_F(SkinnedControlPaint, ADisabledCaptionIsGreyOverAWhiteCopyOnePixelRightAndDown) {
    for (bool withGlyph : {false, true}) {
        TsuiButton& button = AddButton(TsuiUIStyle::DeepBlue, 100, 27, "Disabled");
        TsuiButton& blank = AddButton(TsuiUIStyle::DeepBlue, 100, 27, "");
        OwnedBitmap glyph = MakeGlyph(RGB(200, 0, 0), RGB(0, 0, 200));
        if (withGlyph)
            button.SetGlyph(glyph.get());
        button.SetEnabled(false);
        blank.SetEnabled(false);
        const Picture disabled = Render(button);
        const Picture face = Render(blank);
        // With a glyph, only what lies right of it is caption.
        const int captionLeft = withGlyph ? button.CaptionPos().x - 1 : 0;

        PointSet lighter;  // the white copy
        PointSet darker;   // the grey caption
        int darkest = 255;
        for (auto [x, y] : Differences(disabled, face)) {
            if (x < captionLeft)
                continue;
            const COLORREF c = disabled.At(x, y);
            darkest = std::min({darkest, int(GetRValue(c)), int(GetGValue(c)), int(GetBValue(c))});
            (Luma(c) > Luma(face.At(x, y)) ? lighter : darker).insert({x, y});
        }
        ASSERT_FALSE(darker.empty()) << withGlyph;
        ASSERT_FALSE(lighter.empty()) << withGlyph;
        EXPECT_GE(darkest, 0x70) << "nothing darker than the grey caption";
        // The white copy sticks out exactly one pixel right of and below the grey caption.
        const Box grey = BoundsOf(darker);
        const Box white = BoundsOf(lighter);
        EXPECT_EQ(white.right, grey.right + 1) << withGlyph;
        EXPECT_EQ(white.bottom, grey.bottom + 1) << withGlyph;
        EXPECT_GT(white.left, grey.left) << withGlyph;
        EXPECT_GT(white.top, grey.top) << withGlyph;
        button.SetParent(nullptr);
        blank.SetParent(nullptr);
    }
}

TEST_F(SkinnedControlPaint, PressingMovesTheCaptionOnePixelRightAndDown) {
    TsuiButton& button = AddButton(TsuiUIStyle::DeepBlue, 80, 27, "Press");
    TsuiButton& blank = AddButton(TsuiUIStyle::DeepBlue, 80, 27, "");
    blank.SetLeft(150);
    const Picture normal = Render(button);
    const Picture normalFace = Render(blank);
    button.DispatchMouseDown(MouseEvent{MouseButton::Left, Shift::Left, Point{10, 10}});
    blank.DispatchMouseDown(MouseEvent{MouseButton::Left, Shift::Left, Point{10, 10}});
    ASSERT_TRUE(button.Pressed());
    const Picture pressed = Render(button);
    const Picture pressedFace = Render(blank);

    const PointSet before = Differences(normal, normalFace);
    const PointSet after = Differences(pressed, pressedFace);
    ASSERT_FALSE(before.empty());
    EXPECT_EQ(BoundsOf(after), BoundsOf(before, 1, 1));
    EXPECT_EQ(after.size(), before.size());
}

TEST_F(SkinnedControlPaint, PressingMovesTheGlyphOnePixelRightAndDown) {
    TsuiButton& button = AddButton(TsuiUIStyle::DeepBlue, 80, 27, "Go");
    OwnedBitmap glyph = MakeGlyph(RGB(200, 0, 0), std::nullopt);
    button.SetGlyph(glyph.get());
    const Picture normal = Render(button);
    button.DispatchMouseDown(MouseEvent{MouseButton::Left, Shift::Left, Point{10, 10}});
    const Picture pressed = Render(button);
    PointSet redBefore, redAfter;
    for (int y = 0; y < normal.height; ++y) {
        for (int x = 0; x < normal.width; ++x) {
            if (normal.At(x, y) == RGB(200, 0, 0))
                redBefore.insert({x, y});
            if (pressed.At(x, y) == RGB(200, 0, 0))
                redAfter.insert({x, y});
        }
    }
    ASSERT_EQ(redBefore.size(), 64u);  // the whole 8 x 8 square, its green background masked
    EXPECT_EQ(redAfter, Shifted(redBefore, 1, 1));
    EXPECT_EQ(Count(normal, RGB(0, 255, 0)), 0);
}

TEST_F(SkinnedControlPaint, ATwoImageGlyphShowsItsLeftImageEnabledAndItsRightImageDisabled) {
    TsuiButton& button = AddButton(TsuiUIStyle::WinXP, 90, 27, "Two");
    OwnedBitmap glyph = MakeGlyph(RGB(200, 0, 0), RGB(0, 0, 200));
    button.SetGlyph(glyph.get());
    const Picture enabled = Render(button);
    button.SetEnabled(false);
    const Picture disabled = Render(button);

    EXPECT_EQ(Count(enabled, RGB(200, 0, 0)), 64);
    EXPECT_EQ(Count(enabled, RGB(0, 0, 200)), 0);
    // The right image in its own colours: not the disabled look.
    EXPECT_EQ(Count(disabled, RGB(0, 0, 200)), 64);
    EXPECT_EQ(Count(disabled, RGB(200, 0, 0)), 0);
}

TEST_F(SkinnedControlPaint, ASingleImageGlyphIsDrawnInTheDisabledLookWhenDisabled) {
    TsuiButton& button = AddButton(TsuiUIStyle::WinXP, 90, 27, "One");
    OwnedBitmap glyph = MakeGlyph(RGB(200, 0, 0), std::nullopt);
    button.SetGlyph(glyph.get());
    button.SetEnabled(false);
    const Picture disabled = Render(button);
    EXPECT_EQ(Count(disabled, RGB(200, 0, 0)), 0);
    // The silhouette in the shadow colour, its highlight copy peeking out right and below.
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    EXPECT_GE(Count(disabled, shadow), 64);
    EXPECT_GT(Count(disabled, highlight), 0);
}

TEST_F(SkinnedControlPaint, TheGroupBoxFramesItsClientAreaBelowHalfTheFontHeight) {
    auto* box = new TsuiGroupBox(&form_);
    box->SetParent(&form_);
    box->SetBounds(10, 10, 372, 145);
    FontSpec font = box->GetFont().Attributes();
    font.height = -11;
    font.color = 0;
    box->SetFont(font);
    box->SetBorderColor(0);
    box->Handle();
    const Picture picture = Render(*box);

    const COLORREF background = AsColorRef(box->Color());
    for (int x = 0; x <= 371; ++x) {
        ASSERT_EQ(picture.At(x, 6), kBlack) << "top edge at " << x;
        ASSERT_EQ(picture.At(x, 144), kBlack) << "bottom edge at " << x;
    }
    for (int y = 6; y <= 144; ++y) {
        ASSERT_EQ(picture.At(0, y), kBlack) << "left edge at " << y;
        ASSERT_EQ(picture.At(371, y), kBlack) << "right edge at " << y;
    }
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 372; ++x) ASSERT_EQ(picture.At(x, y), background) << x << "," << y;
    }
    EXPECT_EQ(picture.At(1, 7), background);
    EXPECT_EQ(picture.At(370, 143), background);
}

TEST_F(SkinnedControlPaint, AGroupBoxCaptionLeavesAGapInTheTopEdge) {
    auto* box = new TsuiGroupBox(&form_);
    box->SetParent(&form_);
    box->SetBounds(10, 10, 200, 100);
    FontSpec font = box->GetFont().Attributes();
    font.height = -11;
    font.color = 0;
    box->SetFont(font);
    box->SetBorderColor(0);
    box->SetCaption("Keys");
    box->Handle();
    const Picture picture = Render(*box);

    // The caption's width in the box's font, measured the way the box measures it.
    testing::PixelCanvas probe(10, 10);
    Canvas measure(probe.dc());
    measure.SetFont(box->GetFont());
    const int captionWidth = measure.TextWidth("Keys");
    ASSERT_GT(captionWidth, 5);

    // The line stops before x = 3 and starts again at caption width + 7.
    const COLORREF background = AsColorRef(box->Color());
    for (int x = 0; x <= 2; ++x) EXPECT_EQ(picture.At(x, 6), kBlack) << x;
    for (int x = captionWidth + 7; x < 200; ++x) EXPECT_EQ(picture.At(x, 6), kBlack) << x;
    EXPECT_EQ(picture.At(3, 6), background);
    EXPECT_EQ(picture.At(captionWidth + 6, 6), background);
    // Everything else of the top rows that is not background is the caption, written from
    // (5, 0) and as wide as measured.
    PointSet caption;
    for (int y = 0; y < 15; ++y) {
        for (int x = 1; x < picture.width - 1; ++x) {
            if (y == 6 && (x <= 2 || x >= captionWidth + 7))
                continue;
            if (picture.At(x, y) != background)
                caption.insert({x, y});
        }
    }
    ASSERT_GT(caption.size(), 10u);
    const Box written = BoundsOf(caption);
    EXPECT_GE(written.left, 5);
    EXPECT_LT(written.right, 5 + captionWidth);
    EXPECT_GE(written.top, 0);
}

TEST_F(SkinnedControlPaint, ALinkLabelIsUnderlinedInItsLinkColour) {
    auto* label = new TsuiURLLabel(&form_);
    label->SetParent(&form_);
    label->SetBounds(30, 150, 10, 10);
    label->SetCaption("Check for updates...");
    label->SetFontLinkColor(0x0000FF);  // red
    const Picture picture = Render(form_);

    // The label's text and its underline in red, within its (auto-sized) bounds.
    int red = 0;
    int widestRow = 0;
    for (int y = 0; y < picture.height; ++y) {
        int inRow = 0;
        for (int x = 0; x < picture.width; ++x) {
            if (picture.At(x, y) != RGB(255, 0, 0))
                continue;
            ++red;
            ++inRow;
            EXPECT_GE(x, label->Left());
            EXPECT_LT(x, label->Left() + label->Width());
            EXPECT_GE(y, label->Top());
            EXPECT_LT(y, label->Top() + label->Height());
        }
        widestRow = std::max(widestRow, inRow);
    }
    EXPECT_GT(red, 30);
    // The underline runs (almost) the whole width of the text.
    EXPECT_GE(widestRow, label->Width() - 2);
}

}  // namespace
}  // namespace zelkova
