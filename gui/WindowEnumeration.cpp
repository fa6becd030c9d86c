#include "gui/WindowEnumeration.h"

#include <exception>

namespace zelkova {

namespace {

struct Enumeration {
    const WindowVisitor& visit;
    std::exception_ptr failure;
};

// A named CALLBACK function rather than a lambda: 32-bit Windows calls it with stdcall.
BOOL CALLBACK VisitWindow(HWND window, LPARAM data) noexcept {
    auto* enumeration = reinterpret_cast<Enumeration*>(data);
    try {
        return enumeration->visit(window) ? TRUE : FALSE;
    } catch (...) {
        enumeration->failure = std::current_exception();
        return FALSE;
    }
}

}  // namespace

void ForEachThreadWindow(DWORD threadId, const WindowVisitor& visit) {
    Enumeration enumeration{visit, nullptr};
    EnumThreadWindows(threadId, VisitWindow, reinterpret_cast<LPARAM>(&enumeration));
    if (enumeration.failure) std::rethrow_exception(enumeration.failure);
}

void ForEachChildWindow(HWND parent, const WindowVisitor& visit) {
    Enumeration enumeration{visit, nullptr};
    EnumChildWindows(parent, VisitWindow, reinterpret_cast<LPARAM>(&enumeration));
    if (enumeration.failure) std::rethrow_exception(enumeration.failure);
}

}  // namespace zelkova
