// The notification-area icon: its record and the shell call that adds or deletes it.
#pragma once

#include <windows.h>
#include <shellapi.h>

namespace zelkova {

// Sent by any process to bring the main window back.
inline constexpr UINT WM_SHOWMAIN = 0x5A01;
// The icon's callback message: lParam is the mouse message over the icon.
inline constexpr UINT WM_TRAYICON = 0x5A02;

inline constexpr char kTrayTip[] = "Left Click to activate Zelkova\r\nRight Click to popup menu";

// The record in its first-version form (no fields of later shells): the icon is identified by
// the window and by the window's handle value again; message, icon and tip are set. The tip is
// cut to what fits the record.
NOTIFYICONDATAA MakeTrayIconRecord(HWND window, HICON icon);

// Adds or deletes the icon; the shell's answer is not looked at (an add of an icon that is
// there already, or a delete of one that is not, changes nothing).
void SetTrayIcon(HWND window, HICON icon, bool add);

}  // namespace zelkova
