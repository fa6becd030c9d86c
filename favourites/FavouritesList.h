#pragma once

#include <string_view>
#include <vector>

#include "favourites/FavouriteEntry.h"

namespace zelkova {

// The ordered favourites with at most one selected entry. The order is the display order and
// the order of the settings file. Operations on the selection do nothing when the selection
// does not allow them, so a caller that skipped an enabling rule cannot corrupt the list.
class FavouritesList {
public:
    static constexpr int NoSelection = -1;

    int Count() const { return static_cast<int>(entries_.size()); }
    bool IsEmpty() const { return entries_.empty(); }
    const std::vector<FavouriteEntry>& Entries() const { return entries_; }
    const FavouriteEntry& At(int index) const { return entries_.at(static_cast<size_t>(index)); }

    int SelectedIndex() const { return selected_; }
    // The selected entry, or nullptr when none is.
    const FavouriteEntry* Selected() const;
    // Any index outside the list clears the selection.
    void Select(int index);

    // Appends without touching the selection (loading the settings file).
    void Append(FavouriteEntry entry);
    // The key entry dialog's Add: refused (false, nothing changes) when an entry already has the
    // same key text in any ASCII letter case; otherwise appended and selected.
    bool Add(FavouriteEntry entry);
    // Exact comparison after ASCII upper-casing: no trimming, so a trailing blank makes a
    // different key text.
    bool ContainsKeyText(std::string_view keyText) const;

    // Edit: the entry at index takes both texts; no duplicate test, selection unchanged.
    bool Replace(int index, FavouriteEntry entry);
    // Exchange the selected entry with its neighbour; the moved entry stays selected.
    bool MoveSelectedUp();
    bool MoveSelectedDown();
    // Deletes the selected entry and leaves nothing selected.
    bool RemoveSelected();

    void Clear();

private:
    bool HasSelection() const;
    void Exchange(int a, int b);

    std::vector<FavouriteEntry> entries_;
    int selected_ = NoSelection;
};

}  // namespace zelkova
