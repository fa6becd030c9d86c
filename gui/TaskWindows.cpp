#include "gui/TaskWindows.h"

#include "gui/WindowEnumeration.h"

namespace zelkova {

// Nothing is disabled before the whole list is known: a failure while collecting it (out of
// memory) leaves every window as it was.
DisabledTaskWindows::DisabledTaskWindows(HWND except) : except_(except) {
    ForEachThreadWindow(GetCurrentThreadId(), [this](HWND window) {
        if (window != except_ && IsWindowVisible(window) && IsWindowEnabled(window))
            disabled_.push_back(window);
        return true;
    });
    for (HWND window : disabled_) EnableWindow(window, FALSE);
}

DisabledTaskWindows::~DisabledTaskWindows() {
    for (HWND window : disabled_) {
        if (IsWindow(window)) EnableWindow(window, TRUE);
    }
}

HWND TopOwnedWindow(HWND owner) {
    for (HWND window = GetTopWindow(nullptr); window != nullptr;
         window = GetWindow(window, GW_HWNDNEXT)) {
        if (GetWindow(window, GW_OWNER) == owner && IsWindowVisible(window) &&
            IsWindowEnabled(window))
            return window;
    }
    return nullptr;
}

}  // namespace zelkova
