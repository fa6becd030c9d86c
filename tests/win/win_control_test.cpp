// Controls with a window: bounds, visibility and the enabled state reaching the window and the
// children, the tab order, alignment, focus among the children, the mouse routed to the
// children without a window, text changes, and the context menus the mouse and keyboard open.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "gui/Edit.h"
#include "gui/Label.h"
#include "gui/Menu.h"
#include "gui/Panel.h"
#include "support/GuiTesting_win.h"

namespace zelkova {
namespace {

using gui_testing::KeyData;
using gui_testing::PointData;
using gui_testing::PostAndPump;
using gui_testing::TestForm;

RECT RectInParent(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// A control of a window class the system does not know.
class UnknownClassControl : public WinControl {
public:
    using WinControl::WinControl;

protected:
    void CreateParams(struct CreateParams& params) override {
        WinControl::CreateParams(params);
        params.className = "ZelkovaNoSuchClass";
        params.systemClass = true;
    }
};

TEST(Creation, AWindowTheSystemRefusesFailsWithItsErrorCode) {
    TestForm form;
    form.Handle();
    UnknownClassControl control(nullptr);
    try {
        control.SetParent(&form);
        ADD_FAILURE() << "the window was made";
    } catch (const std::runtime_error& error) {
        const std::string text = error.what();
        EXPECT_EQ(text.rfind("Cannot create window ZelkovaNoSuchClass (error ", 0), 0u) << text;
        EXPECT_EQ(text.back(), ')') << text;
    }
}

TEST(Bounds, SetBeforeAndAfterTheWindowIsMadeTheyReachIt) {
    TestForm form;
    auto& panel = Make<Panel>(form);
    panel.SetParent(&form);
    panel.SetBounds(5, 6, 70, 40);
    form.Show();
    RECT r = RectInParent(panel.Handle());
    EXPECT_EQ(r.left, 5);
    EXPECT_EQ(r.top, 6);
    EXPECT_EQ(r.right - r.left, 70);
    EXPECT_EQ(r.bottom - r.top, 40);
    panel.SetBounds(10, 12, 30, 20);
    r = RectInParent(panel.Handle());
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.bottom - r.top, 20);
    EXPECT_EQ(panel.ClientRect().Width(), 30);
}

TEST(Bounds, AlignedChildrenShareTheParentAndFollowItsSize) {
    TestForm form;
    auto& panel = Make<Panel>(form);
    panel.SetParent(&form);
    panel.SetBounds(0, 0, 200, 100);
    auto& top = Make<Panel>(form);
    top.SetBounds(0, 0, 10, 30);
    top.SetAlign(Align::Top);
    top.SetParent(&panel);
    auto& rest = Make<Panel>(form);
    rest.SetAlign(Align::Client);
    rest.SetParent(&panel);
    EXPECT_EQ(top.BoundsRect(), (Rect{0, 0, 200, 30}));
    EXPECT_EQ(rest.BoundsRect(), (Rect{0, 30, 200, 100}));
    panel.SetBounds(0, 0, 120, 80);
    EXPECT_EQ(top.BoundsRect(), (Rect{0, 0, 120, 30}));
    EXPECT_EQ(rest.BoundsRect(), (Rect{0, 30, 120, 80}));
}

TEST(State, VisibilityAndEnabledReachTheWindowAndAParentsStateStopsTheFocus) {
    TestForm form;
    auto& panel = Make<Panel>(form);
    panel.SetParent(&form);
    auto& edit = Make<Edit>(form);
    edit.SetParent(&panel);
    form.Show();
    EXPECT_TRUE(edit.CanFocus());
    panel.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(panel.Handle()));
    EXPECT_FALSE(edit.CanFocus());
    EXPECT_THROW(edit.SetFocus(), std::runtime_error);
    panel.SetEnabled(true);
    panel.SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(panel.Handle()));
    EXPECT_FALSE(edit.CanFocus());
    panel.SetVisible(true);
    EXPECT_TRUE(IsWindowVisible(edit.Handle()));
    EXPECT_TRUE(edit.CanFocus());
}

TEST(TabOrder, IsClampedToTheSiblingsAndListedDepthFirst) {
    TestForm form;
    auto& panel = Make<Panel>(form);
    auto& inner = Make<Edit>(form);
    auto& after = Make<Edit>(form);
    panel.SetParent(&form);
    inner.SetParent(&panel);
    after.SetParent(&form);
    after.SetTabOrder(-5);
    EXPECT_EQ(after.TabOrder(), 0);
    EXPECT_EQ(panel.TabOrder(), 1);
    after.SetTabOrder(99);
    EXPECT_EQ(after.TabOrder(), 1);
    std::vector<WinControl*> order;
    form.GetTabOrderList(order);
    EXPECT_EQ(order, (std::vector<WinControl*>{&panel, &inner, &after}));
}

