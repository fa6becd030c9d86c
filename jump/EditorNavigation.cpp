#include "jump/EditorNavigation.h"

#include "base/UniqueHandle.h"
#include "jump/ItemSelectionNavigation.h"
#include "jump/TypedPath.h"

namespace zelkova {
namespace {

bool SendKey(EditorAutomation& editor, WindowRef pane, std::uintptr_t virtualKey) {
    return editor.SendWindowMessage(pane, kWmKeyDown, virtualKey, 0);
}

// The byte value, zero-extended: characters above 0x7F must not turn into huge wParams.
bool SendChar(EditorAutomation& editor, WindowRef pane, char c) {
    return editor.SendWindowMessage(pane, kWmChar, static_cast<unsigned char>(c), 0);
}

// The started editor's process handle, given back to the platform when the start is over.
struct StartedProcessTraits {
    using Handle = ProcessRef;
    EditorAutomation* editor = nullptr;
    void Close(ProcessRef process) const noexcept { editor->CloseProcess(process); }
};

WindowRef StartEditor(EditorAutomation& editor) {
    const EditorStartRecord record{kSeeMaskNoCloseProcess, "open", kEditorFile, kSwShowNormal};
    const UniqueHandle<StartedProcessTraits> started(editor.StartProcess(record), {&editor});
    const ProcessRef process = started.get();
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
    return window;
}

// Each step returns false as soon as the editor fails to answer one message in time, so
// that an editor that stopped answering costs one reply limit, not one per keystroke.
bool TypePathIntoTree(EditorAutomation& editor, WindowRef tree, const std::string& typed) {
    editor.SetForegroundWindow(tree);
    for (int i = 0; i < kCollapseLeftArrows; ++i)
        if (!SendKey(editor, tree, kVkLeft)) return false;
    editor.Sleep(kArrowPauseMs);
    if (!SendKey(editor, tree, kVkRight)) return false;
    editor.Sleep(kArrowPauseMs);
    for (char c : typed) {
        if (c == '\\') {
            if (!SendKey(editor, tree, kVkRight)) return false;
            editor.Sleep(kArrowPauseMs);
        } else if (!SendChar(editor, tree, c)) {
            return false;
        }
    }
    return true;
}

void TypeValueIntoList(EditorAutomation& editor, WindowRef list, const std::string& valueName) {
    editor.SetForegroundWindow(list);
    if (valueName.empty()) return;
    if (!SendKey(editor, list, kVkDown)) return;
    editor.Sleep(kArrowPauseMs);
    for (char c : valueName)
        if (!SendChar(editor, list, c)) return;
}

}  // namespace

void NavigateRegistryEditor(const KeyJumpRequest& request, EditorAutomation& editor) {
    if (request.KeyPath.empty()) return;
    const std::string typed = TypedPath(request);

    WindowRef window = editor.FindTopLevelWindow(kEditorWindowClass);
    if (!window) window = StartEditor(editor);
    if (!window || !editor.ShowWindow(window, kSwShowNormal)) return;

    if (const std::unique_ptr<EditorItemSelection> panes = editor.OpenItemSelection(window)) {
        SelectKeyAndValue(request, *panes);
        return;
    }

    if (const WindowRef tree = editor.FindChildWindow(window, kTreePaneClass))
        if (!TypePathIntoTree(editor, tree, typed)) return;
    if (const WindowRef list = editor.FindChildWindow(window, kListPaneClass))
        TypeValueIntoList(editor, list, request.ValueName);
}

}  // namespace zelkova
