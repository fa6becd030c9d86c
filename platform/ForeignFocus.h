#pragma once

#include <windows.h>

namespace zelkova {

// Gives the keyboard focus to a window of another thread, as SetFocus from a thread that shares
// its input state would. SetFocus sends the window's thread the focus messages and waits for
// them without limit; this waits at most `limitMs`, and returns false when that thread has not
// taken the focus by then.
bool FocusOtherThreadsWindow(HWND window, DWORD limitMs);

}  // namespace zelkova
