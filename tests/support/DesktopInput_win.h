// The X desktop that Wine draws on, driven from a test as a user's hands drive it: real pointer
// and key input, and the window manager's own iconify, through xdotool. Wine starts a Unix
// program from CreateProcess, so a test program can run it directly. Input made so goes where
// the X server sends it (to the window the manager focused), unlike messages posted to a window.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zelkova::testing {

// Whether xdotool can be run here (not on Windows, not without the tool).
bool DesktopInputAvailable();

// Runs xdotool with the arguments and waits for it; true when it ended with success.
bool RunDesktopTool(const std::string& arguments);

// A press and release of the button at a point of the screen (1 left, 3 right).
bool ClickAt(POINT screen, int button = 1);
// The centre of a window, clicked.
bool ClickOn(HWND window, int button = 1);
// Key combinations as xdotool names them ("alt+b", "Return"), one after the other.
bool PressKeys(const std::string& keys);
// Letters and digits typed one by one (no quote among them).
bool TypeText(const std::string& text);

// The X window of a top-level window, as Wine keeps it in the window's properties; 0 if none.
unsigned long XWindowOf(HWND window);
// The X window with the keyboard focus, which the X server sends typed keys to; 0 if unknown.
unsigned long FocusedXWindow();
// Asks the window manager to iconify the window, as its title-bar button does.
bool IconifyThroughWindowManager(HWND window);
// Minimises a window as a user does, through the window manager, and waits until Wine counts it
// minimised (asking again while the manager does not manage the window yet). A minimise by
// ShowWindow has Wine ask the manager after the fact, and the manager's late answer can minimise
// the window once more after a restore that came quickly.
bool MinimiseThroughWindowManager(HWND window);

// The icons of Wine's own notification area that show now; Wine shows them in a window of its
// own when no desktop panel holds them.
std::vector<HWND> VisibleTrayIcons();

}  // namespace zelkova::testing
