#pragma once
// A favourites list holding these entries, with one of them selected (-1: none).
#include <utility>
#include <vector>

#include "favourites/FavouritesList.h"

namespace zelkova {

inline FavouritesList ListOf(std::vector<FavouriteEntry> entries, int selected = -1) {
    FavouritesList list;
    for (auto& entry : entries) list.Append(std::move(entry));
    list.Select(selected);
    return list;
}

}  // namespace zelkova
