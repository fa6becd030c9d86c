#include "platform/WinEditorAutomation.h"

#include "jump/EditorNavigation.h"
#include "platform/WineDetection.h"
#include "platform/WineEditorPanes.h"

#include <windows.h>
#include <shellapi.h>

namespace zelkova {
namespace {

HWND Hwnd(WindowRef window) { return reinterpret_cast<HWND>(window); }
WindowRef Ref(HWND window) { return reinterpret_cast<WindowRef>(window); }
HANDLE Handle(ProcessRef process) { return reinterpret_cast<HANDLE>(process); }

// SMTO_ABORTIFHUNG returns at once from a thread the system already counts as hung, rather
// than waiting out the whole limit.
bool AnswersInTime(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                                 kEditorReplyLimitMs, &result) != 0;
}

}  // namespace

WindowRef WinEditorAutomation::FindTopLevelWindow(const char* className) {
    return Ref(::FindWindowA(className, nullptr));
}

ProcessRef WinEditorAutomation::StartProcess(const EditorStartRecord& record) {
    SHELLEXECUTEINFOA info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof info;
    info.fMask = record.Mask;
    info.hwnd = nullptr;
    info.lpVerb = record.Verb;
    info.lpFile = record.File;
    info.lpParameters = nullptr;
    info.lpDirectory = nullptr;
    info.nShow = record.Show;
    ::ShellExecuteExA(&info);
    return reinterpret_cast<ProcessRef>(info.hProcess);
}

void WinEditorAutomation::WaitForInputIdle(ProcessRef process, std::uint32_t milliseconds) {
    ::WaitForInputIdle(Handle(process), milliseconds);
}

bool WinEditorAutomation::HasProcessExited(ProcessRef process) {
    return ::WaitForSingleObject(Handle(process), 0) == WAIT_OBJECT_0;
}

void WinEditorAutomation::CloseProcess(ProcessRef process) { ::CloseHandle(Handle(process)); }

// ShowWindow on another process's window is sent to that window's thread and waits for it
// without limit. So the editor is first asked for a reply it must give within the limit, and
// only then shown, by ShowWindowAsync, which waits for nothing: an editor that freezes just
// after answering still cannot hold us, and a live one shows itself as soon as it next looks
// at its queue.
bool WinEditorAutomation::ShowWindow(WindowRef window, int command) {
    if (!AnswersInTime(Hwnd(window), WM_NULL, 0, 0)) return false;
    ::ShowWindowAsync(Hwnd(window), command);
    return true;
}

WindowRef WinEditorAutomation::FindChildWindow(WindowRef parent, const char* className) {
    return Ref(::FindWindowExA(Hwnd(parent), nullptr, className, nullptr));
}

void WinEditorAutomation::SetForegroundWindow(WindowRef window) {
    ::SetForegroundWindow(Hwnd(window));
}

bool WinEditorAutomation::SendWindowMessage(WindowRef window, std::uint32_t message,
                                            std::uintptr_t wParam, std::intptr_t lParam) {
    return AnswersInTime(Hwnd(window), message, wParam, lParam);
}

void WinEditorAutomation::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

// Under Wine the panes of Wine's own editor, laid out one level down, ignore the typed
// characters. An editor with its panes where Windows puts them is typed to as on Windows.
std::unique_ptr<EditorItemSelection> WinEditorAutomation::OpenItemSelection(WindowRef editor) {
    if (!RunsUnderWine() || ::FindWindowExA(Hwnd(editor), nullptr, kTreePaneClass, nullptr))
        return nullptr;
    return std::make_unique<WineEditorPanes>(Hwnd(editor));
}

}  // namespace zelkova
