// Controls without a window: their place among their parent's children.
#include <gtest/gtest.h>

#include <stdexcept>

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

}  // namespace
}  // namespace zelkova
