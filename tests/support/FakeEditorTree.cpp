#include "support/FakeEditorTree.h"

namespace zelkova::testing {

FakeEditorTree::FakeEditorTree() { items_.push_back({"My Computer", 0, {}, true, {}}); }

TreeItemRef FakeEditorTree::AddKey(std::string_view path) {
    TreeItemRef item = 1;
    std::size_t start = 0;
    while (start <= path.size()) {
        const std::size_t end = std::min(path.find('\\', start), path.size());
        const std::string name(path.substr(start, end - start));
        TreeItemRef found = 0;
        for (TreeItemRef child : At(item).children)
            if (At(child).name == name) found = child;
        if (!found) {
            items_.push_back({name, item, {}, false, {}});
            found = items_.size();
            At(item).children.push_back(found);
        }
        item = found;
        start = end + 1;
    }
    return item;
}

void FakeEditorTree::AddValues(std::string_view keyPath, std::vector<std::string> names) {
    At(AddKey(keyPath)).values = std::move(names);
}

TreeItemRef FakeEditorTree::Find(std::string_view path) const {
    for (TreeItemRef item = 1; item <= items_.size(); ++item)
        if (PathOf(item) == path) return item;
    return 0;
}

std::string FakeEditorTree::PathOf(TreeItemRef item) const {
    std::string path;
    for (; item > 1; item = At(item).parent) path = At(item).name + (path.empty() ? "" : "\\") + path;
    return path;
}

bool FakeEditorTree::IsExpanded(std::string_view path) const {
    const TreeItemRef item = path.empty() ? 1 : Find(path);
    return item && At(item).expanded;
}

void FakeEditorTree::LeaveAt(std::string_view path) {
    selected_ = Find(path);
    for (TreeItemRef item = At(selected_).parent; item; item = At(item).parent) At(item).expanded = true;
}

std::string FakeEditorTree::Describe(TreeItemRef item) const {
    if (item == 0 || item > items_.size()) return "<bad item>";
    return item == 1 ? "<top>" : PathOf(item);
}

PanesState FakeEditorTree::CheckPanes() {
    ++Checks;
    if (Unusable) return PanesState::Unusable;
    if (NeverReady || Checks <= ChecksUntilReady) return PanesState::Waiting;
    return PanesState::Ready;
}

void FakeEditorTree::Sleep(std::uint32_t milliseconds) { SleptMs += milliseconds; }
void FakeEditorTree::FocusTree() { Calls.push_back("FocusTree"); }
void FakeEditorTree::FocusList() { Calls.push_back("FocusList"); }
TreeItemRef FakeEditorTree::TopItem() { return 1; }
TreeItemRef FakeEditorTree::SelectedItem() { return selected_; }

TreeItemRef FakeEditorTree::ParentItem(TreeItemRef item) {
    return item >= 1 && item <= items_.size() ? At(item).parent : 0;
}

void FakeEditorTree::Expand(TreeItemRef item) {
    Calls.push_back("Expand " + Describe(item));
    if (item >= 1 && item <= items_.size()) At(item).expanded = true;
}

void FakeEditorTree::Collapse(TreeItemRef item) {
    Calls.push_back("Collapse " + Describe(item));
    if (item >= 1 && item <= items_.size()) At(item).expanded = false;
}

void FakeEditorTree::SelectItem(TreeItemRef item) {
    Calls.push_back("Select " + Describe(item));
    selected_ = item;
    SelectedValue.reset();
}

// Children show only under an item the editor has been asked to expand, and each name comes
// cut to the length asked for, so the navigation cannot lean on more than it asked.
void FakeEditorTree::VisitChildren(TreeItemRef parent, std::size_t nameLength, const ChildVisitor& visit) {
    ShortestNameLength = std::min(ShortestNameLength, nameLength);
    if (parent == 0 || parent > items_.size() || !At(parent).expanded) return;
    for (TreeItemRef child : At(parent).children) {
        ++NamesRead;
        if (!visit(child, std::string_view(At(child).name).substr(0, nameLength))) return;
    }
}

void FakeEditorTree::VisitValues(std::size_t nameLength, const ValueVisitor& visit) {
    ShortestNameLength = std::min(ShortestNameLength, nameLength);
    for (const std::string& name : At(selected_).values) {
        ++NamesRead;
        if (!visit(std::string_view(name).substr(0, nameLength))) return;
    }
}

void FakeEditorTree::ClearValueSelection() {
    Calls.push_back("ClearValueSelection");
    SelectedValue.reset();
}

void FakeEditorTree::SelectValue(std::size_t index) {
    Calls.push_back("SelectValue " + std::to_string(index));
    SelectedValue = index;
}

}  // namespace zelkova::testing
