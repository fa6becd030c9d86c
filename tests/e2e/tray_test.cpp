// Minimising Zelkova.exe to the notification area and bringing it back: the system command,
// the icon's callback message (as the shell would send it), the show message, and the tray
// menu's commands.
#include <gtest/gtest.h>

#include "support/DesktopInput_win.h"
#include "support/RecordingEditor.h"
#include "support/ZelkovaDriver_win.h"

namespace zelkova::testing {
namespace {

constexpr UINT kShowMain = 0x5A01;
constexpr UINT kTrayIcon = 0x5A02;

class Tray : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSettings(
            "[RegistryList]\r\nCount=2\r\n0=HKEY_CURRENT_USER\\First\r\n1=HKEY_CURRENT_USER\\Second\r\n"
            "[CommentList]\r\n0=\r\n1=\r\n");
        app = std::make_unique<ZelkovaApp>();
        ASSERT_TRUE(app->Started());
        application = ApplicationWindow(*app);
        ASSERT_NE(application, nullptr);
        list = std::make_unique<RemoteListView>(FindDescendants(app->Main(), "SysListView32").at(0));
    }
    void TearDown() override { RemoveSettings(); }

    bool BothHidden() const { return !IsWindowVisible(app->Main()) && !IsWindowVisible(application); }
    bool Shown() const { return IsWindowVisible(app->Main()) && !IsIconic(application); }
    // Sends a system command as the title bar's minimise button does.
    void SystemCommand(WPARAM command, LPARAM lParam = 0) const {
        PostMessageA(app->Main(), WM_SYSCOMMAND, command, lParam);
    }

    // Started once the settings file is in place.
    std::unique_ptr<ZelkovaApp> app;
    HWND application = nullptr;
    std::unique_ptr<RemoteListView> list;
};

TEST_F(Tray, MinimiseHidesBothWindowsAndALeftClickOnTheIconRestoresAndSelectsTheFirstEntry) {
    list->Select(1);
    SystemCommand(SC_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return BothHidden(); })) << "no taskbar button and no window while in the tray";
    EXPECT_TRUE(IsIconic(application));
    EXPECT_EQ(GetWindowLongA(application, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0) << "the saved style is back";

    PostMessageA(app->Main(), kTrayIcon, 0, WM_LBUTTONUP);  // releases and moves are ignored
    PostMessageA(app->Main(), kTrayIcon, 0, WM_MOUSEMOVE);
    Sleep(300);
    EXPECT_TRUE(BothHidden());

    PostMessageA(app->Main(), kTrayIcon, 0, WM_LBUTTONDOWN);
    ASSERT_TRUE(WaitUntil([&] { return Shown(); }));
    EXPECT_TRUE(WaitUntil([&] { return list->Selected() == 0; })) << "the first entry, whatever was selected";
    EXPECT_EQ(list->Count(), 2);

    // And it can go to the tray again.
    SystemCommand(SC_MINIMIZE);
    EXPECT_TRUE(WaitUntil([&] { return BothHidden(); }));
    PostMessageA(app->Main(), kTrayIcon, 0, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitUntil([&] { return Shown(); }));
}

TEST_F(Tray, MinimiseWithLParamOneHidesWithoutTheIconAndTheShowMessageBringsItBack) {
    SystemCommand(SC_MINIMIZE, 1);
    ASSERT_TRUE(WaitUntil([&] { return BothHidden(); }));
    SendMessageA(app->Main(), kShowMain, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return Shown(); }));
    EXPECT_TRUE(IsWindowVisible(application));
}

TEST_F(Tray, TheShowMessageBringsTheWindowBackFromTheTray) {
    SystemCommand(SC_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return BothHidden(); }));
    PostMessageA(app->Main(), kShowMain, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return Shown(); }));
    // The window works as before: the list still holds its entries and takes a selection.
    list->Select(1);
    EXPECT_EQ(list->Selected(), 1);
}

TEST_F(Tray, AMinimiseCommandWithLowBitsSetGoesToTheTaskbarInstead) {
    SystemCommand(SC_MINIMIZE | 2);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(application) != FALSE; }));
    Sleep(200);
    EXPECT_TRUE(IsWindowVisible(application)) << "the taskbar button stays";
    EXPECT_FALSE(IsWindowVisible(app->Main())) << "hidden with its minimised owner";
    // A click on the taskbar button restores the application window, and the main window with it.
    PostMessageA(application, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_TRUE(WaitUntil([&] { return Shown(); }));
}

