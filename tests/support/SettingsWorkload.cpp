#include "support/SettingsWorkload.h"

namespace zelkova::testing {

FavouritesList FavouritesOf(int count) {
    FavouritesList list;
    for (int i = 0; i < count; ++i) {
        list.Append({"HKEY_CURRENT_USER\\Software\\Vendor" + std::to_string(i) + "\\Product\\Settings\\Window",
                     i % 3 == 0 ? std::string() : "comment number " + std::to_string(i)});
    }
    return list;
}

}  // namespace zelkova::testing
