// The skinned group box: its frame and caption drawn pixel for pixel, the style it hands to
// its skinned children, its child area and the removal of its file theme.
#include <gtest/gtest.h>

#include "gui/Edit.h"
#include "skin/win/SUIButton_win.h"
#include "skin/win/SUIGroupBox_win.h"
#include "support/GuiTesting_win.h"
#include "support/PixelCanvas_win.h"

namespace zelkova {
namespace {

using gui_testing::TestForm;

constexpr COLORREF kGround = RGB(0xD4, 0xD0, 0xC8);

class StyleTheme : public FileThemeComponent {
public:
    using FileThemeComponent::FileThemeComponent;
    bool Ready() const override { return true; }
    bool GetBoolean(int) const override { return false; }
    TColor GetColor(int index) const override {
        return index == 22 ? 0x112233 : index == 23 ? 0x445566 : -1;
    }
    std::int32_t GetInteger(int) const override { return -1; }
    void GetBitmapFrame(int, OwnedBitmap&, int, int) const override {}
};

class GroupBoxTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.SetColor(static_cast<TColor>(kGround));
        box = &Make<TsuiGroupBox>(form);
        box->SetParent(&form);
        box->SetBounds(8, 8, 372, 145);
        FontSpec font;
        font.height = -11;
        font.color = kBlack;
        box->SetFont(font);
    }
    std::unique_ptr<testing::PixelCanvas> Render() {
        auto canvas = std::make_unique<testing::PixelCanvas>(box->Width(), box->Height(), RGB(1, 2, 3));
        box->Perform(WM_PAINT, reinterpret_cast<WPARAM>(canvas->dc()), 0);
        return canvas;
    }

    TestForm form{400, 230};
    TsuiGroupBox* box = nullptr;
};

