// The application object: the hidden application window that owns every form and carries the
// title and the taskbar button, the message loop with its idle updates and keyboard
// pre-translation, and the standard error report for errors no handler dealt with.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/ErrorReport.h"
#include "gui/Messages.h"

namespace zelkova {

class ApplicationWindow;
class Form;

class Application {
public:
    // One per process. Throws if another exists.
    Application();
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The process's application, or null outside its lifetime.
    static Application* Instance();

    HWND Handle() const;
    const std::string& Title() const { return title_; }
    void SetTitle(std::string title);

    Form* MainForm() const { return mainForm_; }
    // Shows the main form and runs the message loop until the application terminates.
    void Run(Form& mainForm);
    // Asks the loop to stop (posts the quit message).
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Takes one message and processes it; when the queue is empty runs the idle updates and
    // waits for the next message.
    void HandleMessage();
    // Processes every queued message, without idle updates or waiting.
    void ProcessMessages();
    // Runs every visible, enabled form's action updates.
    void Idle();

    // The standard error report for an error: a modal message box owned by the application
    // window with the message (full stop added), the title as caption, OK and the error icon.
    void ShowException(const std::exception& error);
    // A message box owned by the application window, the other windows disabled meanwhile.
    int MessageBox(const std::string& text, const std::string& caption, UINT flags);
    // Replaces where message boxes go (null restores MessageBoxA).
    void SetMessageBoxSink(MessageBoxSink* sink) { sink_ = sink; }

    // The application window received the keyboard focus (as when it is made the foreground
    // window, or a window manager focuses it). It hands it on to its top-most visible, enabled
    // window (the main form, or a modal window over it), which then puts it back into the
    // control that last had it; set, this replaces that hand-off.
    std::function<void()> OnFocus;

    // Whether a window manager chooses the window to focus when the focused one goes, from its
    // own history of focused windows (so under Wine on an X desktop; Windows hands the
    // activation back to the owner itself). Owned windows have no taskbar entry, so such a
    // manager passes over the main form, and the application window, which it would take, sits
    // deep in its history: closing a dialog gave the focus to another program. Set, a modal
    // form or message box about to go first brings the application window forward.
    void SetWindowManagerChoosesFocus(bool chooses) { managerChoosesFocus_ = chooses; }
    bool WindowManagerChoosesFocus() const { return managerChoosesFocus_; }
    // Shows the application window afresh, which enters it in the manager's history right under
    // the window that has the focus now, so that the manager's choice falls on it when that
    // window goes. Does nothing unless the manager chooses the focus, or while the application
    // window is hidden or minimised. Never throws.
    void ComeNextForFocus() noexcept;

    // Forms register themselves while they exist.
    void AddForm(Form* form);
    void RemoveForm(Form* form);

private:
    bool ProcessMessage(MSG& msg);
    bool IsDialogKeyMessage(const MSG& msg);
    bool IsDialogCharMessage(const MSG& msg);

    std::string title_;
    std::unique_ptr<ApplicationWindow> window_;
    Form* mainForm_ = nullptr;
    bool terminated_ = false;
    SystemMessageBox systemBox_;
    MessageBoxSink* sink_ = nullptr;
    std::vector<Form*> forms_;
    bool managerChoosesFocus_ = false;
};

// Call inside a catch block: shows the error in flight with the standard error report (or a
// plain message box when there is no application). Never throws.
void HandleException() noexcept;

}  // namespace zelkova
