#include "favourites/FavouritesList.h"

#include <algorithm>
#include <utility>

#include "base/AsciiText.h"
#include "favourites/FavouriteRules.h"

namespace zelkova {

const FavouriteEntry* FavouritesList::Selected() const {
    return HasSelection() ? &entries_[static_cast<size_t>(selected_)] : nullptr;
}

void FavouritesList::Select(int index) {
    selected_ = (index >= 0 && index < Count()) ? index : NoSelection;
}

void FavouritesList::Append(FavouriteEntry entry) { entries_.push_back(std::move(entry)); }

bool FavouritesList::Add(FavouriteEntry entry) {
    if (ContainsKeyText(entry.KeyText)) return false;
    entries_.push_back(std::move(entry));
    selected_ = Count() - 1;
    return true;
}

bool FavouritesList::ContainsKeyText(std::string_view keyText) const {
    const std::string wanted = AsciiUpperCase(keyText);
    return std::ranges::any_of(entries_, [&](const FavouriteEntry& entry) {
        return AsciiUpperCase(entry.KeyText) == wanted;
    });
}

bool FavouritesList::Replace(int index, FavouriteEntry entry) {
    if (index < 0 || index >= Count()) return false;
    entries_[static_cast<size_t>(index)] = std::move(entry);
    return true;
}

bool FavouritesList::MoveSelectedUp() {
    if (!IsMoveUpEnabled(selected_, Count())) return false;
    Exchange(selected_, selected_ - 1);
    --selected_;
    return true;
}

bool FavouritesList::MoveSelectedDown() {
    if (!IsMoveDownEnabled(selected_, Count())) return false;
    Exchange(selected_, selected_ + 1);
    ++selected_;
    return true;
}

bool FavouritesList::RemoveSelected() {
    if (!HasSelection()) return false;
    entries_.erase(entries_.begin() + selected_);
    selected_ = NoSelection;
    return true;
}

bool FavouritesList::HasSelection() const { return IsSelectionActionEnabled(selected_, Count()); }

void FavouritesList::Clear() {
    entries_.clear();
    selected_ = NoSelection;
}

void FavouritesList::Exchange(int a, int b) {
    std::swap(entries_[static_cast<size_t>(a)], entries_[static_cast<size_t>(b)]);
}

}  // namespace zelkova
