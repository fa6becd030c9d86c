// The standard error report: its text, and the one window procedure and the idle loop
// handing it what a handler throws, after which the loop goes on.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "gui/Action.h"
#include "gui/ErrorReport.h"
#include "support/GuiTesting_win.h"

namespace zelkova {
namespace {

using gui_testing::PostAndPump;
using gui_testing::RecordingMessageBox;
using gui_testing::TestForm;

constexpr UINT kThrowMessage = WM_APP + 1;

constexpr UINT kCountMessage = WM_APP + 2;

// A form whose private messages throw or count, to see what the dispatch does with errors.
class ThrowingForm : public TestForm {
public:
    int counted = 0;
    std::string error = "Cannot open clipboard";

protected:
    bool HandleMessage(Message& message) override {
        if (message.msg == kThrowMessage) throw std::runtime_error(error);
        if (message.msg == kCountMessage) {
            ++counted;
            return true;
        }
        return TestForm::HandleMessage(message);
    }
};

TEST(StandardErrorText, AddsAFullStopOnlyAfterCharactersSortingAfterIt) {
    EXPECT_EQ(StandardErrorText("Cannot open clipboard"), "Cannot open clipboard.");
    EXPECT_EQ(StandardErrorText("Unable to write to C:\\options.ini"),
              "Unable to write to C:\\options.ini.");
    EXPECT_EQ(StandardErrorText("Done."), "Done.");
    EXPECT_EQ(StandardErrorText("Failed (5)"), "Failed (5)");   // ')' sorts before '.'
    EXPECT_EQ(StandardErrorText("Path /"), "Path /.");          // '/' is 0x2F
    EXPECT_EQ(StandardErrorText("Caf\xE9"), "Caf\xE9.");        // high ANSI characters too
    EXPECT_EQ(StandardErrorText(""), "");
}

TEST(ErrorReport, AnErrorInAHandlerIsReportedAndTheLoopGoesOn) {
    RecordingMessageBox boxes;
    ThrowingForm form;
    form.Show();
    PostAndPump(form.Handle(), kThrowMessage, 0, 0);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Cannot open clipboard.");
    EXPECT_EQ(boxes.boxes[0].caption, "Free Zelkova");
    EXPECT_EQ(boxes.boxes[0].flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
    EXPECT_EQ(boxes.boxes[0].owner, gui_testing::TestApplication().Handle());

    PostAndPump(form.Handle(), kCountMessage, 0, 0);
    EXPECT_EQ(form.counted, 1);
    // And the report did not leave the form disabled.
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));
}

TEST(ErrorReport, OtherWindowsAreDisabledWhileTheReportIsOpen) {
    RecordingMessageBox boxes;
    ThrowingForm form;
    form.error = "Failed (5)";
    form.Show();
    boxes.watchedForm = form.Handle();
    SendMessageA(form.Handle(), kThrowMessage, 0, 0);  // sent, not posted: straight to dispatch
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Failed (5)");
    ASSERT_EQ(boxes.formEnabledDuringBox.size(), 1u);
    EXPECT_FALSE(boxes.formEnabledDuringBox[0]);
    EXPECT_TRUE(IsWindowEnabled(form.Handle()));
}

TEST(ErrorReport, AnErrorInAnUpdateHandlerIsReportedFromTheIdleLoop) {
    RecordingMessageBox boxes;
    TestForm form;
    auto& list = Make<ActionList>(form);
    auto& action = Make<Action>(form);
    action.SetActionList(&list);
    action.OnUpdate = [](Component*) { throw std::runtime_error("Update failed"); };
    form.Show();
    gui_testing::TestApplication().Idle();
    ASSERT_FALSE(boxes.boxes.empty());
    EXPECT_EQ(boxes.boxes[0].text, "Update failed.");
}

}  // namespace
}  // namespace zelkova
