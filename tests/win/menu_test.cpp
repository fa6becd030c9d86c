// Pop-up menus bound to actions.
#include <gtest/gtest.h>

#include "gui/Action.h"
#include "gui/Menu.h"
#include "gui/Timer.h"
#include "support/GuiTesting_win.h"

namespace zelkova {
namespace {

using namespace std::chrono_literals;
using gui_testing::KeyData;
using gui_testing::PostAndPump;
using gui_testing::TestForm;

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

}  // namespace
}  // namespace zelkova
