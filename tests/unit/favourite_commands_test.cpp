#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "favourites/FavouriteCommands.h"
#include "favourites/FavouritesList.h"
#include "support/FavouritesListOf.h"

namespace zelkova {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(FavouriteCommandsEnabling, FollowTheListState) {
    struct NoDialog : KeyEntryDialog {
        std::optional<FavouriteEntry> Ask(const FavouriteEntry&) override { return {}; }
    } dialog;
    struct NoClipboard : Clipboard {
        bool HasText() const override { return false; }
        std::string GetText() override { return {}; }
        void SetText(const std::string&) override {}
    } clipboard;
    FavouritesList list = ListOf({{"HKEY_A", ""}, {"HKEY_B", ""}}, 1);
    FavouriteCommands commands(list, dialog, clipboard, [](const std::string&) {});
    EXPECT_TRUE(commands.IsJumpFromListEnabled());
    EXPECT_TRUE(commands.IsMoveUpEnabled());
    EXPECT_FALSE(commands.IsMoveDownEnabled());
    list.RemoveSelected();
    EXPECT_FALSE(commands.IsJumpFromListEnabled());
    EXPECT_FALSE(commands.IsMoveUpEnabled());
    EXPECT_FALSE(commands.IsMoveDownEnabled());
}

// ---- Commands with a scripted dialog and clipboard ---------------------------------------

class ScriptedDialog : public KeyEntryDialog {
public:
    std::optional<FavouriteEntry> Ask(const FavouriteEntry& initial) override {
        shown.push_back(initial);
        if (whileShown) whileShown();
        if (answers.empty()) return std::nullopt;
        std::optional<FavouriteEntry> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<std::optional<FavouriteEntry>> answers;
    std::vector<FavouriteEntry> shown;
    std::function<void()> whileShown;
};

class FakeClipboard : public Clipboard {
public:
    bool HasText() const override { return text.has_value(); }
    std::string GetText() override {
        ++reads;
        if (heldByAnother) throw std::runtime_error("Cannot open clipboard");
        return text.value_or("");
    }
    void SetText(const std::string& value) override {
        if (heldByAnother) throw std::runtime_error("Cannot open clipboard");
        text = value;
    }
    std::optional<std::string> text;
    bool heldByAnother = false;
    int reads = 0;
};

class FavouriteCommandsTest : public ::testing::Test {
protected:
    FavouritesList list = ListOf({{"HKEY_CURRENT_USER\\Software", "sw"}, {"HKEY_USERS", "u"}});
    ScriptedDialog dialog;
    FakeClipboard clipboard;
    std::vector<std::string> jumps;
    FavouriteCommands commands{list, dialog, clipboard,
                               [this](const std::string& text) { jumps.push_back(text); }};
};

TEST_F(FavouriteCommandsTest, JumpUsesTheSelectedKeyTextAndChangesNothing) {
    commands.JumpFromList();
    EXPECT_THAT(jumps, IsEmpty()) << "nothing selected";
    list.Select(1);
    commands.JumpFromList();
    EXPECT_THAT(jumps, ElementsAre("HKEY_USERS"));
    EXPECT_EQ(list.SelectedIndex(), 1);
}

TEST_F(FavouriteCommandsTest, AddPrefillsTheJumpFieldAndAddsWhatWasTyped) {
    dialog.answers.push_back(FavouriteEntry{"HKEY_LOCAL_MACHINE\\SOFTWARE ", " note "});
    commands.AddToList("HKLM\\Software");
    EXPECT_THAT(dialog.shown, ElementsAre(FavouriteEntry{"HKLM\\Software", ""}));
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.At(2), (FavouriteEntry{"HKEY_LOCAL_MACHINE\\SOFTWARE ", " note "}));
    EXPECT_EQ(list.SelectedIndex(), 2);
}

TEST_F(FavouriteCommandsTest, AddTestsTheChangedTextForDuplicates) {
    list.Select(0);
    // The pre-filled text was new, but the user changed it into an existing one.
    dialog.answers.push_back(FavouriteEntry{"hkey_users", "dup"});
    commands.AddToList("HKEY_CLASSES_ROOT");
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.SelectedIndex(), 0);
    EXPECT_EQ(list.At(1).Comment, "u");
}

