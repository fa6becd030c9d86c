// Zelkova.exe on a desktop with a window manager, as a user's hands meet it: real pointer and
// key input, another program's window open beside it, the manager's own iconify, and where the
// keyboard focus is after a dialog or the notification area gave the window back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "support/DesktopInput_win.h"
#include "support/ZelkovaDriver_win.h"

namespace zelkova::testing {
namespace {

class WindowManager : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(DesktopInputAvailable()) << "needs xdotool (tools/setup) on the X desktop Wine draws on";
        RemoveSettings();
        app = std::make_unique<ZelkovaApp>();
        ASSERT_TRUE(app->Started());
        application = ApplicationWindow(*app);
        other = ChildProcess::Start(ProgramCommandLine("plain_window.exe"));
        otherWindow = WaitForWindow([&] { return FindProcessWindow(other.Id(), "ZelkovaPlainWindow"); });
        ASSERT_NE(otherWindow, nullptr);
        // Bottom left, clear of the main window in the middle of the screen and of Wine's own
        // notification area at the top left.
        SetWindowPos(otherWindow, nullptr, 20, 760, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(WaitUntil([&] {
            RECT r{};
            GetWindowRect(otherWindow, &r);
            return r.left >= 0 && r.right <= 340 && r.top >= 740;
        }));
    }

    // A click in the other program, which its window answers by taking the focus.
    void UseOtherProgram() {
        ASSERT_TRUE(ClickOn(otherWindow));
        ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == otherWindow; })) << "the other program's window";
    }
    // A click into the jump field, which the manager answers by focusing the main window.
    void ClickIntoJumpField() {
        ASSERT_TRUE(ClickOn(app->JumpField()));
        ASSERT_TRUE(FocusIsInJumpField());
    }
    // The main window active with the focus in the field, and the manager's keyboard focus on it;
    // when not, where each of the three was at the end.
    ::testing::AssertionResult FocusIsInJumpField() const {
        HWND foreground = nullptr, focus = nullptr;
        unsigned long x = 0;
        if (WaitUntil([&] {
                foreground = GetForegroundWindow();
                focus = FocusOf(app->Main());
                x = FocusedXWindow();
                return foreground == app->Main() && focus == app->JumpField() && x == XWindowOf(app->Main());
            })) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << "foreground " << Described(foreground) << ", focus "
                                             << Described(focus) << ", X focus " << DescribedX(x);
    }
    std::string Described(HWND window) const {
        if (window == nullptr) return "none";
        if (window == app->Main()) return "the main window";
        if (window == app->JumpField()) return "the jump field";
        if (window == application) return "the application window";
        if (window == otherWindow) return "the other program";
        return ClassName(window) + " \"" + WindowText(window) + "\"";
    }
    std::string DescribedX(unsigned long x) const {
        for (HWND window : {app->Main(), application, otherWindow})
            if (x != 0 && x == XWindowOf(window)) return Described(window);
        char id[32];
        std::snprintf(id, sizeof id, "0x%lx", x);
        return std::string("X window ") + id;
    }
    // Typed from the keyboard: it reaches the field only if the window the manager focused is ours.
    bool TypedTextArrives(const std::string& text) {
        const std::string expected = WindowText(app->JumpField()) + text;
        return TypeText(text) && WaitUntil([&] { return WindowText(app->JumpField()) == expected; },
                                           std::chrono::seconds(5));
    }
    HWND VisibleWindowOfClass(const char* className) const {
        HWND window = FindProcessWindow(app->ProcessId(), className);
        return window != nullptr && IsWindowVisible(window) ? window : nullptr;
    }

    std::unique_ptr<ZelkovaApp> app;
    HWND application = nullptr;
    ChildProcess other;
    HWND otherWindow = nullptr;
};

TEST_F(WindowManager, ItsIconifyGoesToTheTrayAndTheIconsClickGivesTheKeyboardBack) {
    UseOtherProgram();
    ClickIntoJumpField();
    ASSERT_TRUE(TypedTextArrives("ab"));
    const std::vector<HWND> iconsBefore = VisibleTrayIcons();

    ASSERT_TRUE(IconifyThroughWindowManager(app->Main()));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(app->Main()) && !IsWindowVisible(application); }))
        << "no window and no taskbar entry while in the tray";
    EXPECT_TRUE(IsIconic(application));
    HWND icon = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        for (HWND shown : VisibleTrayIcons())
            if (std::find(iconsBefore.begin(), iconsBefore.end(), shown) == iconsBefore.end()) icon = shown;
        return icon != nullptr;
    })) << "the icon is there";
    EXPECT_EQ(VisibleTrayIcons().size(), iconsBefore.size() + 1);

    UseOtherProgram();
    ASSERT_TRUE(ClickOn(icon));
    if (!WaitUntil([&] { return IsWindowVisible(app->Main()) && !IsIconic(application); })) {
        SaveScreenshot("zelkova-desktop-tray-click-unanswered");
        RECT at{};
        GetWindowRect(icon, &at);
        FAIL() << "the click on the icon at " << at.left << "," << at.top << " brought nothing back";
    }
    EXPECT_TRUE(FocusIsInJumpField()) << "active, with the focus in the control that last had it";
    EXPECT_TRUE(TypedTextArrives("cd"));
    EXPECT_TRUE(WaitUntil([&] { return VisibleTrayIcons().size() == iconsBefore.size(); })) << "the icon went";
}

// The focus of a window manager that picks the next window itself from those focused before
// went to the other program as each of these closed.
TEST_F(WindowManager, TheFocusComesBackToTheJumpFieldAsEachDialogCloses) {
    UseOtherProgram();
    ClickIntoJumpField();
    ASSERT_TRUE(TypedTextArrives("a"));

    // About, opened from the keyboard; the user looks at the other program meanwhile, then
    // clicks OK.
    ASSERT_TRUE(PressKeys("alt+b"));
    HWND about = WaitForWindow([&] { return VisibleWindowOfClass("TfrmAbout"); });
    ASSERT_NE(about, nullptr);
    UseOtherProgram();
    ASSERT_TRUE(ClickOn(FindControl(about, "TsuiButton", "&OK")));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(about); }));
    EXPECT_TRUE(FocusIsInJumpField()) << "after About";
    EXPECT_TRUE(TypedTextArrives("b"));

    // The key entry dialog, cancelled from the keyboard.
    UseOtherProgram();
    ClickIntoJumpField();
    ASSERT_TRUE(PressKeys("alt+a"));
    HWND entry = WaitForWindow([&] { return VisibleWindowOfClass("TfrmAddRegistry"); });
    ASSERT_NE(entry, nullptr);
    ASSERT_TRUE(PressKeys("alt+c"));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(entry); }));
    EXPECT_TRUE(FocusIsInJumpField()) << "after the key entry dialog";
    EXPECT_TRUE(TypedTextArrives("c"));

    // The failure message, which a jump to the field's text ("abc") answers with.
    UseOtherProgram();
    ClickIntoJumpField();
    ASSERT_TRUE(PressKeys("alt+j"));
    HWND box = app->WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == box; }));
    ASSERT_TRUE(PressKeys("Return"));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }));
    EXPECT_TRUE(FocusIsInJumpField()) << "after the failure message";
    EXPECT_TRUE(TypedTextArrives("d"));
    SaveScreenshot("zelkova-desktop-after-dialogs");
}

}  // namespace
}  // namespace zelkova::testing
