#include "jump/TypeAhead.h"

#include "base/AsciiText.h"

namespace zelkova {

std::size_t TypeAheadReach(std::string_view name, std::string_view typed) {
    std::size_t reach = 0;
    while (reach < name.size() && reach < typed.size() &&
           AsciiUpper(name[reach]) == AsciiUpper(typed[reach]))
        ++reach;
    return reach;
}

bool TypeAheadSearch::Offer(std::string_view name) {
    if (Complete()) return true;
    const std::size_t index = offered_++;
    const std::size_t reach = TypeAheadReach(name, typed_);
    if (reach > bestReach_) {
        bestReach_ = reach;
        choice_ = index;
    }
    return Complete();
}

}  // namespace zelkova
