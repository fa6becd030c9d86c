#pragma once

#include "jump/EditorAutomation.h"
#include "jump/KeyJumpRequest.h"

namespace zelkova {

inline constexpr const char* kEditorWindowClass = "RegEdit_RegEdit";
inline constexpr const char* kTreePaneClass = "SysTreeView32";
inline constexpr const char* kListPaneClass = "SysListView32";
inline constexpr const char* kEditorFile = "regedit.exe";
inline constexpr std::uint32_t kEditorIdleWaitMs = 200;
inline constexpr int kCollapseLeftArrows = 30;
inline constexpr std::uint32_t kArrowPauseMs = 10;
// A newly started editor may take longer than the idle wait to show its window; it is
// looked for again at this interval until this much time has passed or it has exited.
inline constexpr std::uint32_t kEditorPollIntervalMs = 20;
inline constexpr std::uint32_t kEditorPollLimitMs = 5000;

// Brings the Registry Editor forward (starting it if needed) and types its way to the key
// and value; an editor that offers its items for selection (Wine's) has them selected instead.
// Reports nothing; returns when the last keystroke has been handled, or as soon as the editor
// leaves one call unanswered for kEditorReplyLimitMs.
void NavigateRegistryEditor(const KeyJumpRequest& request, EditorAutomation& editor);

}  // namespace zelkova
