// Controls without a window: their place among their parent's children, the font and colour
// they take from the parent, and what a click runs.
#include <gtest/gtest.h>

#include <stdexcept>

#include "gui/Action.h"
#include "gui/Label.h"
#include "gui/Panel.h"
#include "support/GuiTesting_win.h"

namespace zelkova {
namespace {

using gui_testing::TestForm;

TEST(Parents, AControlCannotBecomeItsOwnAncestor) {
    TestForm form;
    auto& outer = Make<Panel>(form);
    auto& inner = Make<Panel>(form);
    outer.SetParent(&form);
    inner.SetParent(&outer);
    EXPECT_THROW(outer.SetParent(&inner), std::invalid_argument);
    EXPECT_THROW(outer.SetParent(&outer), std::invalid_argument);
    EXPECT_EQ(outer.Parent(), &form);
    EXPECT_EQ(inner.ParentForm(), &form);
}

TEST(Parents, AControlMovesBetweenParentsAndLeavesTheLastOneWhenDestroyed) {
    TestForm form;
    auto& left = Make<Panel>(form);
    auto& right = Make<Panel>(form);
    left.SetParent(&form);
    right.SetParent(&form);
    auto* label = new Label(&form);
    label->SetParent(&left);
    label->SetParent(&right);
    EXPECT_TRUE(left.Controls().empty());
    ASSERT_EQ(right.Controls().size(), 1u);
    EXPECT_EQ(right.Controls()[0], label);
    EXPECT_EQ(label->Parent(), &right);
    delete label;
    EXPECT_TRUE(right.Controls().empty());
}

TEST(ParentLook, AChildFollowsItsParentsFontAndColourUntilGivenItsOwn) {
    TestForm form;
    auto& panel = Make<Panel>(form);
    panel.SetParent(&form);
    auto& label = Make<Label>(form);
    label.SetParentColor(true);
    label.SetParent(&panel);
    panel.SetColor(0x00123456);
    EXPECT_EQ(label.Color(), TColor{0x00123456});
    FontSpec bold = panel.GetFont().Attributes();
    bold.bold = true;
    panel.SetFont(bold);
    EXPECT_TRUE(label.GetFont().Attributes().bold);

    label.SetColor(0x00010203);
    FontSpec own = label.GetFont().Attributes();
    own.height = -20;
    label.SetFont(own);
    EXPECT_FALSE(label.ParentColor());
    EXPECT_FALSE(label.ParentFont());
    panel.SetColor(0x00654321);
    bold.italic = true;
    panel.SetFont(bold);
    EXPECT_EQ(label.Color(), TColor{0x00010203});
    EXPECT_FALSE(label.GetFont().Attributes().italic);
    EXPECT_EQ(label.GetFont().Attributes().height, -20);
}

TEST(Click, RunsTheClickHandlerInsteadOfTheActionAndTheActionWithoutOne) {
    TestForm form;
    auto& action = Make<Action>(form);
    int executed = 0, clicked = 0;
    action.OnExecute = [&](Component*) { ++executed; };
    auto& label = Make<Label>(form);
    label.SetParent(&form);
    label.SetAction(&action);
    label.Click();
    EXPECT_EQ(executed, 1);
    label.OnClick = [&](Component*) { ++clicked; };
    label.Click();
    EXPECT_EQ(clicked, 1);
    EXPECT_EQ(executed, 1);
}

}  // namespace
}  // namespace zelkova
