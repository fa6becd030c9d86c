#pragma once

#include <string>

namespace zelkova {

// One row of the favourites list. Both texts are kept exactly as the user typed them or as the
// settings file gave them: no trimming, no case change.
struct FavouriteEntry {
    std::string KeyText;
    std::string Comment;

    friend bool operator==(const FavouriteEntry&, const FavouriteEntry&) = default;
};

}  // namespace zelkova
