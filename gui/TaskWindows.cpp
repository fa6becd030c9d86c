#include "gui/TaskWindows.h"

namespace zelkova {

namespace {
struct Collection {
    HWND except;
    std::vector<HWND>* windows;
};

// A named CALLBACK function rather than a lambda: 32-bit Windows calls it with stdcall.
BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM data) {
    auto* collection = reinterpret_cast<Collection*>(data);
    if (window != collection->except && IsWindowVisible(window) && IsWindowEnabled(window)) {
        collection->windows->push_back(window);
    }
    return TRUE;
}
}  // namespace

DisabledTaskWindows::DisabledTaskWindows(HWND except) : except_(except) {
    Collection collection{except_, &disabled_};
    EnumThreadWindows(GetCurrentThreadId(), CollectEnabledWindow,
                      reinterpret_cast<LPARAM>(&collection));
    for (HWND window : disabled_) EnableWindow(window, FALSE);
}

DisabledTaskWindows::~DisabledTaskWindows() {
    for (HWND window : disabled_) {
        if (IsWindow(window)) EnableWindow(window, TRUE);
    }
}

}  // namespace zelkova
