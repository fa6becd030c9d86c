// The application's own loop: running a main form until it closes, and a close whose handler
// fails (a settings file that cannot be written) being reported with the form left open; the
// idle updates; errors that are no std::exception; the application window's focus and where it
// hands it on.
#include <gtest/gtest.h>

#include <stdexcept>

#include "gui/Action.h"
#include "gui/Edit.h"
#include "gui/Timer.h"
#include "support/GuiTesting_win.h"

namespace zelkova {
namespace {

using namespace std::chrono_literals;
using gui_testing::PumpUntil;
using gui_testing::RecordingMessageBox;
using gui_testing::TestForm;

TEST(ApplicationRun, AFailedCloseIsReportedAndTheNextCloseEndsTheLoop) {
    Application& app = gui_testing::TestApplication();
    RecordingMessageBox boxes;
    TestForm main;
    int closeAttempts = 0;
    main.OnClose = [&](Component*, CloseAction&) {
        if (++closeAttempts == 1) throw std::runtime_error("Unable to write to C:\\x\\options.ini");
    };
    bool visibleAfterFailedClose = false;
    int ticks = 0;
    Timer& timer = Make<Timer>(main);
    timer.SetInterval(40);
    timer.SetOnTimer([&](Component*) {
        ++ticks;
        if (ticks == 1) PostMessageA(main.Handle(), WM_CLOSE, 0, 0);
        if (ticks == 2) {
            visibleAfterFailedClose = IsWindowVisible(main.Handle()) != FALSE;
            PostMessageA(main.Handle(), WM_CLOSE, 0, 0);
        }
    });
    app.Run(main);
    EXPECT_TRUE(app.Terminated());
    EXPECT_EQ(app.MainForm(), &main);
    EXPECT_EQ(closeAttempts, 2);
    EXPECT_TRUE(visibleAfterFailedClose);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Unable to write to C:\\x\\options.ini.");
    EXPECT_EQ(boxes.boxes[0].caption, "Free Zelkova");
    // The application window carries the title.
    char title[64] = {};
    GetWindowTextA(app.Handle(), title, sizeof(title));
    EXPECT_STREQ(title, "Free Zelkova");
}

TEST(IdleUpdates, RunForEveryVisibleEnabledFormWhenTheQueueFallsEmpty) {
    TestForm shown;
    TestForm hidden;
    TestForm disabled;
    int shownUpdates = 0, hiddenUpdates = 0, disabledUpdates = 0;
    auto addAction = [](Form& form, int& counter) {
        auto& list = Make<ActionList>(form);
        auto& action = Make<Action>(form);
        action.SetActionList(&list);
        action.OnUpdate = [&counter](Component*) { ++counter; };
    };
    addAction(shown, shownUpdates);
    addAction(hidden, hiddenUpdates);
    addAction(disabled, disabledUpdates);
    shown.Show();
    disabled.Show();
    EnableWindow(disabled.Handle(), FALSE);
    hidden.Handle();

    ASSERT_TRUE(PumpUntil([&] { return shownUpdates >= 2; }, 2000ms));
    EXPECT_EQ(hiddenUpdates, 0);
    EXPECT_EQ(disabledUpdates, 0);
}

TEST(IdleUpdates, ProcessingTheQueuedMessagesRunsNone) {
    TestForm form;
    int updates = 0;
    auto& list = Make<ActionList>(form);
    auto& action = Make<Action>(form);
    action.SetActionList(&list);
    action.OnUpdate = [&](Component*) { ++updates; };
    form.Show();
    gui_testing::PumpPending();
    updates = 0;
    PostMessageA(form.Handle(), WM_NULL, 0, 0);
    gui_testing::TestApplication().ProcessMessages();
    EXPECT_EQ(updates, 0);
}

TEST(HandleException, AnErrorThatIsNoStdExceptionIsReportedAsUnknown) {
    RecordingMessageBox boxes;
    try {
        throw 42;
    } catch (...) {
        HandleException();
    }
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Unknown error.");
    EXPECT_EQ(boxes.boxes[0].flags, static_cast<UINT>(MB_OK | MB_ICONERROR));
}

// The hand-off of the focus to a form (tray restore) hangs on this; it once sat behind a
// message the window procedure never passed on.
TEST(ApplicationWindow, TheFocusItReceivesIsOfferedToTheApplication) {
    Application& app = gui_testing::TestApplication();
    int offered = 0;
    app.OnFocus = [&] { ++offered; };
    ShowWindow(app.Handle(), SW_SHOWNOACTIVATE);  // as the loop shows it
    ::SetFocus(nullptr);
    ::SetFocus(app.Handle());
    ShowWindow(app.Handle(), SW_HIDE);
    app.OnFocus = nullptr;
    EXPECT_EQ(offered, 1);
}

// Made the active window (the tray restore does, and so does a window manager that focuses the
// application's window), the application window used to keep the focus: typed text went nowhere.
TEST(ApplicationWindow, HandsTheFocusToItsTopWindowWhichPutsItInTheControlThatHadIt) {
    Application& app = gui_testing::TestApplication();
    TestForm lower;
    TestForm upper;
    auto& first = Make<Edit>(upper);
    auto& second = Make<Edit>(upper);
    first.SetParent(&upper);
    second.SetParent(&upper);
    ShowWindow(app.Handle(), SW_SHOWNOACTIVATE);  // as the loop shows it
    lower.Show();
    upper.Show();
    second.SetFocus();
    SetActiveWindow(app.Handle());
    EXPECT_EQ(GetActiveWindow(), upper.Handle());
    EXPECT_EQ(GetFocus(), second.Handle());
    ShowWindow(app.Handle(), SW_HIDE);
}

}  // namespace
}  // namespace zelkova
