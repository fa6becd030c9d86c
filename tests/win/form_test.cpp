// Forms: modal showing with the other windows disabled, and the typed events a form receives.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "gui/Timer.h"
#include "support/GuiTesting_win.h"

namespace zelkova {
namespace {

using namespace std::chrono_literals;
using gui_testing::PumpFor;
using gui_testing::PumpUntil;
using gui_testing::TestForm;

TEST(ModalShowing, RunsUntilTheModalResultIsSetWithTheOtherWindowsDisabled) {
    TestForm owner;
    owner.Show();
    TestForm dialog;
    bool ownerEnabledDuringModal = true;
    Timer& timer = Make<Timer>(dialog);
    timer.SetInterval(50);
    timer.SetOnTimer([&](Component*) {
        ownerEnabledDuringModal = IsWindowEnabled(owner.Handle()) != FALSE;
        EXPECT_TRUE(dialog.IsModal());
        dialog.SetModalResult(kModalOk);
        timer.SetEnabled(false);
    });
    EXPECT_EQ(dialog.ShowModal(), kModalOk);
    EXPECT_FALSE(ownerEnabledDuringModal);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(dialog.IsModal());
}

TEST(ModalShowing, TheCloseBoxGivesCancelAndOnCloseMayVetoEndingIt) {
    TestForm dialog;
    int closes = 0;
    dialog.OnClose = [&](Component*, CloseAction& action) {
        if (++closes == 1) action = CloseAction::None;  // the first close is refused
    };
    Timer& timer = Make<Timer>(dialog);
    timer.SetInterval(30);
    timer.SetOnTimer([&](Component*) { PostMessageA(dialog.Handle(), WM_CLOSE, 0, 0); });
    EXPECT_EQ(dialog.ShowModal(), kModalCancel);
    EXPECT_EQ(closes, 2);
}

TEST(ModalShowing, AVisibleFormCannotBeShownModally) {
    TestForm form;
    form.Show();
    EXPECT_THROW(form.ShowModal(), std::logic_error);
}

// Records the system-menu commands and icon notifications it receives, doing nothing with them.
class EventForm : public TestForm {
public:
    std::vector<SystemCommandEvent> commands;
    std::vector<TrayMouse> trayMice;

protected:
    void SystemCommand(const SystemCommandEvent& event) override { commands.push_back(event); }
    void TrayNotification(const TrayNotifyEvent& event) override { trayMice.push_back(event.mouse); }
};

TEST(FormEvents, SystemCommandsAndIconMessagesArriveTyped) {
    EventForm form;
    SendMessageA(form.Handle(), WM_SYSCOMMAND, SC_MINIMIZE | 2, 1);
    ASSERT_EQ(form.commands.size(), 1u);
    EXPECT_EQ(form.commands[0].command, static_cast<unsigned>(SC_MINIMIZE));
    EXPECT_EQ(form.commands[0].systemBits, 2u);
    EXPECT_EQ(form.commands[0].argument, 1);

    constexpr UINT kIconMessage = WM_APP + 7;
    SendMessageA(form.Handle(), kIconMessage, 0, WM_RBUTTONDOWN);  // not the form's icon message yet
    form.SetTrayCallbackMessage(kIconMessage);
    for (LPARAM mouse : {WM_RBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE, 0x0400}) {
        SendMessageA(form.Handle(), kIconMessage, 1, mouse);
    }
    EXPECT_EQ(form.trayMice, (std::vector<TrayMouse>{TrayMouse::RightDown, TrayMouse::LeftUp, TrayMouse::Move,
                                                      TrayMouse::Other}));
}

}  // namespace
}  // namespace zelkova
