// The main window's side of minimising to the notification area and coming back from it.
#include "gui/Application.h"
#include "ui/ApplicationWindow.h"
#include "ui/Main.h"
#include "ui/TrayIcon.h"

namespace zelkova {

namespace {
HWND ApplicationHandle() {
    Application* app = Application::Instance();
    return app != nullptr ? app->Handle() : nullptr;
}
}  // namespace

void TfrmMain::SetTrayIcon(bool add) { zelkova::SetTrayIcon(Handle(), icon_.get(), add); }

// Only a minimise command of exactly SC_MINIMIZE goes to the notification area; the same
// command with any of its four low bits set minimises to the taskbar in the ordinary way.
void TfrmMain::HandleSysCommand(const SystemCommandEvent& event) {
    HWND application = ApplicationHandle();
    auto defaultHandling = [&] {
        if (event.command == SC_MINIMIZE && application != nullptr) {
            MinimizeApplication(application, Handle());
        } else {
            Form::SystemCommand(event);
        }
    };
    if (event.command != SC_MINIMIZE || event.systemBits != 0 || application == nullptr) {
        defaultHandling();
        return;
    }
    // A tool window has no taskbar button, so none appears while the animation runs.
    SetWindowLongA(application, GWL_EXSTYLE,
                   static_cast<LONG>(savedAppExStyle_ | WS_EX_TOOLWINDOW));
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(application, &placement);
    placement.flags = WPF_SETMINPOSITION;
    placement.ptMinPosition = NotificationAreaCorner();
    SetWindowPlacement(application, &placement);
    defaultHandling();
    SetWindowLongA(application, GWL_EXSTYLE, static_cast<LONG>(savedAppExStyle_));
    ShowWindow(Handle(), SW_HIDE);
    ShowWindow(application, SW_HIDE);
    // A program may ask for the hiding without the icon by sending the command with 1.
    if (event.argument != 1) SetTrayIcon(true);
}

void TfrmMain::HandleTrayMessage(const TrayNotifyEvent& event) {
    if (event.mouse == TrayMouse::LeftDown) {
        RestoreFromTray();
        if (ListView1->Visible() && ListView1->ItemCount() > 0) ListView1->SetSelected(0);
    }
    if (event.mouse == TrayMouse::RightDown) {
        SetForegroundWindow(Handle());
        POINT cursor{};
        GetCursorPos(&cursor);
        pmSelf->Popup(cursor.x, cursor.y, Handle());
    }
}

void TfrmMain::RestoreFromTray() {
    HWND application = ApplicationHandle();
    ShowWindow(Handle(), SW_SHOW);
    if (application == nullptr) return;
    if (IsIconic(application)) {
        RestoreApplication(application, *this);
        SetTrayIcon(false);
    }
    BringApplicationToFront(application);
    SetWindowLongA(application, GWL_EXSTYLE, static_cast<LONG>(savedAppExStyle_));
    SetForegroundWindow(application);
}

void TfrmMain::HandleShowMain() {
    HWND application = ApplicationHandle();
    ShowWindow(Handle(), SW_SHOW);
    if (application == nullptr) return;
    if (IsIconic(application)) RestoreApplication(application, *this);
    BringApplicationToFront(application);
}

}  // namespace zelkova