TEST_F(GroupBoxTest, ANewGroupBoxIsDeepBlueOpaqueWithItsParentsColourAndABlankText) {
    TsuiGroupBox fresh(&form);
    EXPECT_EQ(fresh.Width(), 185);
    EXPECT_EQ(fresh.Height(), 105);
    EXPECT_FALSE(fresh.Transparent());
    EXPECT_TRUE(fresh.ParentColor());
    EXPECT_EQ(fresh.UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(fresh.BorderColor(), kBlack);
    EXPECT_EQ(fresh.GetFont().Color(), kBlack);
    EXPECT_EQ(fresh.Caption(), "");
    EXPECT_EQ(fresh.Text(), " ");
    fresh.SetParent(&form);
    EXPECT_EQ(fresh.Color(), form.Color());
}

TEST_F(GroupBoxTest, WithoutACaptionTheFrameIsAClosedRectangleBelowHalfTheFontHeight) {
    auto canvas = Render();
    const int right = 371, bottom = 144, top = 6;
    for (int x = 0; x <= right; ++x) {
        EXPECT_EQ(canvas->Pixel(x, top), RGB(0, 0, 0)) << "top edge x " << x;
        EXPECT_EQ(canvas->Pixel(x, bottom), RGB(0, 0, 0)) << "bottom edge x " << x;
        EXPECT_EQ(canvas->Pixel(x, top - 1), kGround) << "above the frame x " << x;
        EXPECT_EQ(canvas->Pixel(x, 0), kGround) << "nothing written at the top x " << x;
    }
    for (int y = top; y <= bottom; ++y) {
        EXPECT_EQ(canvas->Pixel(0, y), RGB(0, 0, 0)) << "left edge y " << y;
        EXPECT_EQ(canvas->Pixel(right, y), RGB(0, 0, 0)) << "right edge y " << y;
    }
    EXPECT_EQ(canvas->Pixel(1, top + 1), kGround);
    EXPECT_EQ(canvas->Pixel(right - 1, bottom - 1), kGround);
}

// The last line ends at (caption width + 6), which it does not draw.
TEST_F(GroupBoxTest, ACaptionOpensTheTopEdgeFromThreeToItsWidthPlusSix) {
    // Blanks measure but draw nothing, so the gap itself can be seen.
    box->SetCaption("    ");
    testing::PixelCanvas scratch(10, 10);
    Canvas measure(scratch.dc());
    measure.SetFont(box->GetFont());
    const int captionWidth = measure.TextWidth("    ");
    ASSERT_GT(captionWidth, 3);
    auto canvas = Render();
    for (int x = 0; x <= 2; ++x) EXPECT_EQ(canvas->Pixel(x, 6), RGB(0, 0, 0)) << x;
    for (int x = 3; x <= captionWidth + 6; ++x) EXPECT_EQ(canvas->Pixel(x, 6), kGround) << x;
    for (int x = captionWidth + 7; x <= 371; ++x) EXPECT_EQ(canvas->Pixel(x, 6), RGB(0, 0, 0)) << x;
}

TEST_F(GroupBoxTest, ADisabledGroupBoxWritesItsCaptionGreyAndKeepsItsBorder) {
    box->SetCaption("MMM");
    box->SetEnabled(false);
    auto canvas = Render();
    int grey = 0, black = 0;
    for (int y = 0; y < 6; ++y) {
        for (int x = 5; x < 40; ++x) {
            grey += canvas->Pixel(x, y) == RGB(0x80, 0x80, 0x80);
            black += canvas->Pixel(x, y) == RGB(0, 0, 0);
        }
    }
    EXPECT_GT(grey, 0);
    EXPECT_EQ(black, 0);
    EXPECT_EQ(canvas->Pixel(0, 100), RGB(0, 0, 0));
}

TEST_F(GroupBoxTest, AssigningAStyleRestylesTheDirectSkinnedChildrenOnly) {
    auto& button = Make<TsuiButton>(form);
    button.SetParent(box);
    button.SetUIStyle(TsuiUIStyle::WinXP);
    auto& edit = Make<Edit>(form);
    edit.SetParent(box);
    auto& inner = Make<TsuiGroupBox>(form);
    inner.SetParent(box);
    auto& grandchild = Make<TsuiButton>(form);
    grandchild.SetParent(&inner);
    grandchild.SetUIStyle(TsuiUIStyle::Protein);
    EXPECT_EQ(button.UIStyle(), TsuiUIStyle::WinXP);  // children keep their own until then

    box->SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(box->BorderColor(), 0x7F7F7F);
    EXPECT_EQ(box->GetFont().Color(), kBlack);
    EXPECT_EQ(button.UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_TRUE(button.Transparent());
    EXPECT_EQ(inner.UIStyle(), TsuiUIStyle::MacOS);
    // The inner box hands it on in turn when its own style is set.
    EXPECT_EQ(grandchild.UIStyle(), TsuiUIStyle::MacOS);

    box->SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(box->BorderColor(), 0x686868);
    EXPECT_EQ(box->GetFont().Color(), 0xCF4602);
}

TEST_F(GroupBoxTest, ItsFileThemeGivesTheColoursAndItsRemovalRestylesEverythingDeepBlue) {
    auto& button = Make<TsuiButton>(form);
    button.SetParent(box);
    auto* theme = new StyleTheme(&form);
    box->SetUIStyle(TsuiUIStyle::FromThemeFile);
    box->SetFileTheme(theme);
    EXPECT_EQ(box->BorderColor(), 0x112233);
    EXPECT_EQ(box->GetFont().Color(), 0x445566);
    EXPECT_EQ(button.FileTheme(), theme);
    EXPECT_EQ(button.UIStyle(), TsuiUIStyle::FromThemeFile);

    delete theme;
    EXPECT_EQ(box->FileTheme(), nullptr);
    EXPECT_EQ(box->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(box->BorderColor(), kBlack);
    EXPECT_EQ(button.FileTheme(), nullptr);
    EXPECT_EQ(button.UIStyle(), TsuiUIStyle::DeepBlue);
}

TEST_F(GroupBoxTest, AlignedChildrenSitInsideTheFrameBelowTheCaptionLine) {
    auto& child = Make<TsuiCustomPanel>(form);
    child.SetParent(box);
    child.SetAlign(Align::Client);
    EXPECT_EQ(child.BoundsRect(), (Rect{3, 16, 372 - 3, 145 - 3}));
    box->GetFont().SetHeight(-20);  // a font change re-arranges them
    EXPECT_EQ(child.BoundsRect(), (Rect{3, 25, 372 - 3, 145 - 3}));
    auto& fixed = Make<Edit>(form);
    fixed.SetParent(box);
    fixed.SetBounds(14, 51, 343, 21);
    box->GetFont().SetHeight(-11);
    EXPECT_EQ(fixed.BoundsRect(), (Rect{14, 51, 357, 72}));  // no alignment: left alone
}

TEST_F(GroupBoxTest, ATransparentGroupBoxShowsItsParentUnderIt) {
    box->SetTransparent(true);
    form.Show();
    auto canvas = Render();
    EXPECT_EQ(canvas->Pixel(10, 2), kGround);
    EXPECT_EQ(canvas->Pixel(0, 50), RGB(0, 0, 0));
}

}  // namespace
}  // namespace zelkova
