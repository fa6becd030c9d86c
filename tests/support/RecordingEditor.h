#pragma once

#include "jump/EditorAutomation.h"
#include "jump/KeyJumpRequest.h"

#include <string>
#include <vector>

namespace zelkova::testing {

// Records every platform call of the navigation as one line of text, and plays an editor
// whose window appears on the n-th look (0: never) and whose panes can be missing.
class RecordingEditor : public EditorAutomation {
public:
    static constexpr WindowRef kEditor = 0x100, kTree = 0x200, kList = 0x300;
    static constexpr ProcessRef kProcess = 0x900;

    bool Running = true;          // an editor window exists from the start
    int WindowAppearsOnLook = 1;  // after a start: the look that first finds it (0: never)
    int ProcessExitsAfterPolls = -1;
    bool HasTree = true, HasList = true;
    bool StartGivesProcess = true;
    // An editor that stops answering: the show request goes unanswered, or every message
    // after the first `MessagesAnswered` (-1: all are answered).
    bool AnswersShow = true;
    int MessagesAnswered = -1;

    std::vector<std::string> Calls;
    EditorStartRecord LastStart{};
    int Looks = 0, Polls = 0, ProcessesClosed = 0;
    std::uint32_t SleptMs = 0;

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

private:
    bool started_ = false;
    int looksSinceStart_ = 0;
    int messagesSent_ = 0;
};

// Only the pane messages ("tree ..." and "list ...") among recorded calls or the lines of a
// stand-in editor's log, which use the same notation.
std::vector<std::string> PaneMessagesIn(const std::vector<std::string>& lines);
std::vector<std::string> PaneMessagesInLog(const std::string& log);

// The pane messages a jump to `request` must deliver, in order.
std::vector<std::string> ExpectedPaneMessages(const KeyJumpRequest& request);

// The calls a jump makes to type `text` into a pane: WM_CHAR per byte, VK_RIGHT plus a
// sleep per backslash (tree pane only).
std::vector<std::string> ExpectedTyping(const std::string& pane, const std::string& text);

}  // namespace zelkova::testing
