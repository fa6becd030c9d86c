// The skinned push button under real window messages: keyboard, accelerators, Default and
// Cancel, the mouse and its repeat timer, modal results, styles, file themes and its looks.
#include <gtest/gtest.h>

#include <memory>

#include "gui/Action.h"
#include "gui/Edit.h"
#include "gui/ImageList.h"
#include "gui/Timer.h"
#include "skin/win/SUIButton_win.h"
#include "support/GuiTesting_win.h"
#include "support/PixelCanvas_win.h"

namespace zelkova {
namespace {

using namespace std::chrono_literals;
using gui_testing::KeyData;
using gui_testing::PointData;
using gui_testing::PostAndPump;
using gui_testing::PumpFor;
using gui_testing::TestForm;

// Exposes what the paint did, for the looks that leave no other trace.
class ProbeButton : public TsuiButton {
public:
    using TsuiButton::TsuiButton;
    int captionDraws = 0;
    bool boldAtCaption = false;

protected:
    void DrawCaption(Canvas& canvas, const std::string& caption) override {
        ++captionDraws;
        boldAtCaption = BoldCaption();
        TsuiButton::DrawCaption(canvas, caption);
    }
};

// A file theme with fixed answers; no bitmap unless given one.
class FakeFileTheme : public FileThemeComponent {
public:
    using FileThemeComponent::FileThemeComponent;
    bool ready = true;
    bool buttonTransparent = true;
    TColor buttonFontColor = 0x123456;
    bool Ready() const override { return ready; }
    bool GetBoolean(int index) const override { return index == 5 && buttonTransparent; }
    TColor GetColor(int index) const override { return index == 24 ? buttonFontColor : -1; }
    std::int32_t GetInteger(int) const override { return -1; }
    void GetBitmapFrame(int, OwnedBitmap&, int, int) const override {}
};

// Paints a control into a canvas of its size, the way PaintParentBackground asks a parent to.
std::unique_ptr<testing::PixelCanvas> Render(WinControl& control) {
    auto canvas = std::make_unique<testing::PixelCanvas>(control.Width(), control.Height(),
                                                         RGB(1, 2, 3));
    control.Perform(WM_PAINT, reinterpret_cast<WPARAM>(canvas->dc()), 0);
    return canvas;
}

int CountPixels(const testing::PixelCanvas& canvas, COLORREF colour) {
    int count = 0;
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) count += canvas.Pixel(x, y) == colour;
    }
    return count;
}

// Holds a modifier key down in this thread's keyboard state for one scope.
class HeldKey {
public:
    explicit HeldKey(BYTE key) : key_(key) { SetDown(true); }
    ~HeldKey() { SetDown(false); }

private:
    void SetDown(bool down) {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[key_] = down ? 0x80 : 0;
        SetKeyboardState(state);
    }
    BYTE key_;
};

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        button = &Make<ProbeButton>(form);
        button->SetParent(&form);
        button->SetBounds(10, 10, 80, 27);
        button->SetCaption("&Jump");
        button->OnClick = [this](Component*) { ++clicks; };
    }

    void Show() {
        form.Show();
        gui_testing::PumpPending();
    }
    HWND Window() { return button->Handle(); }
    void Post(UINT msg, WPARAM wParam, LPARAM lParam) { PostAndPump(Window(), msg, wParam, lParam); }
    void PressKey(HWND target, WPARAM key) {
        PostAndPump(target, WM_KEYDOWN, key, KeyData(key, false));
        PostAndPump(target, WM_KEYUP, key, KeyData(key, true));
    }

    TestForm form;
    ProbeButton* button = nullptr;
    int clicks = 0;
};

