// What the application does with its hidden application window when the user minimises or
// restores it: the owner of every form carries the taskbar button, so it is the window that is
// minimised and restored, and the forms follow it.
#pragma once

#include <windows.h>

namespace zelkova {

class Form;

// Minimises the application (unless it is already): the application window is activated,
// laid directly behind the main window with the main window's left, top and width and no
// height, shown, and minimised by the default window procedure, so the system's animation runs
// from the main window to the minimised position.
void MinimizeApplication(HWND application, HWND mainWindow);

// Restores the application from its minimised state: restored by the default window procedure
// (the animation runs back from the minimised position), put back at the centre of the screen
// with no size, and the main window shown again with the focus where it last was.
void RestoreApplication(HWND application, Form& mainForm);

// Gives the foreground to the application's last active pop-up (a dialog, or the main window),
// when that is visible and enabled.
void BringApplicationToFront(HWND application);

// Where the minimise animation should end: the taskbar's notification area, or, with no
// notification area to be found (Wine has a taskbar window but no notification area in it),
// the bottom-right corner of the work area, where that area usually sits.
POINT NotificationAreaCorner();

}  // namespace zelkova
