// The framework's standard controls: the report-mode list view as the store of its rows,
// labels that size themselves, pop-up menus bound to actions, and the context menus that the
// mouse and the keyboard open.
#include <gtest/gtest.h>

#include "gui/Action.h"
#include "gui/Label.h"
#include "gui/ListView.h"
#include "gui/Menu.h"
#include "gui/Panel.h"
#include "gui/Timer.h"
#include "support/GuiTesting_win.h"

namespace zelkova {
namespace {

using namespace std::chrono_literals;
using gui_testing::KeyData;
using gui_testing::PointData;
using gui_testing::PostAndPump;
using gui_testing::TestForm;

class ListViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        list = &Make<ListView>(form);
        list->SetParent(&form);
        list->SetBounds(8, 8, 280, 150);
        list->AddColumn("Registry Key", 180);
        list->AddColumn("Comment", 80);
    }
    TestForm form;
    ListView* list = nullptr;
};

TEST_F(ListViewTest, RowsAndSelectionFilledBeforeTheWindowSurviveItsCreation) {
    list->AddItem("HKCU\\Software", {"mine"});
    list->AddItem("HKLM\\System", {"system"});
    list->InsertItem(0, "HKCR", {});
    list->SetSelected(1);
    EXPECT_EQ(list->Selected(), 1);
    form.Show();
    ASSERT_TRUE(list->HandleAllocated());
    EXPECT_EQ(ListView_GetItemCount(list->Handle()), 3);
    EXPECT_EQ(list->Selected(), 1);
    char text[64] = {};
    ListView_GetItemText(list->Handle(), 1, 1, text, sizeof(text));
    EXPECT_STREQ(text, "mine");
    EXPECT_EQ(list->ItemText(2, 0), "HKLM\\System");
    EXPECT_EQ(list->ItemText(2, 5), "");   // no such column
    EXPECT_EQ(list->ItemText(-1, 0), "");  // no such row
}

TEST_F(ListViewTest, DeletingAndEditingRowsKeepsTheWindowAndTheStoreTogether) {
    for (const char* key : {"a", "b", "c"}) list->AddItem(key, {"-"});
    form.Show();
    list->SetSelected(2);
    list->DeleteItem(0);
    EXPECT_EQ(list->ItemCount(), 2);
    EXPECT_EQ(list->Selected(), 1);  // the selected row moved up with the others
    list->SetItemText(1, 1, "note");
    char text[64] = {};
    ListView_GetItemText(list->Handle(), 1, 1, text, sizeof(text));
    EXPECT_STREQ(text, "note");
    list->DeleteItem(7);  // outside the rows: nothing
    EXPECT_EQ(list->ItemCount(), 2);
    list->SetSelected(-1);
    EXPECT_EQ(list->Selected(), -1);
    list->Clear();
    EXPECT_EQ(ListView_GetItemCount(list->Handle()), 0);
}

TEST_F(ListViewTest, ADoubleClickOnARowReachesTheDoubleClickHandler) {
    list->AddItem("HKCU\\Software", {"x"});
    int doubleClicks = 0;
    list->OnDblClick = [&](Component*) { ++doubleClicks; };
    form.Show();
    RECT row{};
    ListView_GetItemRect(list->Handle(), 0, &row, LVIR_BOUNDS);
    const LPARAM at = PointData(row.left + 5, (row.top + row.bottom) / 2);
    PostAndPump(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostAndPump(list->Handle(), WM_LBUTTONUP, 0, at);
    PostAndPump(list->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostAndPump(list->Handle(), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(list->Selected(), 0);
}

TEST(Labels, SizeThemselvesToTheirCaptionUnlessToldNot) {
    TestForm form;
    auto& label = Make<Label>(form);
    label.SetParent(&form);
    label.SetCaption("Registry Key:");
    const int width = label.Width();
    EXPECT_GT(width, 20);
    label.SetCaption("Registry Key: and a longer text");
    EXPECT_GT(label.Width(), width);
    label.SetAutoSize(false);
    label.SetBounds(0, 0, 30, 13);
    label.SetCaption("short");
    EXPECT_EQ(label.Width(), 30);
}

TEST(PopupMenus, ItemsTakeTheirActionsStateAndRunTheChosenOne) {
    TestForm form;
    auto& menu = Make<PopupMenu>(form);
    auto& jump = Make<Action>(form);
    jump.SetCaption("&Jump");
    bool jumpAllowed = false;
    int jumps = 0, opens = 0;
    jump.OnUpdate = [&](Component*) { jump.SetEnabled(jumpAllowed); };
    jump.OnExecute = [&](Component*) { ++jumps; };
    auto& open = Make<MenuItem>(form);
    open.SetCaption("&Open");
    open.OnClick = [&](Component*) { ++opens; };
    auto& separator = Make<MenuItem>(form);
    separator.SetCaption("-");
    auto& jumpItem = Make<MenuItem>(form);
    jumpItem.SetAction(&jump);
    for (MenuItem* item : {&open, &separator, &jumpItem}) menu.Add(*item);
    EXPECT_EQ(jumpItem.Caption(), "&Jump");
    jump.SetCaption("&Jump there");
    EXPECT_EQ(jumpItem.Caption(), "&Jump there");
    EXPECT_TRUE(separator.IsSeparator());
    form.Show();

    // Closing the menu without a choice runs nothing; the update ran as it opened.
    Timer& closer = Make<Timer>(form);
    closer.SetInterval(50);
    closer.SetOnTimer([&](Component*) {
        closer.SetEnabled(false);
        EndMenu();
    });
    menu.Popup(50, 50, form.Handle());
    EXPECT_EQ(opens + jumps, 0);
    EXPECT_FALSE(jumpItem.Enabled());

    jumpAllowed = true;
    jumpItem.Click();
    EXPECT_EQ(jumps, 1);
    open.Click();
    EXPECT_EQ(opens, 1);
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
