// Zelkova.exe's context menu, opened from outside by real mouse and key messages: where the
// right button opens it, where it does not, and the keyboard's way to it on a focused button.
#include <gtest/gtest.h>

#include "support/ZelkovaDriver_win.h"

namespace zelkova::testing {
namespace {

// Points of the main window's client area over its controls without a window, after the
// title strip's layout: the strip across the top, the link at the right end, the update icon
// 20 pixels left of it.
constexpr POINT kTitleStrip{460, 5};
constexpr POINT kTitleLabel{60, 14};
constexpr POINT kUpdateLink{415, 30};
constexpr POINT kTitleHint{150, 33};
constexpr POINT kAppIcon{20, 20};
constexpr POINT kUpdateIcon{392, 30};

POINT Centre(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return POINT{r.right / 2, r.bottom / 2};
}

POINT ToScreen(HWND window, POINT client) {
    ClientToScreen(window, &client);
    return client;
}

class ContextMenu : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSettings(
            "[RegistryList]\r\nCount=3\r\n0=HKEY_CURRENT_USER\\A\r\n1=HKEY_CURRENT_USER\\B\r\n"
            "2=HKEY_CURRENT_USER\\C\r\n[CommentList]\r\n0=\r\n1=\r\n2=\r\n");
        app = std::make_unique<ZelkovaApp>();
        ASSERT_TRUE(app->Started()) << "Zelkova.exe showed no main window";
        list = FindDescendants(app->Main(), "SysListView32").at(0);
        // The list's menu is the one the others must match.
        menuSize = Size(OpenAndCloseMenu(*app, [&] { RightClick(list, Centre(list)); }));
        ASSERT_GT(menuSize.cy, 0) << "the list shows no menu";
    }
    void TearDown() override { RemoveSettings(); }

    static SIZE Size(const RECT& r) { return SIZE{r.right - r.left, r.bottom - r.top}; }
    // The menu opened by a right click at `client` of `window`: the list's menu, with its
    // top-left corner at the mouse (or its bottom-left, where the screen has no room below).
    void ExpectMenuAt(HWND window, POINT client, const std::function<void()>& whileOpen = {}) {
        const RECT menu = OpenAndCloseMenu(*app, [&] { RightClick(window, client); }, whileOpen);
        const POINT mouse = ToScreen(window, client);
        const std::string where = ClassName(window) + " '" + WindowText(window) + "' at " +
                                  std::to_string(client.x) + "," + std::to_string(client.y);
        ASSERT_GT(menu.bottom, menu.top) << "no menu over " << where;
        EXPECT_EQ(Size(menu).cx, menuSize.cx) << where;
        EXPECT_EQ(Size(menu).cy, menuSize.cy) << where;
        EXPECT_EQ(menu.left, mouse.x) << where;
        EXPECT_TRUE(menu.top == mouse.y || menu.bottom == mouse.y) << where;
    }

    std::unique_ptr<ZelkovaApp> app;
    HWND list = nullptr;
    SIZE menuSize{};
};

TEST_F(ContextMenu, TheRightButtonOpensItOverTheTitleStripTheButtonsAndTheList) {
    for (POINT place : {kTitleStrip, kTitleLabel, kUpdateLink, kTitleHint}) ExpectMenuAt(app->Main(), place);
    // With the middle entry selected every button is enabled (a disabled one gets no mouse).
    RemoteListView(list).Select(1);
    const std::vector<HWND> buttons = FindDescendants(app->Main(), "TsuiButton");
    ASSERT_EQ(buttons.size(), 9u);
    ASSERT_TRUE(WaitUntil([&] {
        for (HWND button : buttons)
            if (!IsWindowEnabled(button)) return false;
        return true;
    }));
    for (HWND button : buttons) {
        const bool pictured = WindowText(button) == "A&bout";
        ExpectMenuAt(button, Centre(button), [&] { if (pictured) SaveScreenshot("zelkova-context-menu-button"); });
    }
}

