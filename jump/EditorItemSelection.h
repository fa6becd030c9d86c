#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>

namespace zelkova {

// An item of the editor's tree pane, as the pane names it; 0 is none.
using TreeItemRef = std::uintptr_t;

// A newly started editor shows its window before its panes hold anything; they are looked at
// this often, for at most this long, before a jump gives up.
inline constexpr std::uint32_t kPanesPollIntervalMs = 10;
inline constexpr std::uint32_t kPanesPollLimitMs = 5000;

enum class PanesState {
    Waiting,  // panes or root keys not there yet
    Ready,
    Unusable,  // the editor went away, or its items cannot be read
};

// The editor's panes driven by selecting their items (tree-view and list-view messages)
// instead of by keystrokes. Wine's editor needs this: its panes ignore the characters that
// the Windows editor's panes take, and type-ahead there can neither wait less than half a
// second between names nor type a blank.
class EditorItemSelection {
public:
    virtual ~EditorItemSelection() = default;

    virtual PanesState CheckPanes() = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;

    // Brings the editor forward with the keyboard focus in that pane.
    virtual void FocusTree() = 0;
    virtual void FocusList() = 0;

    virtual TreeItemRef TopItem() = 0;
    virtual TreeItemRef SelectedItem() = 0;
    virtual TreeItemRef ParentItem(TreeItemRef item) = 0;
    // As a right arrow does, this lets the editor fill in the key's subkeys.
    virtual void Expand(TreeItemRef item) = 0;
    virtual void Collapse(TreeItemRef item) = 0;
    virtual void SelectItem(TreeItemRef item) = 0;

    // Visits the item's children in the pane's order until `visit` returns false. A name may
    // be cut after `nameLength` characters: the type-ahead never looks further.
    using ChildVisitor = std::function<bool(TreeItemRef child, std::string_view name)>;
    virtual void VisitChildren(TreeItemRef parent, std::size_t nameLength,
                               const ChildVisitor& visit) = 0;

    // The same for the value names in the list pane.
    using ValueVisitor = std::function<bool(std::string_view name)>;
    virtual void VisitValues(std::size_t nameLength, const ValueVisitor& visit) = 0;
    virtual void SelectValue(std::size_t index) = 0;
    // Leaves no value selected, as the list is whenever the tree's selection has moved.
    virtual void ClearValueSelection() = 0;
};

}  // namespace zelkova
