#pragma once

#include "jump/EditorItemSelection.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelkova::testing {

// An editor's panes as Wine's editor keeps them: a top item whose children show only once it
// has been expanded, items in the order they were added, and a list of the selected key's
// values. Records what was done to it, with items written as their paths.
class FakeEditorTree : public EditorItemSelection {
public:
    FakeEditorTree();

    // Adds every missing key of a backslash-separated path below the top, in order.
    TreeItemRef AddKey(std::string_view path);
    void AddValues(std::string_view keyPath, std::vector<std::string> names);
    TreeItemRef Find(std::string_view path) const;  // exact names; 0 when missing
    std::string PathOf(TreeItemRef item) const;     // "" for the top
    bool IsExpanded(std::string_view path) const;
    // Puts the editor where a user left it: the path expanded down to the key, and selected.
    void LeaveAt(std::string_view path);

    int ChecksUntilReady = 0;  // checks that answer Waiting first
    bool NeverReady = false;
    bool Unusable = false;

    std::vector<std::string> Calls;
    std::optional<std::size_t> SelectedValue;
    int NamesRead = 0;
    std::size_t ShortestNameLength = SIZE_MAX;  // the least nameLength a visit asked for
    std::uint32_t SleptMs = 0;
    int Checks = 0;

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
    void VisitChildren(TreeItemRef parent, std::size_t nameLength, const ChildVisitor& visit) override;
    void VisitValues(std::size_t nameLength, const ValueVisitor& visit) override;
    void SelectValue(std::size_t index) override;
    void ClearValueSelection() override;

    std::string Selected() const { return PathOf(selected_); }

private:
    struct Item {
        std::string name;
        TreeItemRef parent;
        std::vector<TreeItemRef> children;
        bool expanded = false;
        std::vector<std::string> values;
    };
    Item& At(TreeItemRef item) { return items_.at(item - 1); }
    const Item& At(TreeItemRef item) const { return items_.at(item - 1); }
    std::string Describe(TreeItemRef item) const;

    std::vector<Item> items_;
    TreeItemRef selected_ = 1;
};

}  // namespace zelkova::testing
