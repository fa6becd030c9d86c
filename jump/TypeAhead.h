#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zelkova {

// How far the editor's type-ahead gets into `typed` on an item called `name`: the length of
// the longest beginning of `typed` that `name` begins with, ASCII letters in any case.
std::size_t TypeAheadReach(std::string_view name, std::string_view typed);

// Which item the editor's type-ahead selects when `typed` is typed into a pane whose items
// are offered in the pane's order. Each character moves the selection to the first item that
// begins with everything typed so far, and a character that no item continues leaves it where
// it was: the choice is the first item with the greatest reach. So a name that is the
// beginning of a longer one lands on whichever of the two comes first, as in the editor.
class TypeAheadSearch {
public:
    explicit TypeAheadSearch(std::string_view typed) : typed_(typed) {}

    // Offers the next item. True once an item takes the whole typed name: later items cannot
    // change the choice, so there is no need to read them.
    bool Offer(std::string_view name);

    // The index of the chosen item among those offered; none while no item begins with the
    // first typed character (the selection would not have moved).
    std::optional<std::size_t> Choice() const { return choice_; }

    bool Complete() const { return bestReach_ == typed_.size() && choice_.has_value(); }

private:
    std::string typed_;
    std::size_t offered_ = 0;
    std::size_t bestReach_ = 0;
    std::optional<std::size_t> choice_;
};

}  // namespace zelkova
