// Labels that size themselves to their caption.
#include <gtest/gtest.h>

#include "gui/Label.h"
#include "support/GuiTesting_win.h"

namespace zelkova {
namespace {

using gui_testing::TestForm;

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

}  // namespace
}  // namespace zelkova