TEST_F(FavouriteCommandsTest, CancelledDialogChangesNothing) {
    list.Select(1);
    commands.AddToList("");
    commands.Edit();
    EXPECT_EQ(dialog.shown.size(), 2u);
    EXPECT_THAT(list.Entries(), ElementsAre(FavouriteEntry{"HKEY_CURRENT_USER\\Software", "sw"},
                                            FavouriteEntry{"HKEY_USERS", "u"}));
    EXPECT_EQ(list.SelectedIndex(), 1);
}

TEST_F(FavouriteCommandsTest, EditReplacesWithoutDuplicateTest) {
    list.Select(1);
    dialog.answers.push_back(FavouriteEntry{"HKEY_CURRENT_USER\\Software", ""});
    commands.Edit();
    EXPECT_THAT(dialog.shown, ElementsAre(FavouriteEntry{"HKEY_USERS", "u"}));
    EXPECT_THAT(list.Entries(), ElementsAre(FavouriteEntry{"HKEY_CURRENT_USER\\Software", "sw"},
                                            FavouriteEntry{"HKEY_CURRENT_USER\\Software", ""}));
    EXPECT_EQ(list.SelectedIndex(), 1);
}

TEST_F(FavouriteCommandsTest, EditWithoutSelectionShowsNoDialog) {
    commands.Edit();
    EXPECT_THAT(dialog.shown, IsEmpty());
}

TEST_F(FavouriteCommandsTest, EditChangesTheEntryShownEvenIfTheSelectionMovedMeanwhile) {
    list.Select(1);
    dialog.whileShown = [this] { list.Select(0); };  // a restore from the tray selects entry 0
    dialog.answers.push_back(FavouriteEntry{"HKEY_USERS\\.DEFAULT", "edited"});
    commands.Edit();
    EXPECT_THAT(list.Entries(), ElementsAre(FavouriteEntry{"HKEY_CURRENT_USER\\Software", "sw"},
                                            FavouriteEntry{"HKEY_USERS\\.DEFAULT", "edited"}));
}

TEST_F(FavouriteCommandsTest, CopyPutsOnlyTheKeyTextOnTheClipboard) {
    commands.CopyToClipboard();
    EXPECT_FALSE(clipboard.text.has_value()) << "nothing selected";
    list.Select(0);
    commands.CopyToClipboard();
    EXPECT_EQ(clipboard.text, "HKEY_CURRENT_USER\\Software");
}

TEST_F(FavouriteCommandsTest, ClipboardHeldElsewhereRaisesAndLeavesTheListAlone) {
    list.Select(0);
    clipboard.text = "HKCU\\x";
    clipboard.heldByAnother = true;
    EXPECT_THROW(
        {
            try {
                commands.CopyToClipboard();
            } catch (const std::runtime_error& e) {
                EXPECT_STREQ(e.what(), "Cannot open clipboard");
                throw;
            }
        },
        std::runtime_error);
    EXPECT_THROW(commands.JumpFromClipboard(), std::runtime_error);
    EXPECT_THAT(jumps, IsEmpty());
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.SelectedIndex(), 0);
}

TEST_F(FavouriteCommandsTest, JumpFromClipboardTrimsAndKeepsTheCase) {
    clipboard.text = "  hklm\\Software \r\n";
    commands.JumpFromClipboard();
    EXPECT_THAT(jumps, ElementsAre("hklm\\Software"));
}

TEST_F(FavouriteCommandsTest, JumpFromClipboardIgnoresTextWithoutHk) {
    clipboard.text = "Software\\Microsoft";
    commands.JumpFromClipboard();
    clipboard.text = "   \r\n";
    commands.JumpFromClipboard();
    EXPECT_THAT(jumps, IsEmpty());
}

TEST_F(FavouriteCommandsTest, JumpFromClipboardWithoutTextDoesNotOpenIt) {
    clipboard.heldByAnother = true;  // would raise if it were opened
    EXPECT_NO_THROW(commands.JumpFromClipboard());
    EXPECT_EQ(clipboard.reads, 0);
    EXPECT_THAT(jumps, IsEmpty());
}

}  // namespace
}  // namespace zelkova
