// Actions under real window messages: their update handlers, and the controls bound to them.
#include <gtest/gtest.h>

#include "gui/Action.h"
#include "gui/Edit.h"
#include "support/GuiTesting_win.h"

namespace zelkova {
namespace {

using gui_testing::TestForm;

TEST(Actions, ExecuteEvaluatesTheUpdateHandlerFirst) {
    TestForm form;
    auto& action = Make<Action>(form);
    bool allowed = false;
    int executed = 0;
    action.OnUpdate = [&](Component* sender) { static_cast<Action*>(sender)->SetEnabled(allowed); };
    action.OnExecute = [&](Component*) { ++executed; };
    EXPECT_FALSE(action.Execute());
    EXPECT_EQ(executed, 0);
    allowed = true;
    EXPECT_TRUE(action.Execute());
    EXPECT_EQ(executed, 1);
}

TEST(Actions, BoundControlsFollowCaptionAndEnabledStateAndForgetADestroyedAction) {
    TestForm form;
    auto& edit = Make<Edit>(form);
    edit.SetParent(&form);
    auto* action = new Action(&form);
    action->SetCaption("&Jump");
    edit.SetAction(action);
    EXPECT_EQ(edit.Text(), "&Jump");
    action->SetEnabled(false);
    EXPECT_FALSE(edit.Enabled());
    EXPECT_FALSE(IsWindowEnabled(edit.Handle()));
    delete action;
    EXPECT_EQ(edit.GetAction(), nullptr);
}

}  // namespace
}  // namespace zelkova
