#pragma once

#include "support/WinProcess_win.h"

#include <string>
#include <vector>

namespace zelkova::testing {

// Zelkova.exe started by a test and driven through its windows, as a user would.
class ZelkovaApp {
public:
    ZelkovaApp();
    bool Started() const { return main_ != nullptr; }
    HWND Main() const { return main_; }
    DWORD ProcessId() const { return process_.Id(); }

    HWND JumpField() const;
    HWND JumpButton() const;
    void SetJumpText(const std::string& text) const;
    // A left click at the centre of a control, posted so that a modal box it opens cannot
    // block the test.
    static void Click(HWND control);

    // A message box of the program, or null when none appears within the time.
    HWND WaitForMessageBox(std::chrono::milliseconds limit = std::chrono::seconds(10)) const;
    static std::string MessageBoxText(HWND box);
    static void CloseMessageBox(HWND box);

private:
    ChildProcess process_;
    HWND main_ = nullptr;
};

// Every descendant of `parent` of the class, in Z order, depth first.
std::vector<HWND> FindDescendants(HWND parent, const char* className);

}  // namespace zelkova::testing
