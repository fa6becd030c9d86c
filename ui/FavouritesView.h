// The favourites as the main window holds them: the list model and the list control that shows
// it. The user moves the selection in the control; the operations work on the model. Before
// an operation the model takes the control's selection, after it the control shows the model.
#pragma once

#include "favourites/FavouritesList.h"
#include "gui/ListView.h"

namespace zelkova {

class FavouritesView {
public:
    FavouritesView(FavouritesList& list, ListView& view) : list_(list), view_(view) {}

    // The model takes the selection the user made in the control.
    void TakeSelection() { list_.Select(view_.Selected()); }
    // The control shows every entry of the model, and its selection. Rows that did not change
    // are left alone, so the control does not flicker for a move or an edit.
    void Show();

private:
    FavouritesList& list_;
    ListView& view_;
};

}  // namespace zelkova
