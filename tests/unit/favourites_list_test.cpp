#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "favourites/FavouritesList.h"
#include "support/FavouritesListOf.h"

namespace zelkova {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// ---- The list ----------------------------------------------------------------------------

TEST(FavouritesListAdd, RefusesDuplicatesInAnyCaseButNotWithABlank) {
    FavouritesList list = ListOf({{"HKEY_CURRENT_USER\\Software", "mine"}, {"HKEY_USERS", ""}}, 1);

    EXPECT_FALSE(list.Add({"hkey_current_user\\software", "other"}));
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.SelectedIndex(), 1) << "a refused add leaves the selection alone";
    EXPECT_EQ(list.At(0).Comment, "mine");

    EXPECT_TRUE(list.Add({"hkey_current_user\\software ", "blank"}));
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.SelectedIndex(), 2) << "the new entry is selected";
    EXPECT_EQ(list.At(2), (FavouriteEntry{"hkey_current_user\\software ", "blank"}));
    // Leading blanks count just the same.
    EXPECT_TRUE(list.Add({" HKEY_USERS", ""}));
}

TEST(FavouritesListAdd, FoldsAsciiLettersOnly) {
    FavouritesList list = ListOf({{"HKEY_X\\\xC4", ""}});
    EXPECT_TRUE(list.Add({"hkey_x\\\xE4", ""})) << "0xC4 and 0xE4 differ: no code-page folding";
    EXPECT_FALSE(list.Add({"hkey_x\\\xC4", ""}));
}

TEST(FavouritesListMove, KeepsTheCommentWithTheEntryAndTheSelectionOnIt) {
    FavouritesList list = ListOf({{"A", "a"}, {"B", "b"}, {"C", "c"}}, 2);

    EXPECT_TRUE(list.MoveSelectedUp());
    EXPECT_THAT(list.Entries(), ElementsAre(FavouriteEntry{"A", "a"}, FavouriteEntry{"C", "c"},
                                            FavouriteEntry{"B", "b"}));
    EXPECT_EQ(list.SelectedIndex(), 1);

    EXPECT_TRUE(list.MoveSelectedUp());
    EXPECT_EQ(list.SelectedIndex(), 0);
    EXPECT_FALSE(list.MoveSelectedUp()) << "the first entry cannot go up";
    EXPECT_EQ(list.At(0), (FavouriteEntry{"C", "c"}));

    EXPECT_TRUE(list.MoveSelectedDown());
    EXPECT_TRUE(list.MoveSelectedDown());
    EXPECT_FALSE(list.MoveSelectedDown()) << "the last entry cannot go down";
    EXPECT_THAT(list.Entries(), ElementsAre(FavouriteEntry{"A", "a"}, FavouriteEntry{"B", "b"},
                                            FavouriteEntry{"C", "c"}));
    EXPECT_EQ(list.SelectedIndex(), 2);
}

TEST(FavouritesListMove, DoesNothingWithoutASelection) {
    FavouritesList list = ListOf({{"A", ""}, {"B", ""}});
    EXPECT_FALSE(list.MoveSelectedUp());
    EXPECT_FALSE(list.MoveSelectedDown());
    EXPECT_FALSE(list.RemoveSelected());
    EXPECT_FALSE(list.Replace(2, {"X", ""}));
    EXPECT_THAT(list.Entries(), ElementsAre(FavouriteEntry{"A", ""}, FavouriteEntry{"B", ""}));
}

TEST(FavouritesListRemove, LeavesNoSelection) {
    FavouritesList list = ListOf({{"A", ""}, {"B", ""}, {"C", ""}}, 1);
    EXPECT_TRUE(list.RemoveSelected());
    EXPECT_THAT(list.Entries(), ElementsAre(FavouriteEntry{"A", ""}, FavouriteEntry{"C", ""}));
    EXPECT_EQ(list.SelectedIndex(), FavouritesList::NoSelection);
    EXPECT_EQ(list.Selected(), nullptr);
}

TEST(FavouritesListSelect, OutOfRangeClearsTheSelection) {
    FavouritesList list = ListOf({{"A", ""}}, 0);
    list.Select(1);
    EXPECT_EQ(list.SelectedIndex(), -1);
    list.Select(0);
    list.Select(-5);
    EXPECT_EQ(list.SelectedIndex(), -1);
    list.Select(0);
    list.Clear();
    EXPECT_EQ(list.SelectedIndex(), -1);
    EXPECT_TRUE(list.IsEmpty());
}

}  // namespace
}  // namespace zelkova