TEST(Focus, TabWalksTheTabOrderAcrossContainersAndSkipsNonStops) {
    TestForm form;
    auto& first = Make<Edit>(form);
    auto& second = Make<Edit>(form);
    auto& notAStop = Make<Edit>(form);
    auto& third = Make<Edit>(form);
    for (Edit* edit : {&first, &second, &notAStop, &third}) edit->SetParent(&form);
    notAStop.SetTabStop(false);
    third.SetTabOrder(0);  // third, first, second
    form.Show();
    third.SetFocus();
    EXPECT_EQ(form.ActiveControl(), &third);

    PostAndPump(third.Handle(), WM_KEYDOWN, VK_TAB, gui_testing::KeyData(VK_TAB, false));
    EXPECT_TRUE(first.Focused());
    PostAndPump(first.Handle(), WM_KEYDOWN, VK_TAB, gui_testing::KeyData(VK_TAB, false));
    EXPECT_TRUE(second.Focused());
    PostAndPump(second.Handle(), WM_KEYDOWN, VK_TAB, gui_testing::KeyData(VK_TAB, false));
    EXPECT_TRUE(third.Focused());  // wrapped, past the control that is no stop
    form.SelectNext(&third, false);
    EXPECT_TRUE(second.Focused());
    EXPECT_EQ(form.ActiveControl(), &second);
}

// Records every focus-changed notification it receives.
class FocusWatcher : public Label {
public:
    using Label::Label;
    std::vector<Control*> senders;

protected:
    void FocusChanged(Control* focused) override { senders.push_back(focused); }
};

TEST(Focus, EveryControlOfTheFormHearsWhichOneReceivedTheFocus) {
    TestForm form;
    auto& edit = Make<Edit>(form);
    edit.SetParent(&form);
    auto& other = Make<Edit>(form);
    other.SetParent(&form);
    auto& watcher = Make<FocusWatcher>(form);
    watcher.SetParent(&form);
    form.Show();
    edit.SetFocus();
    other.SetFocus();
    ASSERT_GE(watcher.senders.size(), 2u);
    EXPECT_EQ(watcher.senders[watcher.senders.size() - 2], &edit);
    EXPECT_EQ(watcher.senders.back(), &other);

    // A sender that is not a live control (sent from anywhere) arrives as none.
    SendMessageA(form.Handle(), notify::kFocusChanged, 0, 0x12345678);
    EXPECT_EQ(watcher.senders.back(), nullptr);
}

TEST(Focus, SettingTheFocusOnAHiddenFormFocusesTheControlWhenItShows) {
    TestForm form;
    auto& first = Make<Edit>(form);
    auto& second = Make<Edit>(form);
    first.SetParent(&form);
    second.SetParent(&form);
    second.SetFocus();
    form.Show();
    EXPECT_TRUE(second.Focused());
}

// A label that counts the mouse notifications its parent produces for it.
class HoverLabel : public Label {
public:
    using Label::Label;
    int enters = 0, leaves = 0, clicks = 0;
    void Click() override { ++clicks; }

protected:
    void MouseEnter() override { ++enters; }
    void MouseLeave() override { ++leaves; }
};

