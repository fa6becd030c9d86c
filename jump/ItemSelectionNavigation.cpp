#include "jump/ItemSelectionNavigation.h"

#include "jump/TypeAhead.h"
#include "jump/TypedPath.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace zelkova {
namespace {

// Registry keys nest at most 512 deep; a parent chain longer than that is not a tree.
constexpr int kMaxTreeDepth = 520;

bool WaitForPanes(EditorItemSelection& panes) {
    for (std::uint32_t waited = 0;; waited += kPanesPollIntervalMs) {
        switch (panes.CheckPanes()) {
            case PanesState::Ready: return true;
            case PanesState::Unusable: return false;
            case PanesState::Waiting: break;
        }
        if (waited >= kPanesPollLimitMs) return false;
        panes.Sleep(kPanesPollIntervalMs);
    }
}

std::optional<TreeItemRef> ChildTypedTo(EditorItemSelection& panes, TreeItemRef parent,
                                        std::string_view name) {
    TypeAheadSearch search(name);
    std::vector<TreeItemRef> offered;
    panes.VisitChildren(parent, name.size(), [&](TreeItemRef child, std::string_view childName) {
        offered.push_back(child);
        return !search.Offer(childName);
    });
    const std::optional<std::size_t> choice = search.Choice();
    if (!choice || *choice >= offered.size()) return std::nullopt;
    return offered[*choice];
}

// The left arrows of the Windows sequence close the branch of the key the editor was left
// at, up to the top; the keys then typed open again. Closing only what stays closed keeps
// the new selection where it is.
void CloseAbandonedBranch(EditorItemSelection& panes, TreeItemRef previous,
                          const std::vector<TreeItemRef>& expanded) {
    TreeItemRef item = previous;
    for (int depth = 0; item && depth < kMaxTreeDepth; ++depth) {
        if (std::find(expanded.begin(), expanded.end(), item) == expanded.end())
            panes.Collapse(item);
        item = panes.ParentItem(item);
    }
}

void SelectValueTypedTo(EditorItemSelection& panes, std::string_view name) {
    TypeAheadSearch search(name);
    panes.VisitValues(name.size(),
                      [&](std::string_view valueName) { return !search.Offer(valueName); });
    // With nothing matching, the down arrow alone would have selected the first entry.
    panes.SelectValue(search.Choice().value_or(0));
}

}  // namespace

void SelectKeyAndValue(const KeyJumpRequest& request, EditorItemSelection& panes) {
    if (!WaitForPanes(panes)) return;
    panes.FocusTree();
    const TreeItemRef previous = panes.SelectedItem();
    TreeItemRef item = panes.TopItem();
    if (!item) return;

    std::vector<TreeItemRef> expanded;
    const auto expand = [&](TreeItemRef key) {
        panes.Expand(key);
        expanded.push_back(key);
    };
    // Keystroke for keystroke: the top opens, each backslash opens the key reached so far,
    // and each name between backslashes is looked for among the children just opened.
    expand(item);
    const std::string typed = TypedPath(request);
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(typed.find('\\', start), typed.size());
        const std::string_view name = std::string_view(typed).substr(start, end - start);
        if (!name.empty())
            if (const std::optional<TreeItemRef> child = ChildTypedTo(panes, item, name))
                item = *child;
        if (end == typed.size()) break;
        expand(item);
        start = end + 1;
    }
    panes.SelectItem(item);
    CloseAbandonedBranch(panes, previous, expanded);

    // The pane with the focus is the one whose selection shows: the list takes it only for a
    // value, so that a key stays seen selected. Typing moves the tree's selection even when
    // it ends where it started, which empties the list's; selecting does not, so a value
    // chosen by an earlier jump to the same key would stay selected.
    if (request.ValueName.empty()) {
        panes.ClearValueSelection();
        return;
    }
    panes.FocusList();
    SelectValueTypedTo(panes, request.ValueName);
}

}  // namespace zelkova