TEST_F(ContextMenu, TheRightButtonOpensNothingOverTheIconsAndTheGroupBox) {
    for (POINT place : {kAppIcon, kUpdateIcon}) {
        EXPECT_FALSE(AnyMenuOpens(*app, [&] { RightClick(app->Main(), place); }))
            << "at " << place.x << "," << place.y;
    }
    HWND groupBox = GetParent(app->JumpField());
    EXPECT_FALSE(AnyMenuOpens(*app, [&] { RightClick(groupBox, POINT{200, 46}); })) << "GroupBox2";
}

TEST_F(ContextMenu, TheJumpFieldKeepsTheEditBoxsOwnMenu) {
    HWND field = app->JumpField();
    app->SetJumpText("HKCU\\Software");
    SendMessageA(field, EM_SETSEL, 0, 0);
    const RECT menu = OpenAndCloseMenu(*app, [&] { RightClick(field, Centre(field)); });
    ASSERT_GT(menu.bottom, menu.top) << "the edit box's menu";
    EXPECT_NE(Size(menu).cy, menuSize.cy) << "not the list's";
    // Its "Select All" selects the text; the list's menu would have opened Add to List.
    ASSERT_TRUE(ChooseFromMenu(*app, [&] { RightClick(field, Centre(field)); }, 'a'));
    Settle(*app);
    DWORD start = 1, end = 0;
    SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 13u);
    EXPECT_EQ(FindProcessWindow(app->ProcessId(), "TfrmAddRegistry"), nullptr);
}

TEST_F(ContextMenu, ShiftF10AndTheMenuKeyOpenItAtTheFocusedButton) {
    // Tab walks the focus round to the Jump button.
    HWND button = app->JumpButton();
    for (int step = 0; step < 12 && FocusOf(app->Main()) != button; ++step) {
        HWND focus = FocusOf(app->Main());
        PostMessageA(focus, WM_KEYDOWN, VK_TAB, 0x000F0001);
        PostMessageA(focus, WM_KEYUP, VK_TAB, static_cast<LPARAM>(0xC00F0001u));
        WaitUntil([&] { return FocusOf(app->Main()) != focus; }, std::chrono::seconds(2));
    }
    ASSERT_EQ(FocusOf(app->Main()), button);
    const POINT centre = ToScreen(button, Centre(button));

    const RECT byMenuKey = OpenAndCloseMenu(*app, [&] {
        PostMessageA(button, WM_KEYDOWN, VK_APPS, 0x015D0001);
        PostMessageA(button, WM_KEYUP, VK_APPS, static_cast<LPARAM>(0xC15D0001u));
    });
    ASSERT_GT(byMenuKey.bottom, byMenuKey.top) << "the menu key";
    EXPECT_EQ(Size(byMenuKey).cy, menuSize.cy);
    EXPECT_EQ(byMenuKey.left, centre.x);
    EXPECT_TRUE(byMenuKey.top == centre.y || byMenuKey.bottom == centre.y);

    // Shift must be down in the program's own keyboard state, so the keys come as real input.
    const RECT byShiftF10 = OpenAndCloseMenu(*app, [&] {
        SetForegroundWindow(app->Main());
        INPUT keys[4] = {};
        const WORD codes[4] = {VK_SHIFT, VK_F10, VK_F10, VK_SHIFT};
        for (int i = 0; i < 4; ++i) {
            keys[i].type = INPUT_KEYBOARD;
            keys[i].ki.wVk = codes[i];
            keys[i].ki.dwFlags = i < 2 ? 0 : KEYEVENTF_KEYUP;
        }
        SendInput(4, keys, sizeof(INPUT));
    });
    ASSERT_GT(byShiftF10.bottom, byShiftF10.top) << "Shift+F10";
    EXPECT_EQ(byShiftF10.left, centre.x);
    EXPECT_TRUE(byShiftF10.top == centre.y || byShiftF10.bottom == centre.y);
    // Once: the default window procedure does not open it a second time.
    EXPECT_FALSE(AnyMenuOpens(*app, [] {}, std::chrono::milliseconds(500)));
    EXPECT_EQ(FocusOf(app->Main()), button);
}

}  // namespace
}  // namespace zelkova::testing