TEST(MouseRouting, TheParentTracksWhichWindowlessControlIsUnderTheMouseAndClicksIt) {
    // An earlier test program may have left the real pointer where this form opens, and its
    // moves would reach the form beside the posted ones: park it in the screen's far corner.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
    TestForm form;
    auto& label = Make<HoverLabel>(form);
    label.SetParent(&form);
    label.SetAutoSize(false);
    label.SetBounds(20, 20, 50, 20);
    form.Show();
    HWND window = form.Handle();
    PostAndPump(window, WM_MOUSEMOVE, 0, gui_testing::PointData(5, 5));
    EXPECT_EQ(label.enters, 0);
    PostAndPump(window, WM_MOUSEMOVE, 0, gui_testing::PointData(30, 25));
    EXPECT_EQ(label.enters, 1);
    PostAndPump(window, WM_LBUTTONDOWN, MK_LBUTTON, gui_testing::PointData(30, 25));
    PostAndPump(window, WM_LBUTTONUP, 0, gui_testing::PointData(31, 26));
    EXPECT_EQ(label.clicks, 1);
    // A press on the label released elsewhere is no click.
    PostAndPump(window, WM_LBUTTONDOWN, MK_LBUTTON, gui_testing::PointData(30, 25));
    PostAndPump(window, WM_LBUTTONUP, 0, gui_testing::PointData(150, 150));
    EXPECT_EQ(label.clicks, 1);
    PostAndPump(window, WM_MOUSEMOVE, 0, gui_testing::PointData(150, 150));
    EXPECT_EQ(label.leaves, 1);
    PostAndPump(window, WM_MOUSEMOVE, 0, gui_testing::PointData(30, 25));
    PostAndPump(window, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(label.enters, 2);
    EXPECT_EQ(label.leaves, 2);
}

TEST(TextChanged, IsSentOnlyWhenTheWindowTextReallyChanges) {
    TestForm form;
    auto& edit = Make<Edit>(form);
    edit.SetParent(&form);
    int changes = 0;
    edit.OnChange = [&](Component*) { ++changes; };
    edit.SetText("HKCU");
    EXPECT_EQ(edit.Text(), "HKCU");
    EXPECT_EQ(changes, 1);
    SetWindowTextA(edit.Handle(), "HKLM");
    EXPECT_EQ(edit.Text(), "HKLM");
    EXPECT_EQ(changes, 2);
}

// A panel (a window of the framework's own class) and two labels without windows, one with
// the menu; every popup is recorded and closed again at once with Escape.
class ContextMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        menu = &Make<PopupMenu>(form);
        auto& item = Make<MenuItem>(form);
        item.SetCaption("&Item");
        menu->Add(item);
        menu->OnPopup = [this](Component*) {
            popups.push_back(menu->PopupPoint());
            PostMessageA(form.Handle(), WM_KEYDOWN, VK_ESCAPE, KeyData(VK_ESCAPE, false));
        };
        panel = &Make<Panel>(form);
        panel->SetParent(&form);
        panel->SetBounds(10, 10, 100, 40);
        panel->SetPopupMenu(menu);
        bare = &Make<Panel>(form);
        bare->SetParent(&form);
        bare->SetBounds(10, 60, 100, 40);
        label = &Make<Label>(form);
        label->SetParent(&form);
        label->SetBounds(150, 10, 60, 13);
        label->SetPopupMenu(menu);
        plainLabel = &Make<Label>(form);
        plainLabel->SetParent(&form);
        plainLabel->SetBounds(150, 40, 60, 13);
        form.Show();
        gui_testing::PumpUntilPlaced(form.Handle());
    }
    static void RightClick(HWND window, int x, int y) {
        PostAndPump(window, WM_RBUTTONDOWN, MK_RBUTTON, PointData(x, y));
        PostAndPump(window, WM_RBUTTONUP, 0, PointData(x, y));
    }
    static Point ScreenPoint(HWND window, int x, int y) {
        POINT p{x, y};
        ClientToScreen(window, &p);
        return Point{p.x, p.y};
    }

    TestForm form;
    PopupMenu* menu = nullptr;
    Panel* panel = nullptr;
    Panel* bare = nullptr;
    Label* label = nullptr;
    Label* plainLabel = nullptr;
    std::vector<Point> popups;
};

TEST_F(ContextMenuTest, TheRightButtonsReleaseOpensTheMenuOfTheControlUnderTheMouse) {
    PostAndPump(panel->Handle(), WM_RBUTTONDOWN, MK_RBUTTON, PointData(5, 6));
    EXPECT_TRUE(popups.empty()) << "not on the press";
    PostAndPump(panel->Handle(), WM_RBUTTONUP, 0, PointData(5, 6));
    ASSERT_EQ(popups.size(), 1u) << "a window of the framework's own class";
    EXPECT_EQ(popups[0], ScreenPoint(panel->Handle(), 5, 6));

    RightClick(form.Handle(), 155, 15);
    ASSERT_EQ(popups.size(), 2u) << "a label, through its parent's window";
    EXPECT_EQ(popups[1], ScreenPoint(form.Handle(), 155, 15));

    RightClick(form.Handle(), 155, 45);
    RightClick(bare->Handle(), 5, 5);
    RightClick(form.Handle(), 250, 150);
    EXPECT_EQ(popups.size(), 2u) << "no menu where no control has one";
}

TEST_F(ContextMenuTest, ShiftF10AndTheMenuKeyOpenTheFocusedControlsMenuAtTheControl) {
    panel->SetFocus();
    RECT r{};
    GetWindowRect(panel->Handle(), &r);
    const Point centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};

    PostAndPump(panel->Handle(), WM_KEYDOWN, VK_APPS, KeyData(VK_APPS, false));
    EXPECT_TRUE(popups.empty()) << "the menu key opens it as it is released";
    PostAndPump(panel->Handle(), WM_KEYUP, VK_APPS, KeyData(VK_APPS, true));
    ASSERT_EQ(popups.size(), 1u) << "once";
    EXPECT_EQ(popups[0], centre);

    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const BYTE shift = keys[VK_SHIFT];
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    PostAndPump(panel->Handle(), WM_SYSKEYDOWN, VK_F10, KeyData(VK_F10, false));
    PostAndPump(panel->Handle(), WM_SYSKEYUP, VK_F10, KeyData(VK_F10, true));
    keys[VK_SHIFT] = shift;
    SetKeyboardState(keys);
    ASSERT_EQ(popups.size(), 2u) << "Shift+F10, once";
    EXPECT_EQ(popups[1], centre);

    bare->SetFocus();
    PostAndPump(bare->Handle(), WM_KEYDOWN, VK_APPS, KeyData(VK_APPS, false));
    PostAndPump(bare->Handle(), WM_KEYUP, VK_APPS, KeyData(VK_APPS, true));
    EXPECT_EQ(popups.size(), 2u) << "a control without a menu";
}

}  // namespace
}  // namespace zelkova
