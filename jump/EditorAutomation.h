#pragma once

#include "jump/EditorItemSelection.h"

#include <cstdint>
#include <memory>
#include <string>

namespace zelkova {

// Opaque handles of the editor's windows and process, as the platform gives them.
using WindowRef = std::uintptr_t;
using ProcessRef = std::uintptr_t;

// What the shell is asked to start when no editor window exists (the fields of the start
// record that are set; everything else stays zero).
struct EditorStartRecord {
    std::uint32_t Mask;  // SEE_MASK_NOCLOSEPROCESS, so that the process handle comes back
    const char* Verb;
    const char* File;
    int Show;  // SW_SHOWNORMAL
};

inline constexpr std::uint32_t kSeeMaskNoCloseProcess = 0x40;
inline constexpr int kSwShowNormal = 1;
inline constexpr std::uint32_t kWmKeyDown = 0x0100;
inline constexpr std::uint32_t kWmChar = 0x0102;
inline constexpr std::uintptr_t kVkLeft = 0x25;
inline constexpr std::uintptr_t kVkRight = 0x27;
inline constexpr std::uintptr_t kVkDown = 0x28;

// The longest the editor may take to answer one call that waits for it. An editor that has
// stopped answering (hung, or held in a debugger) would otherwise hold our only thread for
// good. An editor still busy after this long with one message (filling in a vast key, say)
// is taken for stopped too: the jump ends early rather than freezing us.
inline constexpr std::uint32_t kEditorReplyLimitMs = 3000;

// The platform operations the navigation needs; the Windows build calls the Win32
// functions of the same names. The two that wait for the editor give up after
// kEditorReplyLimitMs and then return false, and the navigation ends there.
class EditorAutomation {
public:
    virtual ~EditorAutomation() = default;
    virtual WindowRef FindTopLevelWindow(const char* className) = 0;
    // Returns the started process, or 0 when the shell gave none.
    virtual ProcessRef StartProcess(const EditorStartRecord& record) = 0;
    virtual void WaitForInputIdle(ProcessRef process, std::uint32_t milliseconds) = 0;
    virtual bool HasProcessExited(ProcessRef process) = 0;
    virtual void CloseProcess(ProcessRef process) = 0;
    virtual bool ShowWindow(WindowRef window, int command) = 0;
    virtual WindowRef FindChildWindow(WindowRef parent, const char* className) = 0;
    virtual void SetForegroundWindow(WindowRef window) = 0;
    virtual bool SendWindowMessage(WindowRef window, std::uint32_t message, std::uintptr_t wParam,
                                   std::intptr_t lParam) = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;

    // An editor whose panes ignore typed characters offers its items for direct selection;
    // the Windows editor offers none and is typed to.
    virtual std::unique_ptr<EditorItemSelection> OpenItemSelection(WindowRef /*editor*/) {
        return nullptr;
    }
};

}  // namespace zelkova
