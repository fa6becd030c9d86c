// The framework under real window messages: the one window procedure and its error report,
// the loop's idle updates and modal showing, focus and the tab order, removal notifications
// and published properties.
#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <stdexcept>

#include "gui/Action.h"
#include "gui/Edit.h"
#include "gui/Label.h"
#include "gui/Panel.h"
#include "gui/Properties.h"
#include "gui/Timer.h"
#include "gui/WindowEnumeration.h"
#include "support/GuiTesting_win.h"

namespace zelkova {
namespace {

using namespace std::chrono_literals;
using gui_testing::PostAndPump;
using gui_testing::PumpFor;
using gui_testing::PumpUntil;
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

// The system's enumeration calls back through its own frames: an error in the visitor must stop
// it and come out of the call, not unwind through those frames.
TEST(WindowEnumeration, AFailingVisitorStopsTheEnumerationAndItsErrorComesOutOfTheCall) {
    TestForm first;
    TestForm second;
    first.Handle();
    second.Handle();
    int visited = 0;
    const WindowVisitor failing = [&](HWND) -> bool {
        ++visited;
        throw std::bad_alloc();
    };
    EXPECT_THROW(ForEachThreadWindow(GetCurrentThreadId(), failing), std::bad_alloc);
    EXPECT_EQ(visited, 1);

    auto& panel = Make<Panel>(first);
    panel.SetParent(&first);
    auto& edit = Make<Edit>(first);
    edit.SetParent(&first);
    visited = 0;
    EXPECT_THROW(ForEachChildWindow(first.Handle(), failing), std::bad_alloc);
    EXPECT_EQ(visited, 1);
}

TEST(Focus, TabWalksTheTabOrderAcrossContainersAndSkipsNonStops) {
    TestForm form;
    auto& first = Make<Edit>(form);
    auto& second = Make<Edit>(form);
    auto& notAStop = Make<Edit>(form);
    auto& third = Make<Edit>(form);
    for (Edit* edit : {&first, &second, &notAStop, &third}) edit->SetParent(&form);
    notAStop.SetTabStop(false);
    third.SetTabOrder(0);  // third, first, second
    form.Show();
    third.SetFocus();
    EXPECT_EQ(form.ActiveControl(), &third);

    PostAndPump(third.Handle(), WM_KEYDOWN, VK_TAB, gui_testing::KeyData(VK_TAB, false));
    EXPECT_TRUE(first.Focused());
    PostAndPump(first.Handle(), WM_KEYDOWN, VK_TAB, gui_testing::KeyData(VK_TAB, false));
    EXPECT_TRUE(second.Focused());
    PostAndPump(second.Handle(), WM_KEYDOWN, VK_TAB, gui_testing::KeyData(VK_TAB, false));
    EXPECT_TRUE(third.Focused());  // wrapped, past the control that is no stop
    form.SelectNext(&third, false);
    EXPECT_TRUE(second.Focused());
    EXPECT_EQ(form.ActiveControl(), &second);
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

// Records every focus-changed notification it receives.
class FocusWatcher : public Label {
public:
    using Label::Label;
    std::vector<Control*> senders;

protected:
    void FocusChanged(Control* focused) override { senders.push_back(focused); }
};

TEST(Focus, EveryControlOfTheFormHearsWhichOneReceivedTheFocus) {
    TestForm form;
    auto& edit = Make<Edit>(form);
    edit.SetParent(&form);
    auto& other = Make<Edit>(form);
    other.SetParent(&form);
    auto& watcher = Make<FocusWatcher>(form);
    watcher.SetParent(&form);
    form.Show();
    edit.SetFocus();
    other.SetFocus();
    ASSERT_GE(watcher.senders.size(), 2u);
    EXPECT_EQ(watcher.senders[watcher.senders.size() - 2], &edit);
    EXPECT_EQ(watcher.senders.back(), &other);

    // A sender that is not a live control (sent from anywhere) arrives as none.
    SendMessageA(form.Handle(), notify::kFocusChanged, 0, 0x12345678);
    EXPECT_EQ(watcher.senders.back(), nullptr);
}

TEST(Focus, SettingTheFocusOnAHiddenFormFocusesTheControlWhenItShows) {
    TestForm form;
    auto& first = Make<Edit>(form);
    auto& second = Make<Edit>(form);
    first.SetParent(&form);
    second.SetParent(&form);
    second.SetFocus();
    form.Show();
    EXPECT_TRUE(second.Focused());
}

// A label that counts the mouse notifications its parent produces for it.
class HoverLabel : public Label {
public:
    using Label::Label;
    int enters = 0, leaves = 0, clicks = 0;
    void Click() override { ++clicks; }

protected:
    void MouseEnter() override { ++enters; }
    void MouseLeave() override { ++leaves; }
};

TEST(MouseRouting, TheParentTracksWhichWindowlessControlIsUnderTheMouseAndClicksIt) {
    TestForm form;
    auto& label = Make<HoverLabel>(form);
    label.SetParent(&form);
    label.SetAutoSize(false);
    label.SetBounds(20, 20, 50, 20);
    form.Show();
    HWND window = form.Handle();
    PostAndPump(window, WM_MOUSEMOVE, 0, gui_testing::PointData(5, 5));
    EXPECT_EQ(label.enters, 0);
    PostAndPump(window, WM_MOUSEMOVE, 0, gui_testing::PointData(30, 25));
    EXPECT_EQ(label.enters, 1);
    PostAndPump(window, WM_LBUTTONDOWN, MK_LBUTTON, gui_testing::PointData(30, 25));
    PostAndPump(window, WM_LBUTTONUP, 0, gui_testing::PointData(31, 26));
    EXPECT_EQ(label.clicks, 1);
    // A press on the label released elsewhere is no click.
    PostAndPump(window, WM_LBUTTONDOWN, MK_LBUTTON, gui_testing::PointData(30, 25));
    PostAndPump(window, WM_LBUTTONUP, 0, gui_testing::PointData(150, 150));
    EXPECT_EQ(label.clicks, 1);
    PostAndPump(window, WM_MOUSEMOVE, 0, gui_testing::PointData(150, 150));
    EXPECT_EQ(label.leaves, 1);
    PostAndPump(window, WM_MOUSEMOVE, 0, gui_testing::PointData(30, 25));
    PostAndPump(window, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(label.enters, 2);
    EXPECT_EQ(label.leaves, 2);
}

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

TEST(TextChanged, IsSentOnlyWhenTheWindowTextReallyChanges) {
    TestForm form;
    auto& edit = Make<Edit>(form);
    edit.SetParent(&form);
    int changes = 0;
    edit.OnChange = [&](Component*) { ++changes; };
    edit.SetText("HKCU");
    EXPECT_EQ(edit.Text(), "HKCU");
    EXPECT_EQ(changes, 1);
    SetWindowTextA(edit.Handle(), "HKLM");
    EXPECT_EQ(edit.Text(), "HKLM");
    EXPECT_EQ(changes, 2);
}

// A component that remembers what it was told was removed.
class Watcher : public Component {
public:
    using Component::Component;
    std::vector<std::string> removed;

protected:
    void Notification(Component* component, Operation operation) override {
        if (operation == Operation::Remove) removed.push_back(component->Name());
    }
};

TEST(Components, OwnersDestroyWhatTheyOwnAndRemovalIsAnnounced) {
    auto owner = std::make_unique<Watcher>(nullptr);
    auto& sibling = Make<Watcher>(*owner);
    auto* doomed = new Watcher(owner.get());
    doomed->SetName("doomed");
    Watcher outsider(nullptr);
    outsider.FreeNotification(doomed);
    delete doomed;
    const std::vector<std::string> justDoomed{"doomed"};
    EXPECT_EQ(owner->removed, justDoomed);
    EXPECT_EQ(sibling.removed, justDoomed);
    EXPECT_EQ(outsider.removed, justDoomed);
    EXPECT_EQ(owner->Components().size(), 1u);

    // Free notification works both ways and ends when either side goes.
    auto* other = new Watcher(nullptr);
    other->SetName("other");
    other->FreeNotification(&outsider);
    delete other;
    EXPECT_EQ(outsider.removed, (std::vector<std::string>{"doomed", "other"}));
    owner.reset();  // deletes sibling; nothing left dangling
}

// A component publishing two properties whose order matters.
class Ordered : public Component {
public:
    using Component::Component;
    std::vector<std::string> log;
    int level = 0;
    bool flag = false;
    void SetLevel(int value) { level = value; log.push_back("Level"); }
    void SetFlag(bool value) { flag = value; log.push_back("Flag"); }
    const PropertyTable& PublishedProperties() const override {
        static const PropertyTable table(Component::PublishedProperties(),
                                         {{"Level", Setter(&Ordered::SetLevel)},
                                          {"Flag", Setter(&Ordered::SetFlag)}});
        return table;
    }
};

TEST(PublishedProperties, AreFoundInAnyCaseAndSetByName) {
    Ordered component(nullptr);
    EXPECT_TRUE(HasPublishedProperty(component, "Level"));
    EXPECT_TRUE(HasPublishedProperty(component, "lEVEL"));
    EXPECT_TRUE(HasPublishedProperty(component, "Name"));  // from the base class
    EXPECT_FALSE(HasPublishedProperty(component, "Levels"));
    SetPublishedProperty(component, "level", std::int64_t{7});
    EXPECT_EQ(component.level, 7);
    EXPECT_THROW(SetPublishedProperty(component, "Colour", std::int64_t{1}), PropertyError);
    EXPECT_THROW(SetPublishedProperty(component, "Flag", std::string("yes")), PropertyError);
}

TEST(PublishedProperties, ALayoutAppliesThemInPublishedOrderWhateverOrderItLists) {
    Ordered component(nullptr);
    ApplyLayout(component, {{"Flag", true}, {"Level", std::int64_t{3}}, {"Name", std::string("x")}});
    EXPECT_EQ(component.log, (std::vector<std::string>{"Level", "Flag"}));
    EXPECT_EQ(component.Name(), "x");
    // An unknown name rejects the whole layout before anything is applied.
    component.log.clear();
    EXPECT_THROW(ApplyLayout(component, {{"Level", std::int64_t{1}}, {"Nope", true}}), PropertyError);
    EXPECT_TRUE(component.log.empty());
}

TEST(Timers, ADestroyedTimerNeverTicksEvenWithATickQueued) {
    TestForm form;
    int ticks = 0;
    auto* timer = new Timer(&form);
    timer->SetInterval(10);
    timer->SetOnTimer([&](Component*) { ++ticks; });
    Sleep(50);  // let ticks queue up without being dispatched
    delete timer;
    PumpFor(100ms);
    EXPECT_EQ(ticks, 0);
}

}  // namespace
}  // namespace zelkova
