// A push button and a group box whose style is FromThemeFile, drawn from a skin file loaded by
// the file theme component and read back pixel by pixel: the skin's face frames, its
// transparency flag and its colours; a password that unlocks the look; and the DeepBlue look
// once the theme is destroyed.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <vector>

#include "skin/win/SUIButton_win.h"
#include "skin/win/SUIGroupBox_win.h"
#include "skin/win/SUIMgr_win.h"
#include "support/GuiTesting_win.h"
#include "support/PixelCanvas_win.h"
#include "support/SkinFixtures_win.h"

namespace zelkova {
namespace {

using gui_testing::TestForm;
using testing::SkinContainerBuilder;
using testing::SkinFileBytes;

constexpr TColor kFormColour = 0x00408020;
constexpr COLORREF kKey = RGB(255, 0, 255);
constexpr COLORREF kFaces[3] = {RGB(200, 30, 30), RGB(30, 200, 30), RGB(30, 30, 200)};
constexpr COLORREF kBottomRow = RGB(60, 60, 60);
constexpr TColor kButtonFont = 0x0000FFFF;   // yellow
constexpr TColor kBoxBorder = 0x00C08000;    // red 0x00, green 0x80, blue 0xC0
constexpr TColor kBoxFont = 0x000060E0;
constexpr int kFrameWidth = 12;
constexpr int kFrameHeight = 11;

std::uint32_t AsRgb(COLORREF colour) {
    return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

// Three frames side by side, each with a keyed top-left pixel and a dark bottom row.
SkinContainerBuilder Skin(bool transparent) {
    SkinContainerBuilder skin;
    skin.AddBitmap("SKIN2_BUTTON",
                   testing::MakeBmp24(3 * kFrameWidth, kFrameHeight, [](int x, int y) {
                       if (x % kFrameWidth == 0 && y == 0) return AsRgb(kKey);
                       if (y == kFrameHeight - 1) return AsRgb(kBottomRow);
                       return AsRgb(kFaces[x / kFrameWidth]);
                   }))
        .AddBoolean("SKIN2_BUTTONTRANS", transparent ? 1 : 0)
        .AddInteger("SKIN2_BUTTONFONTCOLOR", kButtonFont)
        .AddInteger("SKIN2_CONTROLBORDERCOLOR", kBoxBorder)
        .AddInteger("SKIN2_CONTROLFONTCOLOR", kBoxFont);
    return skin;
}

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    int Count(COLORREF colour) const {
        return static_cast<int>(std::count(pixels.begin(), pixels.end(), colour));
    }
};

// The control paints into an off-screen canvas, as its parent would ask it to.
Picture Render(WinControl& control) {
    testing::PixelCanvas canvas(control.Width(), control.Height(), RGB(1, 2, 3));
    SendMessageA(control.Handle(), WM_PAINT, reinterpret_cast<WPARAM>(canvas.dc()), 0);
    Picture picture{control.Width(), control.Height(), {}};
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) picture.pixels.push_back(canvas.Pixel(x, y));
    }
    return picture;
}

COLORREF AsColorRef(TColor colour) { return static_cast<COLORREF>(colour) & 0xFFFFFF; }

class FileThemeControls : public ::testing::Test {
protected:
    FileThemeControls() {
        form.SetColor(kFormColour);
        theme = &testing::MakeFileTheme(form);
        button = &Make<TsuiButton>(form);
        button->SetParent(&form);
        button->SetBounds(20, 20, 80, 27);
        button->SetCaption("Skin");
        button->SetTabStop(false);
        button->SetFileTheme(theme);
        button->SetUIStyle(TsuiUIStyle::FromThemeFile);
        box = &Make<TsuiGroupBox>(form);
        box->SetParent(&form);
        box->SetBounds(20, 80, 150, 60);
        box->SetCaption("Group");
        box->SetFileTheme(theme);
        box->SetUIStyle(TsuiUIStyle::FromThemeFile);
    }
    void TearDown() override {
        EXPECT_TRUE(temp.Contents().empty()) << "a temporary file outlived its load";
    }

    void Load(bool transparent, const std::string& password = {}) {
        const std::string path = skins.File("look.skn");
        testing::WriteSkinFile(path, SkinFileBytes(Skin(transparent), password));
        theme->SetThemeFile(path);
    }

    // How a DeepBlue button of the same size and caption looks.
    Picture DeepBlueButton() {
        auto& reference = Make<TsuiButton>(form);
        reference.SetParent(&form);
        reference.SetBounds(120, 20, 80, 27);
        reference.SetCaption("Skin");
        reference.SetTabStop(false);
        reference.SetUIStyle(TsuiUIStyle::DeepBlue);
        return Render(reference);
    }

    // The face colour just inside the left edge, below the corner and above the bottom row.
    COLORREF FaceAt(const Picture& picture) const { return picture.At(3, 10); }

    testing::WinTestFolder skins;
    testing::WinTestFolder temp;
    testing::TempPathRedirect redirect{temp.Path()};
    TestForm form{320, 240};
    TsuiFileTheme* theme = nullptr;
    TsuiButton* button = nullptr;
    TsuiGroupBox* box = nullptr;
};