// The taskbar button, and a window manager's iconify of the program's windows, minimise the
// application window, not the main window: they went to the taskbar, without an icon.
TEST_F(Tray, TheApplicationWindowsMinimiseTakesTheSameRoute) {
    const std::size_t icons = VisibleTrayIcons().size();
    PostMessageA(application, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitUntil([&] { return BothHidden(); }));
    EXPECT_TRUE(IsIconic(application));
    EXPECT_EQ(GetWindowLongA(application, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    EXPECT_TRUE(WaitUntil([&] { return VisibleTrayIcons().size() == icons + 1; })) << "one icon added";
    PostMessageA(app->Main(), kTrayIcon, 0, WM_LBUTTONDOWN);
    ASSERT_TRUE(WaitUntil([&] { return Shown(); }));
    ASSERT_TRUE(WaitUntil([&] { return VisibleTrayIcons().size() == icons; }));

    // With lParam 1 it hides without the icon; with a low bit set it goes to the taskbar.
    PostMessageA(application, WM_SYSCOMMAND, SC_MINIMIZE, 1);
    ASSERT_TRUE(WaitUntil([&] { return BothHidden(); }));
    Settle(*app);
    EXPECT_EQ(VisibleTrayIcons().size(), icons);
    SendMessageA(app->Main(), kShowMain, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return Shown(); }));
    PostMessageA(application, WM_SYSCOMMAND, SC_MINIMIZE | 2, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(application) != FALSE; }));
    Settle(*app);
    EXPECT_TRUE(IsWindowVisible(application)) << "the taskbar button stays";
    EXPECT_EQ(VisibleTrayIcons().size(), icons);
}

TEST_F(Tray, TheIconsRightButtonOpensTheTrayMenuWhoseItemsRestoreAndExit) {
    SystemCommand(SC_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return BothHidden(); }));
    const auto rightClick = [&] { PostMessageA(app->Main(), kTrayIcon, 0, WM_RBUTTONDOWN); };
    ASSERT_TRUE(ChooseFromMenu(*app, rightClick, 'o')) << "Open";
    EXPECT_TRUE(WaitUntil([&] { return Shown(); }));

    SystemCommand(SC_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return BothHidden(); }));
    ASSERT_TRUE(ChooseFromMenu(*app, rightClick, 'e')) << "Exit";
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, app->ProcessId());
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(WaitForSingleObject(process, 10000), WAIT_OBJECT_0) << "Exit from the tray ends the program";
    CloseHandle(process);
    EXPECT_EQ(ReadSetting("RegistryList", "Count"), "2");
}

TEST_F(Tray, JumpFromClipboardInTheTrayMenuJumpsAndLeavesTheWindowHidden) {
    const std::string log = UseFreshEditorLog("tray_editor");
    ChildProcess editor = ChildProcess::Start(ProgramCommandLine("fake_regedit.exe"));
    ASSERT_TRUE(WaitForWindow([&] { return FindProcessWindow(editor.Id(), "RegEdit_RegEdit"); }));

    SystemCommand(SC_MINIMIZE);
    ASSERT_TRUE(WaitUntil([&] { return BothHidden(); }));
    SetClipboardText("hkcu\\Software\\Wine");
    ASSERT_TRUE(ChooseFromMenu(*app, [&] { PostMessageA(app->Main(), kTrayIcon, 0, WM_RBUTTONDOWN); }, 'c'));
    const std::vector<std::string> expected = ExpectedPaneMessages({"HKEY_CURRENT_USER", "Software\\Wine", ""});
    EXPECT_TRUE(WaitUntil([&] { return PaneMessagesInLog(ReadWholeFile(log)).size() >= expected.size(); }));
    EXPECT_EQ(PaneMessagesInLog(ReadWholeFile(log)), expected);
    Settle(*app);
    EXPECT_TRUE(BothHidden()) << "the jump does not bring the window back";
    EXPECT_TRUE(IsIconic(application));
    DeleteFileA(log.c_str());
}

TEST_F(Tray, OtherSystemCommandsKeepTheirOrdinaryMeaning) {
    SystemCommand(SC_CLOSE);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, app->ProcessId());
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(WaitForSingleObject(process, 10000), WAIT_OBJECT_0) << "Close from the system menu ends the program";
    CloseHandle(process);
    EXPECT_EQ(ReadSetting("RegistryList", "Count"), "2") << "and saves the list as it goes";
}

}  // namespace
}  // namespace zelkova::testing
