#include "support/RecordingEditor.h"

#include "jump/EditorNavigation.h"

#include <cstdio>
#include <sstream>

namespace zelkova::testing {
namespace {

std::string Hex(std::uintptr_t v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%llx", static_cast<unsigned long long>(v));
    return buffer;
}

std::string Name(WindowRef w) {
    switch (w) {
        case RecordingEditor::kEditor: return "editor";
        case RecordingEditor::kTree: return "tree";
        case RecordingEditor::kList: return "list";
        default: return "window " + Hex(w);
    }
}

std::string Message(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    std::string text = message == kWmKeyDown ? "key " : message == kWmChar ? "char " : "msg " + Hex(message) + " ";
    text += Hex(wParam);
    if (lParam != 0) text += " lParam " + Hex(static_cast<std::uintptr_t>(lParam));
    return text;
}

}  // namespace

WindowRef RecordingEditor::FindTopLevelWindow(const char* className) {
    Calls.push_back(std::string("FindWindow ") + className);
    ++Looks;
    if (Running) return kEditor;
    if (!started_) return 0;
    ++looksSinceStart_;
    if (WindowAppearsOnLook > 0 && looksSinceStart_ >= WindowAppearsOnLook) {
        Running = true;
        return kEditor;
    }
    return 0;
}

ProcessRef RecordingEditor::StartProcess(const EditorStartRecord& record) {
    Calls.push_back(std::string("ShellExecuteEx ") + record.Verb + " " + record.File);
    LastStart = record;
    started_ = true;
    return StartGivesProcess ? kProcess : 0;
}

void RecordingEditor::WaitForInputIdle(ProcessRef process, std::uint32_t milliseconds) {
    Calls.push_back("WaitForInputIdle " + Hex(process) + " " + std::to_string(milliseconds));
}

bool RecordingEditor::HasProcessExited(ProcessRef) {
    ++Polls;
    return ProcessExitsAfterPolls >= 0 && Polls > ProcessExitsAfterPolls;
}

void RecordingEditor::CloseProcess(ProcessRef process) {
    Calls.push_back("CloseProcess " + Hex(process));
    ++ProcessesClosed;
}

bool RecordingEditor::ShowWindow(WindowRef window, int command) {
    Calls.push_back("ShowWindow " + Name(window) + " " + std::to_string(command));
    return AnswersShow;
}

WindowRef RecordingEditor::FindChildWindow(WindowRef parent, const char* className) {
    Calls.push_back("FindChildWindow " + Name(parent) + " " + className);
    if (std::string(className) == "SysTreeView32") return HasTree ? kTree : 0;
    if (std::string(className) == "SysListView32") return HasList ? kList : 0;
    return 0;
}

void RecordingEditor::SetForegroundWindow(WindowRef window) {
    Calls.push_back("SetForegroundWindow " + Name(window));
}

bool RecordingEditor::SendWindowMessage(WindowRef window, std::uint32_t message, std::uintptr_t wParam,
                                        std::intptr_t lParam) {
    Calls.push_back(Name(window) + " " + Message(message, wParam, lParam));
    return MessagesAnswered < 0 || messagesSent_++ < MessagesAnswered;
}

void RecordingEditor::Sleep(std::uint32_t milliseconds) {
    // Polling sleeps are counted, not listed, so that sequences stay readable.
    SleptMs += milliseconds;
    if (milliseconds != 20) Calls.push_back("Sleep " + std::to_string(milliseconds));
}

std::vector<std::string> PaneMessagesIn(const std::vector<std::string>& lines) {
    std::vector<std::string> messages;
    for (const std::string& line : lines)
        if (line.rfind("tree ", 0) == 0 || line.rfind("list ", 0) == 0) messages.push_back(line);
    return messages;
}

std::vector<std::string> PaneMessagesInLog(const std::string& log) {
    std::vector<std::string> lines;
    std::istringstream in(log);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return PaneMessagesIn(lines);
}

std::vector<std::string> ExpectedPaneMessages(const KeyJumpRequest& request) {
    RecordingEditor recorder;
    NavigateRegistryEditor(request, recorder);
    return PaneMessagesIn(recorder.Calls);
}

std::vector<std::string> ExpectedTyping(const std::string& pane, const std::string& text) {
    std::vector<std::string> calls;
    for (char c : text) {
        if (c == '\\' && pane == "tree") {
            calls.push_back(pane + " key 27");
            calls.push_back("Sleep 10");
        } else {
            calls.push_back(pane + " char " + Hex(static_cast<unsigned char>(c)));
        }
    }
    return calls;
}

}  // namespace zelkova::testing
