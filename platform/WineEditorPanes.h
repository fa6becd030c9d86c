#pragma once

#include "jump/EditorAutomation.h"
#include "jump/EditorItemSelection.h"
#include "platform/RemoteMemory.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace zelkova {

// Wine's Registry Editor, driven through its tree-view and list-view controls. Its panes sit
// inside a child window, so they are looked for among all descendants. Item texts are read
// through records placed in the editor's memory, many items per round trip. Every message
// waits for the editor at most kEditorReplyLimitMs; after one that did not come back, the
// panes are unusable and nothing more is sent.
class WineEditorPanes : public EditorItemSelection {
public:
    explicit WineEditorPanes(HWND editor) : editor_(editor) {}

    PanesState CheckPanes() override;
    void Sleep(std::uint32_t milliseconds) override;
    void FocusTree() override;
    void FocusList() override;
    TreeItemRef TopItem() override;
    TreeItemRef SelectedItem() override;
    TreeItemRef ParentItem(TreeItemRef item) override;
    void Expand(TreeItemRef item) override;
    void Collapse(TreeItemRef item) override;
    void SelectItem(TreeItemRef item) override;
    void VisitChildren(TreeItemRef parent, std::size_t nameLength,
                       const ChildVisitor& visit) override;
    void VisitValues(std::size_t nameLength, const ValueVisitor& visit) override;
    void SelectValue(std::size_t index) override;
    void ClearValueSelection() override;

private:
    struct TextBatch {
        std::size_t count;
        std::size_t recordSize;  // a multiple of 8, so that every record stays aligned
        std::size_t capacity;    // bytes of text per item
        std::function<RecordBytes(std::size_t index, std::uint64_t textAddress)> record;
        std::function<void(std::size_t index, std::uint64_t recordAddress)> ask;
        std::optional<std::uint64_t> (*textPointer)(std::span<const std::uint8_t>, PointerWidth);
    };
    std::vector<std::string> ReadTexts(const TextBatch& batch);
    std::string ReadMovedText(std::uint64_t address, std::size_t capacity);
    std::size_t BatchLimit(std::size_t recordSize, std::size_t capacity) const;
    LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Tree(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT List(UINT message, WPARAM wParam, LPARAM lParam);
    void BringForward(HWND pane);

    HWND editor_;
    HWND tree_ = nullptr;
    HWND list_ = nullptr;
    OwnedProcess process_;
    PointerWidth width_ = PointerWidth::Bits64;
    RemoteAllocation scratch_;  // declared after the process handle it borrows
    bool stopped_ = false;      // the editor left a message unanswered for kEditorReplyLimitMs
};

}  // namespace zelkova
