// The report-mode list view as the store of its rows.
#include <gtest/gtest.h>

#include "gui/ListView.h"
#include "support/GuiTesting_win.h"

namespace zelkova {
namespace {

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

}  // namespace
}  // namespace zelkova
