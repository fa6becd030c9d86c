// Zelkova.exe's main window and About window as a user meets them: where every control stands,
// what is enabled, where the focus is, what Enter does, the failure message box, and the About
// window's modal showing.
#include <gtest/gtest.h>

#include <vector>

#include "gui/Gdi.h"
#include "support/ZelkovaDriver_win.h"

namespace zelkova::testing {
namespace {

void ExpectAt(HWND control, HWND parent, int left, int top, int width, int height, const std::string& what) {
    ASSERT_NE(control, nullptr) << what << " not found";
    const RECT r = RectIn(control, parent);
    EXPECT_EQ(r.left, left) << what;
    EXPECT_EQ(r.top, top) << what;
    EXPECT_EQ(r.right - r.left, width) << what;
    EXPECT_EQ(r.bottom - r.top, height) << what;
}

// How much of a window's face, where an icon drawn at its size is opaque, shows that icon:
// 1 when every such pixel on the screen matches.
double ShownFractionOf(HWND window, LPCSTR systemIcon) {
    RECT client{};
    GetClientRect(window, &client);
    const int width = client.right, height = client.bottom;
    HICON icon = LoadIconA(nullptr, systemIcon);
    if (icon == nullptr || width <= 0 || height <= 0) return 0;
    const WindowDC screenDC(nullptr);
    HDC screen = screenDC.get();
    const OwnedMemoryDC memoryDC(CreateCompatibleDC(screen));
    HDC memory = memoryDC.get();
    const OwnedBitmap bitmap(CreateCompatibleBitmap(screen, width, height));
    const ScopedSelectObject selected(memory, bitmap.get());
    // The icon over two grounds: a pixel that differs between them is not (fully) opaque.
    const auto render = [&](COLORREF ground) {
        std::vector<COLORREF> pixels;
        HBRUSH brush = CreateSolidBrush(ground);
        RECT all{0, 0, width, height};
        FillRect(memory, &all, brush);
        DeleteObject(brush);
        DrawIconEx(memory, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(memory, x, y));
        return pixels;
    };
    const std::vector<COLORREF> overBlack = render(RGB(0, 0, 0));
    const std::vector<COLORREF> overWhite = render(RGB(255, 255, 255));
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    BitBlt(memory, 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
    int opaque = 0, matching = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y * width + x);
            if (overBlack[at] != overWhite[at]) continue;
            ++opaque;
            matching += GetPixel(memory, x, y) == overBlack[at];
        }
    }
    return opaque == 0 ? 0 : static_cast<double>(matching) / opaque;
}

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        RemoveSettings();
        ASSERT_TRUE(app.Started()) << "Zelkova.exe showed no main window";
    }
    HWND Button(const std::string& caption, int index = 0) const {
        std::vector<HWND> found;
        for (HWND button : FindDescendants(app.Main(), "TsuiButton"))
            if (WindowText(button) == caption) found.push_back(button);
        return index < static_cast<int>(found.size()) ? found[static_cast<std::size_t>(index)] : nullptr;
    }

    ZelkovaApp app;
};

TEST_F(MainWindow, EveryWindowedControlStandsAtItsPlace) {
    HWND main = app.Main();
    EXPECT_EQ(ClassName(main), "Free Zelkova Made by Velund Software");
    EXPECT_EQ(WindowText(main), "Free Zelkova");
    const LONG style = GetWindowLongA(main, GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "the border is not sizeable";
    EXPECT_EQ(GetWindow(main, GW_OWNER), ApplicationWindow(app)) << "the application window owns it";

    HWND field = app.JumpField();
    ExpectAt(GetParent(field), main, 8, 53, 496, 53, "GroupBox2");
    ExpectAt(field, main, 16, 71, 394, 21, "eRegKey");
    ExpectAt(app.JumpButton(), main, 421, 69, 72, 27, "bOpen");
    const std::vector<HWND> lists = FindDescendants(main, "SysListView32");
    ASSERT_EQ(lists.size(), 1u);
    ExpectAt(lists[0], main, 8, 120, 497, 225, "ListView1");

    struct Bottom {
        const char* caption;
        int index;
        int left;
        int width;
    };
    // The bottom row, left to right: Add to List, Jump, Edit, Up, Down, Remove, About, Exit.
    for (const Bottom& b : {Bottom{"&Add to List", 0, 8, 68}, Bottom{"&Jump", 1, 84, 55}, Bottom{"&Edit", 0, 145, 55},
                            Bottom{"&Up", 0, 206, 55}, Bottom{"&Down", 0, 267, 55}, Bottom{"&Remove", 0, 328, 55},
                            Bottom{"A&bout", 0, 389, 55}, Bottom{"E&xit", 0, 450, 55}}) {
        ExpectAt(Button(b.caption, b.index), main, b.left, 360, b.width, 27, b.caption);
    }
    SaveScreenshot("zelkova-main-empty");
}

TEST_F(MainWindow, StartsWithTheFocusInTheJumpFieldAndOnlyTheAlwaysEnabledButtons) {
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(app.Main()) == app.JumpField(); }));
    for (const char* caption : {"&Add to List", "A&bout", "E&xit"}) EXPECT_TRUE(IsWindowEnabled(Button(caption))) << caption;
    EXPECT_TRUE(IsWindowEnabled(app.JumpButton()));
    EXPECT_TRUE(WaitUntil([&] {
        return !IsWindowEnabled(Button("&Jump", 1)) && !IsWindowEnabled(Button("&Edit")) &&
               !IsWindowEnabled(Button("&Up")) && !IsWindowEnabled(Button("&Down")) && !IsWindowEnabled(Button("&Remove"));
    })) << "with an empty list the selection's buttons are disabled";
}

