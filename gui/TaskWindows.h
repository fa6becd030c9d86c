// Disables every visible, enabled top-level window of this thread for one scope (what a modal
// form or message box does to the rest of the application) and enables them again after. Throws
// when the windows cannot be listed; none is disabled then. And which of the application's
// windows the focus belongs to.
#pragma once

#include <windows.h>

#include <vector>

namespace zelkova {

class DisabledTaskWindows {
public:
    // `except` stays enabled (the modal window itself); may be null.
    explicit DisabledTaskWindows(HWND except);
    ~DisabledTaskWindows();
    DisabledTaskWindows(const DisabledTaskWindows&) = delete;
    DisabledTaskWindows& operator=(const DisabledTaskWindows&) = delete;

private:
    HWND except_;
    std::vector<HWND> disabled_;
};

// The top-most visible, enabled window that `owner` owns: where the focus belongs when the owner
// itself receives it. Null when there is none.
HWND TopOwnedWindow(HWND owner);

}  // namespace zelkova
