#include "ui/FavouritesView.h"

namespace zelkova {

void FavouritesView::Show() {
    view_.BeginUpdate();
    const int count = list_.Count();
    while (view_.ItemCount() > count) view_.DeleteItem(view_.ItemCount() - 1);
    for (int i = 0; i < count; ++i) {
        const FavouriteEntry& entry = list_.At(i);
        if (i >= view_.ItemCount()) {
            view_.AddItem(entry.KeyText, {entry.Comment});
            continue;
        }
        if (view_.ItemText(i, 0) != entry.KeyText) view_.SetItemText(i, 0, entry.KeyText);
        if (view_.ItemText(i, 1) != entry.Comment) view_.SetItemText(i, 1, entry.Comment);
    }
    view_.EndUpdate();
    if (view_.Selected() != list_.SelectedIndex()) view_.SetSelected(list_.SelectedIndex());
}

}  // namespace zelkova
