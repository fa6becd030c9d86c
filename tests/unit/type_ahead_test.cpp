#include "jump/TypeAhead.h"

#include <gtest/gtest.h>

#include <vector>

namespace zelkova {
namespace {

std::optional<std::size_t> Choose(const std::vector<std::string>& names, std::string_view typed) {
    TypeAheadSearch search(typed);
    for (const std::string& name : names)
        if (search.Offer(name)) break;
    return search.Choice();
}

TEST(TypeAhead, ReachFoldsAsciiLettersOnly) {
    EXPECT_EQ(TypeAheadReach("Software", "sOFTWARE"), 8u);
    EXPECT_EQ(TypeAheadReach("Software", "Soft"), 4u);
    EXPECT_EQ(TypeAheadReach("Soft", "Software"), 4u);
    EXPECT_EQ(TypeAheadReach("Wine", "Winx"), 3u);
    EXPECT_EQ(TypeAheadReach("", "a"), 0u);
    // Accented letters are bytes of the code page, never folded; '[' and '{' are no letters.
    EXPECT_EQ(TypeAheadReach("\xC9t\xE9", "\xE9t\xE9"), 0u);
    EXPECT_EQ(TypeAheadReach("\xE9t\xE9", "\xE9T\xE9"), 3u);
    EXPECT_EQ(TypeAheadReach("a[", "A{"), 1u);
    EXPECT_EQ(TypeAheadReach("My Key", "my key"), 6u);
}

TEST(TypeAhead, FirstItemBeginningWithTheNameWins) {
    EXPECT_EQ(Choose({"Classes", "Microsoft", "Wine"}, "microsoft"), 1u);
    // A name that begins a longer one lands on whichever comes first, as the editor would.
    EXPECT_EQ(Choose({"Alpha", "Alphabet"}, "Alpha"), 0u);
    EXPECT_EQ(Choose({"Alphabet", "Alpha"}, "Alpha"), 0u);
    EXPECT_EQ(Choose({"Beta", "Alpha.2", "Alpha"}, "alpha"), 1u);
    // Blanks are characters like any other.
    EXPECT_EQ(Choose({"My", "My Key", "MyKey"}, "My Key"), 1u);
    EXPECT_EQ(Choose({"My", "My Key", "MyKey"}, "MyKey"), 2u);
}

TEST(TypeAhead, UnmatchedNameStopsAtTheLongestTypedPart) {
    // 'x' continues nothing: the selection stays on the first item that took "Win".
    EXPECT_EQ(Choose({"Windows", "Wine", "Winx86"}, "Winx"), 2u);
    EXPECT_EQ(Choose({"Wa", "Windows", "Wine"}, "Winq"), 1u);
    EXPECT_EQ(Choose({"Alpha", "Beta"}, "Bz"), 1u);
    // Not even the first character: the selection never moved.
    EXPECT_EQ(Choose({"Alpha", "Beta"}, "Zeta"), std::nullopt);
    EXPECT_EQ(Choose({}, "Zeta"), std::nullopt);
}

TEST(TypeAhead, StopsAskingOnceTheWholeNameIsTaken) {
    TypeAheadSearch search("Wine");
    EXPECT_FALSE(search.Offer("Microsoft"));
    EXPECT_FALSE(search.Offer("Win"));
    EXPECT_TRUE(search.Offer("Wine"));
    EXPECT_TRUE(search.Complete());
    // Later offers change nothing, even an exact match.
    EXPECT_TRUE(search.Offer("wine"));
    EXPECT_EQ(search.Choice(), 2u);

    TypeAheadSearch partial("Winx");
    EXPECT_FALSE(partial.Offer("Wine"));
    EXPECT_FALSE(partial.Complete());
}

}  // namespace
}  // namespace zelkova
