#pragma once

#include "jump/EditorAutomation.h"

namespace zelkova {

// The navigation's platform calls, made on the real windows of the Registry Editor.
class WinEditorAutomation : public EditorAutomation {
public:
    WindowRef FindTopLevelWindow(const char* className) override;
    ProcessRef StartProcess(const EditorStartRecord& record) override;
    void WaitForInputIdle(ProcessRef process, std::uint32_t milliseconds) override;
    bool HasProcessExited(ProcessRef process) override;
    void CloseProcess(ProcessRef process) override;
    bool ShowWindow(WindowRef window, int command) override;
    WindowRef FindChildWindow(WindowRef parent, const char* className) override;
    void SetForegroundWindow(WindowRef window) override;
    bool SendWindowMessage(WindowRef window, std::uint32_t message, std::uintptr_t wParam,
                           std::intptr_t lParam) override;
    void Sleep(std::uint32_t milliseconds) override;
    std::unique_ptr<EditorItemSelection> OpenItemSelection(WindowRef editor) override;
};

}  // namespace zelkova