TEST_F(ButtonTest, ANewButtonIsDeepBlueOpaqueWithTheDocumentedDefaults) {
    TsuiButton fresh(&form);
    EXPECT_EQ(fresh.UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(fresh.Width(), 80);
    EXPECT_EQ(fresh.Height(), 27);
    EXPECT_TRUE(fresh.TabStop());
    EXPECT_EQ(fresh.FocusedRectMargin(), 2);
    EXPECT_EQ(fresh.Spacing(), 4);
    EXPECT_EQ(fresh.MouseContinuouslyDownInterval(), 100);
    EXPECT_EQ(fresh.Layout(), TButtonLayout::blGlyphLeft);
    EXPECT_FALSE(fresh.Transparent());
    EXPECT_FALSE(fresh.FaceTransparent());
    EXPECT_EQ(fresh.GetFont().Color(), kBlack);
    EXPECT_EQ(fresh.ResHandle(), 0u);
    EXPECT_TRUE(HasPublishedProperty(fresh, "FileTheme"));
    EXPECT_TRUE(HasPublishedProperty(fresh, "UIStyle"));
}

TEST_F(ButtonTest, TheStyleSetsTransparencyAndAStoredTransparentOverridesIt) {
    button->SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_TRUE(button->Transparent());
    EXPECT_TRUE(button->FaceTransparent());
    button->SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_FALSE(button->Transparent());
    button->SetUIStyle(TsuiUIStyle::BlueGlass);
    EXPECT_TRUE(button->Transparent());

    TsuiButton stored(&form);
    // Listed in the wrong order on purpose: the layout applies UIStyle first.
    ApplyLayout(stored, {{"Transparent", true}, {"UIStyle", std::string("WinXP")}});
    EXPECT_EQ(stored.UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_TRUE(stored.Transparent());
    SetPublishedProperty(stored, "ResHandle", std::int64_t{1234});
    EXPECT_EQ(stored.ResHandle(), 0u);
}

TEST_F(ButtonTest, AutoSizeTakesOneFrameOfTheStylesOwnStripOnlyWhenAssigned) {
    button->SetUIStyle(TsuiUIStyle::MacOS);
    button->SetAutoSize(true);
    EXPECT_EQ(button->Width(), 84);
    EXPECT_EQ(button->Height(), 23);
    button->SetUIStyle(TsuiUIStyle::WinXP);  // no resize on a later style change
    EXPECT_EQ(button->Width(), 84);
    button->SetUIStyle(TsuiUIStyle::FromThemeFile);
    button->SetAutoSize(true);
    EXPECT_EQ(button->Width(), 24);  // the fallback 74 / 3
    EXPECT_EQ(button->Height(), 21);
}

TEST_F(ButtonTest, SpaceClicksOnReleaseAndEnterOnPress) {
    Show();
    button->SetFocus();
    PostAndPump(Window(), WM_KEYDOWN, VK_SPACE, KeyData(VK_SPACE, false));
    EXPECT_TRUE(button->Pressed());
    EXPECT_EQ(clicks, 0);
    PostAndPump(Window(), WM_KEYUP, VK_SPACE, KeyData(VK_SPACE, true));
    EXPECT_FALSE(button->Pressed());
    EXPECT_EQ(clicks, 1);

    // Enter is the focused button's dialog key: consumed, and clicked, on the way down.
    PostAndPump(Window(), WM_KEYDOWN, VK_RETURN, KeyData(VK_RETURN, false));
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(button->Pressed());
    PostAndPump(Window(), WM_KEYUP, VK_RETURN, KeyData(VK_RETURN, true));
    EXPECT_EQ(clicks, 2);

    // A disabled button takes no key.
    button->SetEnabled(false);
    PressKey(Window(), VK_SPACE);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ButtonTest, KeysHeldWithAltNeitherPressNorClick) {
    Show();
    button->SetFocus();
    Post(WM_SYSKEYDOWN, VK_RETURN, KeyData(VK_RETURN, false, true));
    EXPECT_FALSE(button->Pressed());
    Post(WM_SYSKEYUP, VK_RETURN, KeyData(VK_RETURN, true, true));
    EXPECT_EQ(clicks, 0) << "Alt+Enter";

    // Alt+Space opens the form's system menu; the button must not look pressed behind it.
    bool menuSeen = false, pressedBehindMenu = false;
    Timer& look = Make<Timer>(form);
    look.SetInterval(50);
    look.SetOnTimer([&](Component*) {
        HWND menu = FindWindowA("#32768", nullptr);
        if (menu == nullptr || !IsWindowVisible(menu)) return;
        look.SetEnabled(false);
        menuSeen = true;
        pressedBehindMenu = button->Pressed();
        EndMenu();
    });
    Post(WM_SYSKEYDOWN, VK_SPACE, KeyData(VK_SPACE, false, true));
    gui_testing::PumpUntil([&] { return menuSeen; }, 2s);
    look.SetEnabled(false);
    EXPECT_TRUE(menuSeen) << "the system menu opened";
    EXPECT_FALSE(pressedBehindMenu);
    Post(WM_SYSKEYUP, VK_SPACE, KeyData(VK_SPACE, true, true));
    EXPECT_FALSE(button->Pressed());
    EXPECT_EQ(clicks, 0) << "Alt+Space";
}

TEST_F(ButtonTest, ThePlainAcceleratorWorksOnlyWhileASkinnedButtonHasTheFocus) {
    auto& other = Make<TsuiButton>(form);
    other.SetParent(&form);
    other.SetBounds(100, 10, 80, 27);
    other.SetCaption("&Other");
    auto& edit = Make<Edit>(form);
    edit.SetParent(&form);
    edit.SetBounds(10, 50, 100, 21);
    Show();

    other.SetFocus();  // focus on another skinned button: a plain letter is enough
    PostAndPump(other.Handle(), WM_CHAR, 'j', KeyData('J', false));
    EXPECT_EQ(clicks, 1);
    PostAndPump(other.Handle(), WM_CHAR, 'J', KeyData('J', false));  // either case
    EXPECT_EQ(clicks, 2);

    edit.SetFocus();  // in an edit box the letter is text
    PostAndPump(edit.Handle(), WM_CHAR, 'j', KeyData('J', false));
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(edit.Text(), "j");
    // With Alt it is the shortcut.
    PostAndPump(edit.Handle(), WM_SYSCHAR, 'j', KeyData('J', false, true));
    EXPECT_EQ(clicks, 3);
    // A letter that is no accelerator does nothing.
    PostAndPump(edit.Handle(), WM_SYSCHAR, 'q', KeyData('Q', false, true));
    EXPECT_EQ(clicks, 3);
    // Nor does the accelerator of a disabled button.
    button->SetEnabled(false);
    PostAndPump(edit.Handle(), WM_SYSCHAR, 'j', KeyData('J', false, true));
    EXPECT_EQ(clicks, 3);
}

TEST_F(ButtonTest, EnterClicksTheDefaultAndEscapeTheCancelButtonFromAnEdit) {
    auto& cancel = Make<TsuiButton>(form);
    cancel.SetParent(&form);
    cancel.SetBounds(100, 10, 80, 27);
    int cancels = 0;
    cancel.OnClick = [&](Component*) { ++cancels; };
    auto& edit = Make<Edit>(form);
    edit.SetParent(&form);
    Show();
    edit.SetFocus();

    PressKey(edit.Handle(), VK_RETURN);
    PressKey(edit.Handle(), VK_ESCAPE);
    EXPECT_EQ(clicks, 0);  // neither Default nor Cancel set: nothing
    EXPECT_EQ(cancels, 0);

    button->SetDefault(true);
    cancel.SetCancel(true);
    EXPECT_TRUE(button->Active());
    PressKey(edit.Handle(), VK_RETURN);
    EXPECT_EQ(clicks, 1);
    PressKey(edit.Handle(), VK_ESCAPE);
    EXPECT_EQ(cancels, 1);

    // With the focus on another skinned button, Enter is that button's, not the default's.
    cancel.SetFocus();
    EXPECT_FALSE(button->Active());
    EXPECT_TRUE(cancel.Active());
    PressKey(cancel.Handle(), VK_RETURN);
    EXPECT_EQ(cancels, 2);
    EXPECT_EQ(clicks, 1);
    edit.SetFocus();
    EXPECT_TRUE(button->Active());
}

TEST_F(ButtonTest, EnterWithShiftOrCtrlHeldIsNoDefaultClick) {
    auto& edit = Make<Edit>(form);
    edit.SetParent(&form);
    button->SetDefault(true);
    Show();
    edit.SetFocus();
    for (BYTE modifier : {VK_SHIFT, VK_CONTROL}) {
        const HeldKey held(modifier);
        PressKey(edit.Handle(), VK_RETURN);
    }
    EXPECT_EQ(clicks, 0);
    PressKey(edit.Handle(), VK_RETURN);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonTest, AClickSetsTheFormsModalResultBeforeTheHandlerRuns) {
    int seen = -1;
    button->SetModalResult(kModalCancel);
    button->OnClick = [&](Component*) { seen = form.ModalResult(); };
    form.SetModalResult(7);
    button->Click();
    EXPECT_EQ(seen, kModalCancel);
    button->SetModalResult(0);  // zero is set too
    form.SetModalResult(7);
    button->Click();
    EXPECT_EQ(seen, 0);
}

TEST_F(ButtonTest, AClickOnAModalFormsButtonEndsTheModalShowing) {
    button->SetModalResult(kModalOk);
    Timer& timer = Make<Timer>(form);
    timer.SetInterval(30);
    timer.SetOnTimer([&](Component*) {
        timer.SetEnabled(false);
        PostMessageA(Window(), WM_LBUTTONDOWN, MK_LBUTTON, PointData(5, 5));
        PostMessageA(Window(), WM_LBUTTONUP, 0, PointData(5, 5));
    });
    EXPECT_EQ(form.ShowModal(), kModalOk);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonTest, MouseEnterPressMoveOutAndRelease) {
    int enters = 0, exits = 0;
    button->OnMouseEnter = [&](Component*) { ++enters; };
    button->OnMouseExit = [&](Component*) { ++exits; };
    Show();
    Post(WM_MOUSEMOVE, 0, PointData(10, 10));
    EXPECT_TRUE(button->MouseOver());
    EXPECT_EQ(enters, 1);
    Post(WM_LBUTTONDOWN, MK_LBUTTON, PointData(10, 10));
    EXPECT_TRUE(button->Pressed());
    EXPECT_TRUE(button->HasRepeatTimer());
    EXPECT_TRUE(button->Focused());

    Post(WM_MOUSEMOVE, MK_LBUTTON, PointData(button->Width(), 10));  // the edge still counts
    EXPECT_TRUE(button->Pressed());
    Post(WM_MOUSEMOVE, MK_LBUTTON, PointData(button->Width() + 1, 10));
    EXPECT_FALSE(button->Pressed());
    EXPECT_FALSE(button->MouseOver());
    EXPECT_TRUE(button->HasRepeatTimer());  // only leave, cancel mode or a click stop it

    Post(WM_LBUTTONUP, 0, PointData(10, 10));  // released back over the button: a click
    EXPECT_EQ(clicks, 1);
    Post(WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(exits, 1);
    EXPECT_FALSE(button->HasRepeatTimer());
}

void SendButton(bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &input, sizeof input);
}

// With the real pointer, which the system tracks: leaving while held ends the press (and the
// repeat timer), coming back shows the mouse-over look, and releasing over the button clicks.
TEST_F(ButtonTest, TheRealPointerLeavingAndComingBackWhileHeld) {
    int enters = 0, exits = 0;
    button->OnMouseEnter = [&](Component*) { ++enters; };
    button->OnMouseExit = [&](Component*) { ++exits; };
    Show();
    gui_testing::PumpUntilPlaced(form.Handle());
    SetForegroundWindow(form.Handle());
    POINT inside{20, 12};
    ClientToScreen(Window(), &inside);
    SetCursorPos(inside.x, inside.y);
    ASSERT_TRUE(gui_testing::PumpUntil([&] { return button->MouseOver(); }, 2000ms));
    SendButton(true);
    ASSERT_TRUE(gui_testing::PumpUntil([&] { return button->Pressed(); }, 2000ms));
    EXPECT_TRUE(button->HasRepeatTimer());

    SetCursorPos(inside.x + 200, inside.y);
    ASSERT_TRUE(gui_testing::PumpUntil([&] { return exits == 1; }, 2000ms));
    EXPECT_FALSE(button->Pressed());
    EXPECT_FALSE(button->HasRepeatTimer());

    SetCursorPos(inside.x, inside.y);
    ASSERT_TRUE(gui_testing::PumpUntil([&] { return enters == 2; }, 2000ms));
    EXPECT_TRUE(button->MouseOver());
    EXPECT_FALSE(button->Pressed());
    SendButton(false);
    EXPECT_TRUE(gui_testing::PumpUntil([&] { return clicks == 1; }, 2000ms));
}

TEST_F(ButtonTest, LeavingOrCancelModeEndsAPressWithoutAClick) {
    Show();
    Post(WM_MOUSEMOVE, 0, PointData(10, 10));
    Post(WM_LBUTTONDOWN, MK_LBUTTON, PointData(10, 10));
    Post(WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(button->Pressed());
    EXPECT_FALSE(button->HasRepeatTimer());

    Post(WM_MOUSEMOVE, 0, PointData(10, 10));
    Post(WM_LBUTTONDOWN, MK_LBUTTON, PointData(10, 10));
    Post(WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(button->Pressed());
    EXPECT_FALSE(button->MouseOver());
    EXPECT_FALSE(button->HasRepeatTimer());
    Post(WM_LBUTTONUP, 0, PointData(10, 10));
    EXPECT_EQ(clicks, 0);
}

TEST_F(ButtonTest, ADoubleClickIsTwoPressesAndTwoClicks) {
    Show();
    for (int i = 0; i < 2; ++i) {
        Post(WM_LBUTTONDOWN, MK_LBUTTON, PointData(10, 10));
        Post(WM_LBUTTONUP, 0, PointData(10, 10));
    }
    EXPECT_EQ(clicks, 2);
    // The class asks for no double-click messages, so the system sends presses.
    EXPECT_EQ(GetClassLongPtrA(Window(), GCL_STYLE) & CS_DBLCLKS, 0u);
}

TEST_F(ButtonTest, RepeatEventsArriveWhileHeldAndStopOnRelease) {
    int repeats = 0;
    button->OnMouseContinuouslyDown = [&](Component*) { ++repeats; };
    Show();
    Post(WM_LBUTTONDOWN, MK_LBUTTON, PointData(10, 10));
    PumpFor(1000ms);
    // About ten at 100 ms; generous bounds for a loaded machine.
    EXPECT_GE(repeats, 4);
    EXPECT_LE(repeats, 11);
    Post(WM_LBUTTONUP, 0, PointData(10, 10));
    const int atRelease = repeats;
    PumpFor(400ms);
    EXPECT_EQ(repeats, atRelease);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonTest, AnIntervalOfZeroOrLessGivesNoRepeatEvents) {
    int repeats = 0;
    button->OnMouseContinuouslyDown = [&](Component*) { ++repeats; };
    button->SetMouseContinuouslyDownInterval(-5);
    Show();
    Post(WM_LBUTTONDOWN, MK_LBUTTON, PointData(10, 10));
    PumpFor(300ms);
    EXPECT_EQ(repeats, 0);
}

TEST_F(ButtonTest, DestroyingAButtonWhileItsRepeatTimerRunsStopsTheTicks) {
    int repeats = 0;
    button->OnMouseContinuouslyDown = [&](Component*) { ++repeats; };
    button->SetMouseContinuouslyDownInterval(20);
    Show();
    Post(WM_LBUTTONDOWN, MK_LBUTTON, PointData(10, 10));
    ASSERT_TRUE(gui_testing::PumpUntil([&] { return repeats > 0; }, 2000ms));
    Sleep(60);  // ticks queue up
    delete button;
    button = nullptr;
    const int atDestruction = repeats;
    PumpFor(200ms);
    EXPECT_EQ(repeats, atDestruction);
}

TEST_F(ButtonTest, TheFileThemeGivesTheLookAndItsDestructionTurnsTheButtonDeepBlue) {
    auto* theme = new FakeFileTheme(&form);
    button->SetUIStyle(TsuiUIStyle::FromThemeFile);
    button->SetFileTheme(theme);
    EXPECT_TRUE(button->Transparent());
    EXPECT_EQ(button->GetFont().Color(), 0x123456);
    Show();
    button->Repaint();  // a theme without a button bitmap still paints

    theme->ready = false;  // not Ready: the DeepBlue fallback
    button->SetFileTheme(theme);
    EXPECT_FALSE(button->Transparent());
    EXPECT_EQ(button->GetFont().Color(), kBlack);

    theme->ready = true;
    button->SetFileTheme(theme);
    delete theme;
    EXPECT_EQ(button->FileTheme(), nullptr);
    EXPECT_EQ(button->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_FALSE(button->Transparent());
    EXPECT_EQ(button->GetFont().Color(), kBlack);
}

TEST_F(ButtonTest, AFileThemeOfAnotherOwnerIsForgottenToo) {
    auto theme = std::make_unique<FakeFileTheme>(nullptr);
    button->SetUIStyle(TsuiUIStyle::WinXP);
    button->SetFileTheme(theme.get());
    EXPECT_EQ(button->UIStyle(), TsuiUIStyle::WinXP);  // a built-in style ignores the theme
    theme.reset();
    EXPECT_EQ(button->FileTheme(), nullptr);
    EXPECT_EQ(button->UIStyle(), TsuiUIStyle::DeepBlue);
}

TEST_F(ButtonTest, AFocusedMacOSButtonShowsABoldCaptionAndNoRectangle) {
    button->SetUIStyle(TsuiUIStyle::MacOS);
    auto& edit = Make<Edit>(form);
    edit.SetParent(&form);
    Show();
    edit.SetFocus();
    auto unfocusedPaint = Render(*button);
    EXPECT_FALSE(button->boldAtCaption);
    button->SetFocus();
    auto focusedPaint = Render(*button);
    EXPECT_TRUE(button->boldAtCaption);
    EXPECT_FALSE(button->BoldCaption());  // cleared again by the caption drawing
    // No dotted rectangle: the margin line looks the same focused or not.
    for (int x = 2; x < button->Width() - 2; ++x) {
        EXPECT_EQ(focusedPaint->Pixel(x, 2), unfocusedPaint->Pixel(x, 2)) << "x = " << x;
    }
}

TEST_F(ButtonTest, AFocusedWinXPButtonDrawsADottedRectangleInsideItsEdges) {
    button->SetUIStyle(TsuiUIStyle::WinXP);
    button->SetCaption("");
    auto& edit = Make<Edit>(form);
    edit.SetParent(&form);
    Show();
    edit.SetFocus();
    auto unfocusedPaint = Render(*button);
    button->SetFocus();
    auto focusedPaint = Render(*button);
    int changedOnMargin = 0;
    for (int x = 2; x < button->Width() - 2; ++x) {
        changedOnMargin += focusedPaint->Pixel(x, 2) != unfocusedPaint->Pixel(x, 2);
        // Nothing changes outside the rectangle's lines.
        EXPECT_EQ(focusedPaint->Pixel(x, 1), unfocusedPaint->Pixel(x, 1)) << x;
        if (x > 2 && x < button->Width() - 3) {
            EXPECT_EQ(focusedPaint->Pixel(x, 4), unfocusedPaint->Pixel(x, 4)) << x;
        }
    }
    EXPECT_GT(changedOnMargin, button->Width() / 4);  // dotted: every other pixel or so
    EXPECT_FALSE(button->boldAtCaption);
}

TEST_F(ButtonTest, ABlankCaptionIsNotDrawnAtAll) {
    button->SetCaption("  \t ");
    Show();
    Render(*button);
    EXPECT_EQ(button->captionDraws, 0);
    button->SetCaption("x");
    button->captionDraws = 0;
    Render(*button);
    EXPECT_EQ(button->captionDraws, 1);
}

// A glyph twice as wide as high: red on the left (enabled), blue on the right (disabled), on
// a grey ground that its top-left pixel makes transparent.
OwnedBitmap TwoImageGlyph() {
    std::vector<COLORREF> pixels(32 * 16, RGB(200, 200, 200));
    for (int y = 4; y < 12; ++y) {
        for (int x = 4; x < 12; ++x) {
            pixels[static_cast<std::size_t>(y * 32 + x)] = RGB(255, 0, 0);
            pixels[static_cast<std::size_t>(y * 32 + x + 16)] = RGB(0, 0, 255);
        }
    }
    return testing::MakeBitmap(32, 16, pixels);
}

TEST_F(ButtonTest, ATwoImageGlyphShowsItsLeftImageEnabledAndItsRightImageDisabled) {
    button->SetUIStyle(TsuiUIStyle::WinXP);
    OwnedBitmap glyph = TwoImageGlyph();
    button->SetGlyph(glyph.get());
    Show();
    auto enabledPaint = Render(*button);
    EXPECT_EQ(CountPixels(*enabledPaint, RGB(255, 0, 0)), 64);
    EXPECT_EQ(CountPixels(*enabledPaint, RGB(0, 0, 255)), 0);
    EXPECT_EQ(CountPixels(*enabledPaint, RGB(200, 200, 200)), 0);  // the ground is masked out
    button->SetEnabled(false);
    auto disabledPaint = Render(*button);
    EXPECT_EQ(CountPixels(*disabledPaint, RGB(255, 0, 0)), 0);
    EXPECT_EQ(CountPixels(*disabledPaint, RGB(0, 0, 255)), 64);  // normal look, not greyed
}

TEST_F(ButtonTest, ASingleGlyphIsDrawnInTheDisabledLookWhileDisabled) {
    button->SetUIStyle(TsuiUIStyle::WinXP);
    std::vector<COLORREF> pixels(16 * 16, RGB(200, 200, 200));
    for (int i = 4; i < 12; ++i) pixels[static_cast<std::size_t>(8 * 16 + i)] = RGB(255, 0, 0);
    OwnedBitmap glyph = testing::MakeBitmap(16, 16, pixels);
    button->SetGlyph(glyph.get());
    button->SetEnabled(false);
    Show();
    auto paint = Render(*button);
    EXPECT_EQ(CountPixels(*paint, RGB(255, 0, 0)), 0);
    EXPECT_GE(CountPixels(*paint, GetSysColor(COLOR_BTNSHADOW)), 8);
}

TEST_F(ButtonTest, WithAGlyphTheCaptionIsPlacedByItsMeasuredWidthAmpersandIncluded) {
    button->SetUIStyle(TsuiUIStyle::WinXP);
    OwnedBitmap glyph = TwoImageGlyph();
    button->SetGlyph(glyph.get());
    Show();
    Render(*button);
    testing::PixelCanvas scratch(10, 10);
    Canvas measure(scratch.dc());
    measure.SetFont(button->GetFont());
    const Size text = measure.TextExtent("&Jump");
    const int glyphX = (button->Width() - (text.width + 16 + 4)) / 2;
    EXPECT_EQ(button->CaptionPos().x, glyphX + 16 + 4);
    EXPECT_EQ(button->CaptionPos().y, (button->Height() - text.height) / 2);
}

TEST_F(ButtonTest, WindowsAnswerTheSkinButtonQueryOnlyWhenTheyAreOne) {
    auto& edit = Make<Edit>(form);
    edit.SetParent(&form);
    EXPECT_EQ(SendMessageA(Window(), WM_ISSKINBUTTON, 0, 0), 1);
    EXPECT_EQ(SendMessageA(edit.Handle(), WM_ISSKINBUTTON, 0, 0), 0);
    EXPECT_EQ(SendMessageA(form.Handle(), WM_ISSKINBUTTON, 0, 0), 0);
}

TEST_F(ButtonTest, ABoundActionGivesCaptionEnabledStateGlyphAndTheClick) {
    auto& images = Make<ImageList>(form, 16, 16);
    std::vector<COLORREF> pixels(16 * 16, RGB(0, 128, 0));
    OwnedBitmap image = testing::MakeBitmap(16, 16, pixels);
    images.AddMasked(image.get(), RGB(255, 0, 255));
    auto& list = Make<ActionList>(form);
    list.SetImages(&images);
    auto& action = Make<Action>(form);
    action.SetActionList(&list);
    action.SetCaption("&Up");
    action.SetImageIndex(0);
    bool allowed = true;
    int executed = 0;
    action.OnUpdate = [&](Component*) { action.SetEnabled(allowed); };
    action.OnExecute = [&](Component*) { ++executed; };
    button->OnClick = nullptr;
    button->SetAction(&action);
    EXPECT_EQ(button->Caption(), "&Up");
    EXPECT_NE(button->Glyph(), nullptr);

    button->Click();
    EXPECT_EQ(executed, 1);
    allowed = false;
    form.UpdateActions();
    EXPECT_FALSE(button->Enabled());
    button->Click();  // the update runs again before executing
    EXPECT_EQ(executed, 1);
}

TEST_F(ButtonTest, TextSetFromOutsideBecomesTheCaption) {
    SetWindowTextA(Window(), "E&xit");
    EXPECT_EQ(button->Caption(), "E&xit");
    EXPECT_EQ(button->Text(), "E&xit");
}

}  // namespace
}  // namespace zelkova
