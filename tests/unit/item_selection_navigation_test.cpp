#include "jump/EditorNavigation.h"
#include "jump/ItemSelectionNavigation.h"

#include "support/FakeEditorTree.h"
#include "support/RecordingEditor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

namespace zelkova {
namespace {

using testing::FakeEditorTree;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

// A registry laid out as Wine's editor shows it, root keys in the editor's order.
void AddRegistry(FakeEditorTree& tree) {
    for (const char* root : {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS",
                             "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"})
        tree.AddKey(root);
    tree.AddKey("HKEY_CURRENT_USER\\Control Panel\\Desktop");
    tree.AddKey("HKEY_CURRENT_USER\\Software\\Microsoft");
    tree.AddKey("HKEY_CURRENT_USER\\Software\\Windows");
    tree.AddKey("HKEY_CURRENT_USER\\Software\\Wine\\Fonts");
    tree.AddKey("HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver");
    tree.AddKey("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion");
    tree.AddValues("HKEY_CURRENT_USER\\Software\\Wine", {"(Default)", "Version", "Version 2", "Windows"});
}

TEST(ItemSelectionNavigation, ExpandsEachLevelAndSelectsTheKey) {
    FakeEditorTree tree;
    AddRegistry(tree);
    SelectKeyAndValue({"HKEY_CURRENT_USER", "Software\\Wine\\Fonts", ""}, tree);
    EXPECT_EQ(tree.Selected(), "HKEY_CURRENT_USER\\Software\\Wine\\Fonts");
    EXPECT_THAT(tree.Calls, ElementsAre("FocusTree", "Expand <top>", "Expand HKEY_CURRENT_USER",
                                        "Expand HKEY_CURRENT_USER\\Software",
                                        "Expand HKEY_CURRENT_USER\\Software\\Wine",
                                        "Select HKEY_CURRENT_USER\\Software\\Wine\\Fonts", "ClearValueSelection"));
    // The key reached is selected, not opened, as after typing its name; the tree keeps the
    // focus, so that its selection shows.
    EXPECT_FALSE(tree.IsExpanded("HKEY_CURRENT_USER\\Software\\Wine\\Fonts"));
    EXPECT_FALSE(tree.SelectedValue.has_value());
}

TEST(ItemSelectionNavigation, NamesLandWhereTheTypeAheadWould) {
    FakeEditorTree tree;
    AddRegistry(tree);
    // Any ASCII case, and a name holding a blank.
    SelectKeyAndValue({"HKEY_CURRENT_USER", "software\\WINE\\x11 driver", ""}, tree);
    EXPECT_EQ(tree.Selected(), "HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver");

    // "Win" begins "Windows" first: a name matching nothing whole stops at its longest part.
    SelectKeyAndValue({"HKEY_CURRENT_USER", "Software\\Winx", ""}, tree);
    EXPECT_EQ(tree.Selected(), "HKEY_CURRENT_USER\\Software\\Windows");
    SelectKeyAndValue({"HKEY_CURRENT_USER", "Software\\Wine\\Nothing", ""}, tree);
    EXPECT_EQ(tree.Selected(), "HKEY_CURRENT_USER\\Software\\Wine");
    // Further names are looked for below wherever the last one stopped.
    SelectKeyAndValue({"HKEY_CURRENT_USER", "Software\\Winex\\Fonts", ""}, tree);
    EXPECT_EQ(tree.Selected(), "HKEY_CURRENT_USER\\Software\\Wine\\Fonts");
}

TEST(ItemSelectionNavigation, ANameThatBeginsASiblingsNameLandsOnItself) {
    FakeEditorTree tree;
    AddRegistry(tree);
    tree.AddKey("HKEY_CURRENT_USER\\Software\\Alpha");
    tree.AddKey("HKEY_CURRENT_USER\\Software\\Alphabet");
    tree.AddKey("HKEY_CURRENT_USER\\Software\\Beta-2\\Deep");
    tree.AddKey("HKEY_CURRENT_USER\\Software\\Beta");
    SelectKeyAndValue({"HKEY_CURRENT_USER", "Software\\Alpha", ""}, tree);
    EXPECT_EQ(tree.Selected(), "HKEY_CURRENT_USER\\Software\\Alpha");
    SelectKeyAndValue({"HKEY_CURRENT_USER", "Software\\Alphabet", ""}, tree);
    EXPECT_EQ(tree.Selected(), "HKEY_CURRENT_USER\\Software\\Alphabet");
    // Listed after a longer name, the shorter one is not reached: the editor would not either.
    SelectKeyAndValue({"HKEY_CURRENT_USER", "Software\\Beta", ""}, tree);
    EXPECT_EQ(tree.Selected(), "HKEY_CURRENT_USER\\Software\\Beta-2");
}

TEST(ItemSelectionNavigation, BackslashesOpenTheKeyReachedSoFar) {
    FakeEditorTree tree;
    AddRegistry(tree);
    // A trailing backslash opens the last key; a doubled one opens the same key twice.
    SelectKeyAndValue({"HKEY_CURRENT_USER", "Software\\\\Wine\\", ""}, tree);
    EXPECT_EQ(tree.Selected(), "HKEY_CURRENT_USER\\Software\\Wine");
    EXPECT_TRUE(tree.IsExpanded("HKEY_CURRENT_USER\\Software\\Wine"));
    EXPECT_EQ(std::count(tree.Calls.begin(), tree.Calls.end(), "Expand HKEY_CURRENT_USER\\Software"), 2);

    FakeEditorTree leading;
    AddRegistry(leading);
    SelectKeyAndValue({"HKEY_LOCAL_MACHINE", "\\Software\\Microsoft", ""}, leading);
    EXPECT_EQ(leading.Selected(), "HKEY_LOCAL_MACHINE\\Software\\Microsoft");
}

TEST(ItemSelectionNavigation, ReadsNamesOnlyUntilTheMatchAndOnlyAsLongAsTyped) {
    FakeEditorTree tree;
    AddRegistry(tree);
    for (int i = 0; i < 200; ++i) tree.AddKey("HKEY_CURRENT_USER\\Software\\Wine\\Key" + std::to_string(i));
    SelectKeyAndValue({"HKEY_CURRENT_USER", "Software\\Wine\\Fonts", ""}, tree);
    EXPECT_EQ(tree.Selected(), "HKEY_CURRENT_USER\\Software\\Wine\\Fonts");
    // Two roots, two under HKCU, three under Software, one under Wine: none of the 200 after.
    EXPECT_EQ(tree.NamesRead, 2 + 2 + 3 + 1);
    EXPECT_EQ(tree.ShortestNameLength, 4u);
}

TEST(ItemSelectionNavigation, ValuesAreSelectedByTheSameRule) {
    FakeEditorTree tree;
    AddRegistry(tree);
    const auto valueAfter = [&](const char* name) {
        SelectKeyAndValue({"HKEY_CURRENT_USER", "Software\\Wine", name}, tree);
        EXPECT_EQ(tree.Selected(), "HKEY_CURRENT_USER\\Software\\Wine");
        EXPECT_EQ(tree.Calls.back(), "SelectValue " + std::to_string(tree.SelectedValue.value_or(99)));
        EXPECT_EQ(tree.Calls[tree.Calls.size() - 2], "FocusList");
        return tree.SelectedValue;
    };
    EXPECT_EQ(valueAfter("version"), 1u);
    EXPECT_EQ(valueAfter("Version 2"), 2u);
    EXPECT_EQ(valueAfter("Wind"), 3u);
    // Nothing takes "Vz" whole: "V" stopped on the first value beginning with it.
    EXPECT_EQ(valueAfter("Vz"), 1u);
    // Nothing takes even the first character: the down arrow alone picks the first entry.
    EXPECT_EQ(valueAfter("Zulu"), 0u);
    // A key jump to the key already shown leaves no value of the last jump selected.
    SelectKeyAndValue({"HKEY_CURRENT_USER", "Software\\Wine", ""}, tree);
    EXPECT_FALSE(tree.SelectedValue.has_value());
}

TEST(ItemSelectionNavigation, ClosesTheBranchTheEditorWasLeftIn) {
    FakeEditorTree tree;
    AddRegistry(tree);
    tree.LeaveAt("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion");
    tree.Calls.clear();
    SelectKeyAndValue({"HKEY_CURRENT_USER", "Software\\Wine", ""}, tree);
    EXPECT_EQ(tree.Selected(), "HKEY_CURRENT_USER\\Software\\Wine");
    for (const char* closed : {"HKEY_LOCAL_MACHINE", "HKEY_LOCAL_MACHINE\\Software",
                               "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows"})
        EXPECT_FALSE(tree.IsExpanded(closed)) << closed;
    EXPECT_TRUE(tree.IsExpanded(""));
    EXPECT_TRUE(tree.IsExpanded("HKEY_CURRENT_USER\\Software"));
    // Closing comes after the new selection, so it never moves it.
    const auto select = std::find(tree.Calls.begin(), tree.Calls.end(), "Select HKEY_CURRENT_USER\\Software\\Wine");
    const auto firstClose = std::find_if(tree.Calls.begin(), tree.Calls.end(),
                                         [](const std::string& c) { return c.rfind("Collapse", 0) == 0; });
    EXPECT_LT(select, firstClose);
}

TEST(ItemSelectionNavigation, JumpingUpwardClosesTheKeyLanded) {
    FakeEditorTree tree;
    AddRegistry(tree);
    tree.LeaveAt("HKEY_CURRENT_USER\\Software\\Wine\\Fonts");
    SelectKeyAndValue({"HKEY_CURRENT_USER", "Software", ""}, tree);
    EXPECT_EQ(tree.Selected(), "HKEY_CURRENT_USER\\Software");
    EXPECT_FALSE(tree.IsExpanded("HKEY_CURRENT_USER\\Software\\Wine"));
    EXPECT_FALSE(tree.IsExpanded("HKEY_CURRENT_USER\\Software"));
    EXPECT_TRUE(tree.IsExpanded("HKEY_CURRENT_USER"));
}

TEST(ItemSelectionNavigation, WaitsForThePanesWithinABound) {
    FakeEditorTree slow;
    AddRegistry(slow);
    slow.ChecksUntilReady = 25;  // the tree fills some 250 ms after the window shows
    SelectKeyAndValue({"HKEY_CURRENT_USER", "Software", ""}, slow);
    EXPECT_EQ(slow.SleptMs, 25u * kPanesPollIntervalMs);
    EXPECT_EQ(slow.Selected(), "HKEY_CURRENT_USER\\Software");

    FakeEditorTree never;
    AddRegistry(never);
    never.NeverReady = true;
    SelectKeyAndValue({"HKEY_CURRENT_USER", "Software", "v"}, never);
    EXPECT_EQ(never.SleptMs, kPanesPollLimitMs);
    EXPECT_TRUE(never.Calls.empty());

    FakeEditorTree gone;
    AddRegistry(gone);
    gone.Unusable = true;
    SelectKeyAndValue({"HKEY_CURRENT_USER", "Software", "v"}, gone);
    EXPECT_EQ(gone.Checks, 1);
    EXPECT_EQ(gone.SleptMs, 0u);
    EXPECT_TRUE(gone.Calls.empty());
}

// A recording editor whose panes answer item selection, as Wine's editor does. The panes
// live only as long as the navigation holds them; where they were left is kept.
class SelectableEditor : public testing::RecordingEditor {
public:
    std::unique_ptr<EditorItemSelection> OpenItemSelection(WindowRef editor) override {
        Calls.push_back("OpenItemSelection " + std::to_string(editor));
        auto tree = std::make_unique<ReportingTree>(Landed);
        AddRegistry(*tree);
        return tree;
    }
    std::string Landed;

private:
    struct ReportingTree : FakeEditorTree {
        explicit ReportingTree(std::string& landed) : landed_(landed) {}
        ~ReportingTree() override { landed_ = Selected() + (SelectedValue ? " value " + std::to_string(*SelectedValue) : ""); }
        std::string& landed_;
    };
};

TEST(ItemSelectionNavigation, AnEditorOfferingItemsGetsNoKeystrokes) {
    SelectableEditor editor;
    editor.Running = false;
    editor.WindowAppearsOnLook = 4;
    NavigateRegistryEditor({"HKEY_CURRENT_USER", "Software\\Wine", "Version"}, editor);
    EXPECT_EQ(editor.Landed, "HKEY_CURRENT_USER\\Software\\Wine value 1");
    // The editor is still found (here, started and waited for) and restored first.
    EXPECT_THAT(editor.Calls, ::testing::Contains("ShellExecuteEx open regedit.exe"));
    EXPECT_EQ(editor.Calls[editor.Calls.size() - 2], "ShowWindow editor 1");
    EXPECT_EQ(editor.Calls.back(), "OpenItemSelection 256");
    for (const std::string& call : editor.Calls) EXPECT_THAT(call, ::testing::Not(HasSubstr("tree ")));

    // An empty path still makes no call at all.
    SelectableEditor idle;
    NavigateRegistryEditor({"HKEY_CURRENT_USER", "", "Version"}, idle);
    EXPECT_TRUE(idle.Calls.empty());
}

}  // namespace
}  // namespace zelkova
