// The system's window enumerations with a C++ visitor. The system calls back through its own
// frames, which an exception must never unwind: a visitor that throws stops the enumeration,
// and the exception is rethrown here once the system call has returned.
#pragma once

#include <windows.h>

#include <functional>

namespace zelkova {

// Returns false to stop the enumeration.
using WindowVisitor = std::function<bool(HWND)>;

// Every top-level window of a thread.
void ForEachThreadWindow(DWORD threadId, const WindowVisitor& visit);
// Every descendant of a window, depth first.
void ForEachChildWindow(HWND parent, const WindowVisitor& visit);

}  // namespace zelkova
