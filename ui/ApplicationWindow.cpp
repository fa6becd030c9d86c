#include "ui/ApplicationWindow.h"

#include "gui/Form.h"

namespace zelkova {

void MinimizeApplication(HWND application, HWND mainWindow) {
    if (IsIconic(application)) return;
    SetActiveWindow(application);
    RECT main{};
    GetWindowRect(mainWindow, &main);
    SetWindowPos(application, mainWindow, main.left, main.top, main.right - main.left, 0,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    DefWindowProcA(application, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void RestoreApplication(HWND application, Form& mainForm) {
    if (!IsIconic(application)) return;
    SetActiveWindow(application);
    DefWindowProcA(application, WM_SYSCOMMAND, SC_RESTORE, 0);
    SetWindowPos(application, nullptr, GetSystemMetrics(SM_CXSCREEN) / 2,
                 GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    // The system hid the main window with its owner; the form still counts itself visible, so
    // this is a plain show, not the form's first show with its show handler.
    ShowWindow(mainForm.Handle(), SW_SHOW);
    if (WinControl* focused = mainForm.ActiveControl(); focused != nullptr && focused->CanFocus()) {
        SetFocus(focused->Handle());
    }
}

void BringApplicationToFront(HWND application) {
    HWND popup = GetLastActivePopup(application);
    if (popup != nullptr && popup != application && IsWindowVisible(popup) &&
        IsWindowEnabled(popup)) {
        SetForegroundWindow(popup);
    }
}

POINT NotificationAreaCorner() {
    if (HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr)) {
        if (HWND area = FindWindowExA(taskbar, nullptr, "TrayNotifyWnd", nullptr)) {
            RECT rect{};
            if (GetWindowRect(area, &rect)) return POINT{rect.left, rect.top};
        }
    }
    RECT work{};
    if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) {
        work = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    return POINT{work.right - GetSystemMetrics(SM_CXMINIMIZED),
                 work.bottom - GetSystemMetrics(SM_CYMINIMIZED)};
}

}  // namespace zelkova
