#include "jump/EditorNavigation.h"

#include "jump/ItemSelectionNavigation.h"

namespace zelkova {
namespace {

void SendKey(EditorAutomation& editor, WindowRef pane, std::uintptr_t virtualKey) {
    editor.SendWindowMessage(pane, kWmKeyDown, virtualKey, 0);
}

// The byte value, zero-extended: characters above 0x7F must not turn into huge wParams.
void SendChar(EditorAutomation& editor, WindowRef pane, char c) {
    editor.SendWindowMessage(pane, kWmChar, static_cast<unsigned char>(c), 0);
}

WindowRef StartEditor(EditorAutomation& editor) {
    const EditorStartRecord record{kSeeMaskNoCloseProcess, "open", kEditorFile, kSwShowNormal};
    const ProcessRef process = editor.StartProcess(record);
    editor.WaitForInputIdle(process, kEditorIdleWaitMs);
    WindowRef window = editor.FindTopLevelWindow(kEditorWindowClass);
    // The editor often shows its window only after the idle wait; keep looking for a while
    // rather than dropping the first jump on the floor.
    for (std::uint32_t waited = 0; !window && process && waited < kEditorPollLimitMs;
         waited += kEditorPollIntervalMs) {
        if (editor.HasProcessExited(process)) break;
        editor.Sleep(kEditorPollIntervalMs);
        window = editor.FindTopLevelWindow(kEditorWindowClass);
    }
    if (process) editor.CloseProcess(process);
    return window;
}

}  // namespace

std::string TypedPath(const KeyJumpRequest& request) {
    std::string path = request.RootName;
    if (request.KeyPath.empty() || request.KeyPath.front() != '\\') path += '\\';
    path += request.KeyPath;
    return path;
}

void NavigateRegistryEditor(const KeyJumpRequest& request, EditorAutomation& editor) {
    if (request.KeyPath.empty()) return;
    const std::string typed = TypedPath(request);

    WindowRef window = editor.FindTopLevelWindow(kEditorWindowClass);
    if (!window) window = StartEditor(editor);
    if (!window) return;
    editor.ShowWindow(window, kSwShowNormal);

    if (const std::unique_ptr<EditorItemSelection> panes = editor.OpenItemSelection(window)) {
        SelectKeyAndValue(request, *panes);
        return;
    }

    if (const WindowRef tree = editor.FindChildWindow(window, kTreePaneClass)) {
        editor.SetForegroundWindow(tree);
        for (int i = 0; i < kCollapseLeftArrows; ++i) SendKey(editor, tree, kVkLeft);
        editor.Sleep(kArrowPauseMs);
        SendKey(editor, tree, kVkRight);
        editor.Sleep(kArrowPauseMs);
        for (char c : typed) {
            if (c == '\\') {
                SendKey(editor, tree, kVkRight);
                editor.Sleep(kArrowPauseMs);
            } else {
                SendChar(editor, tree, c);
            }
        }
    }

    if (const WindowRef list = editor.FindChildWindow(window, kListPaneClass)) {
        editor.SetForegroundWindow(list);
        if (!request.ValueName.empty()) {
            SendKey(editor, list, kVkDown);
            editor.Sleep(kArrowPauseMs);
            for (char c : request.ValueName) SendChar(editor, list, c);
        }
    }
}

}  // namespace zelkova
