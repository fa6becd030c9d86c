#include "gui/TaskWindows.h"

namespace zelkova {

DisabledTaskWindows::DisabledTaskWindows(HWND except) : except_(except) {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM self) -> BOOL {
            auto* guard = reinterpret_cast<DisabledTaskWindows*>(self);
            if (window != guard->except_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
                guard->disabled_.push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
    for (HWND window : disabled_) EnableWindow(window, FALSE);
}

DisabledTaskWindows::~DisabledTaskWindows() {
    for (HWND window : disabled_) {
        if (IsWindow(window)) EnableWindow(window, TRUE);
    }
}

}  // namespace zelkova