TEST_F(MainWindow, EnterInTheJumpFieldPressesNothing) {
    // Text that a jump would answer with the failure message.
    app.SetJumpText("Software\\Microsoft");
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(app.Main()) == app.JumpField(); }));
    PostMessageA(app.JumpField(), WM_KEYDOWN, VK_RETURN, 0x001C0001);
    PostMessageA(app.JumpField(), WM_KEYUP, VK_RETURN, static_cast<LPARAM>(0xC01C0001u));
    EXPECT_EQ(app.WaitForMessageBox(std::chrono::milliseconds(1500)), nullptr);
    // A click on Jump does answer it, so the text was one that would have shown.
    ZelkovaApp::Click(app.JumpButton());
    HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    ZelkovaApp::CloseMessageBox(box);
}

TEST_F(MainWindow, TheFailureMessageIsAnInformationBoxOwnedByTheApplicationWindow) {
    app.SetJumpText("Software\\Microsoft");
    ZelkovaApp::Click(app.JumpButton());
    HWND box = app.WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindow(box, GW_OWNER), ApplicationWindow(app));
    EXPECT_FALSE(IsWindowEnabled(app.Main())) << "the program's windows wait while it is open";
    // The box is found as soon as it exists; its icon shows once the box is set up.
    HWND icon = WaitForWindow([&]() -> HWND {
        if (!IsWindowVisible(box)) return nullptr;
        for (HWND label : FindDescendants(box, "Static"))
            if ((GetWindowLongA(label, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(label)) return label;
        return nullptr;
    }, std::chrono::seconds(5));
    ASSERT_NE(icon, nullptr) << "the box shows an icon";
    Sleep(300);  // painted
    EXPECT_EQ(ShownFractionOf(icon, IDI_INFORMATION), 1.0);
    for (LPCSTR other : {IDI_ERROR, IDI_WARNING, IDI_QUESTION}) EXPECT_LT(ShownFractionOf(icon, other), 0.9);
    EXPECT_EQ(FindDescendants(box, "Button").size(), 1u) << "one button";
    EXPECT_NE(FindControl(box, "Button", "OK"), nullptr);
    ZelkovaApp::CloseMessageBox(box);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(app.Main()) != FALSE; }));
}

TEST_F(MainWindow, AboutOpensModallyAndClosesWithOk) {
    ZelkovaApp::Click(Button("A&bout"));
    HWND about = WaitForWindow([&] {
        HWND w = FindProcessWindow(app.ProcessId(), "TfrmAbout");
        return w && IsWindowVisible(w) ? w : nullptr;
    });
    ASSERT_NE(about, nullptr) << "no About window";
    EXPECT_EQ(WindowText(about), "About Velund Free Zelkova");
    RECT client{};
    GetClientRect(about, &client);
    EXPECT_EQ(client.right, 360);
    EXPECT_EQ(client.bottom, 243);
    EXPECT_FALSE(IsWindowEnabled(app.Main())) << "the main window waits while About is open";
    EXPECT_FALSE(GetWindowLongA(about, GWL_STYLE) & WS_MINIMIZEBOX);

    // Centred over the main window.
    RECT mainRect{}, aboutRect{};
    GetWindowRect(app.Main(), &mainRect);
    GetWindowRect(about, &aboutRect);
    EXPECT_NEAR((mainRect.left + mainRect.right) / 2, (aboutRect.left + aboutRect.right) / 2, 1);
    EXPECT_NEAR((mainRect.top + mainRect.bottom) / 2, (aboutRect.top + aboutRect.bottom) / 2, 1);

    HWND ok = FindControl(about, "TsuiButton", "&OK");
    ExpectAt(ok, about, 256, 202, 80, 27, "bOK");
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(about) == ok; })) << "the only control that takes the focus";
    SaveScreenshot("zelkova-about");

    // Escape does nothing; OK ends the showing.
    PostMessageA(ok, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(about));
    ZelkovaApp::Click(ok);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about) || !IsWindowVisible(about); }));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(app.Main()) != FALSE; }));
}

TEST_F(MainWindow, ClosingSavesAnEmptyListAndEndsTheProcess) {
    ASSERT_TRUE(CloseAndWaitForExit(app));
    EXPECT_EQ(ReadSetting("RegistryList", "Count"), "0");
    EXPECT_EQ(ReadSetting("RegistryList", "0"), "<missing>");
}

TEST_F(MainWindow, ShowMainAnswersFromAnyProcess) {
    HWND main = FindWindowA("Free Zelkova Made by Velund Software", nullptr);
    ASSERT_NE(main, nullptr) << "found by its class name";
    EXPECT_EQ(SendMessageA(main, 0x5A01, 0, 0), 0);
    EXPECT_TRUE(IsWindowVisible(main));
}

}  // namespace
}  // namespace zelkova::testing