TEST_F(FileThemeControls, TheButtonTakesTheSkinsFaceFramesTransparencyAndCaptionColour) {
    Load(true);
    ASSERT_TRUE(theme->Ready());
    ASSERT_TRUE(button->Transparent());

    const Picture normal = Render(*button);
    EXPECT_EQ(FaceAt(normal), kFaces[0]);
    EXPECT_EQ(normal.At(40, 26), kBottomRow);
    EXPECT_EQ(normal.At(0, 0), AsColorRef(kFormColour));  // keyed corner shows the form
    EXPECT_EQ(normal.Count(kKey), 0);
    EXPECT_GT(normal.Count(AsColorRef(kButtonFont)), 10);  // the caption

    SendMessageA(button->Handle(), notify::kMouseEnter, 0, 0);
    ASSERT_TRUE(button->MouseOver());
    EXPECT_EQ(FaceAt(Render(*button)), kFaces[1]);

    button->DispatchMouseDown(MouseEvent{MouseButton::Left, Shift::Left, Point{10, 10}});
    ASSERT_TRUE(button->Pressed());
    EXPECT_EQ(FaceAt(Render(*button)), kFaces[2]);

    SendMessageA(button->Handle(), notify::kMouseLeave, 0, 0);
    button->SetEnabled(false);
    EXPECT_EQ(FaceAt(Render(*button)), kFaces[0]);
}

TEST_F(FileThemeControls, AnOpaqueSkinDrawsItsKeyedCornersAsTheyAre) {
    Load(false);
    ASSERT_TRUE(theme->Ready());
    EXPECT_FALSE(button->Transparent());
    const Picture picture = Render(*button);
    EXPECT_EQ(picture.At(0, 0), kKey);
    EXPECT_EQ(FaceAt(picture), kFaces[0]);
    EXPECT_EQ(picture.Count(AsColorRef(kFormColour)), 0);
}

TEST_F(FileThemeControls, TheGroupBoxTakesItsBorderAndCaptionColoursFromTheSkin) {
    Load(true);
    ASSERT_TRUE(theme->Ready());
    const Picture picture = Render(*box);
    const int top = std::abs(box->GetFont().Height()) / 2 + 1;
    EXPECT_EQ(picture.At(0, top + 10), AsColorRef(kBoxBorder));
    EXPECT_EQ(picture.At(149, top + 10), AsColorRef(kBoxBorder));
    EXPECT_EQ(picture.At(75, 59), AsColorRef(kBoxBorder));
    EXPECT_GT(picture.Count(AsColorRef(kBoxFont)), 10);  // the caption
}

TEST_F(FileThemeControls, AnEncryptedSkinShowsOnlyOnceTheRightPasswordIsGiven) {
    Load(true, "swordfish");
    EXPECT_FALSE(theme->Ready());
    const Picture locked = Render(*button);
    EXPECT_NE(FaceAt(locked), kFaces[0]);  // the DeepBlue fallback
    EXPECT_EQ(Render(*box).At(0, 20), RGB(0, 0, 0));

    theme->SetPassword("Swordfish");
    EXPECT_FALSE(theme->Ready());
    EXPECT_EQ(FaceAt(Render(*button)), FaceAt(locked));

    theme->SetPassword("swordfish");
    ASSERT_TRUE(theme->Ready());
    EXPECT_EQ(FaceAt(Render(*button)), kFaces[0]);
    EXPECT_EQ(Render(*box).At(0, 20), AsColorRef(kBoxBorder));
}

TEST_F(FileThemeControls, ASkinLostToAFailedLoadLeavesTheWholeDeepBlueLookNotHalfOfIt) {
    Load(true);
    ASSERT_TRUE(theme->Ready());
    const Picture deepBlue = DeepBlueButton();

    testing::WriteSkinFile(skins.File("look.skn"), std::vector<std::uint8_t>(200, 0x33));
    theme->SetThemeFile(skins.File("look.skn"));
    ASSERT_FALSE(theme->Ready());
    EXPECT_EQ(Render(*button).pixels, deepBlue.pixels);
    const Picture frame = Render(*box);
    EXPECT_EQ(frame.At(0, 20), RGB(0, 0, 0));
    EXPECT_EQ(frame.Count(AsColorRef(kBoxFont)), 0);
}

TEST_F(FileThemeControls, DestroyingTheThemeTurnsBothControlsDeepBlue) {
    Load(true);
    ASSERT_TRUE(theme->Ready());
    const Picture deepBlue = DeepBlueButton();

    delete theme;
    theme = nullptr;
    EXPECT_EQ(button->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(box->UIStyle(), TsuiUIStyle::DeepBlue);
    const Picture after = Render(*button);
    EXPECT_EQ(after.pixels, deepBlue.pixels);
    const Picture frame = Render(*box);
    EXPECT_EQ(frame.At(0, 20), RGB(0, 0, 0));
    EXPECT_EQ(frame.Count(AsColorRef(kBoxBorder)), 0);
    EXPECT_EQ(frame.Count(AsColorRef(kBoxFont)), 0);
}

}  // namespace
}  // namespace zelkova
