#include "jump/EditorNavigation.h"

#include "support/RecordingEditor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace zelkova {
namespace {

using testing::RecordingEditor;
using ::testing::ElementsAreArray;

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::vector<std::string> Collapse() {
    std::vector<std::string> calls(30, "tree key 25");
    calls.push_back("Sleep 10");
    calls.push_back("tree key 27");
    calls.push_back("Sleep 10");
    return calls;
}

const std::vector<std::string> kFindRunningEditor = {
    "FindWindow RegEdit_RegEdit", "ShowWindow editor 1", "FindChildWindow editor SysTreeView32",
    "SetForegroundWindow tree"};
const std::vector<std::string> kFindList = {"FindChildWindow editor SysListView32",
                                            "SetForegroundWindow list"};

TEST(EditorNavigation, TypesThePathIntoTheTreeAndTheValueIntoTheList) {
    RecordingEditor editor;
    NavigateRegistryEditor({"HKEY_LOCAL_MACHINE", "SOFTWARE\\Classes", "Content Type"}, editor);
    EXPECT_THAT(editor.Calls,
                ElementsAreArray(Concat({kFindRunningEditor, Collapse(),
                                         testing::ExpectedTyping("tree", "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes"),
                                         kFindList, {"list key 28", "Sleep 10"},
                                         testing::ExpectedTyping("list", "Content Type")})));
}

TEST(EditorNavigation, BackslashesBecomeRightArrowsEvenDoubledOrTrailing) {
    RecordingEditor editor;
    NavigateRegistryEditor({"HKEY_USERS", "a\\\\b\\", ""}, editor);
    EXPECT_THAT(editor.Calls,
                ElementsAreArray(Concat({kFindRunningEditor, Collapse(),
                                         testing::ExpectedTyping("tree", "HKEY_USERS\\a\\\\b\\"), kFindList})));
    // Two right arrows in a row for the doubled backslash, and the path ends with one.
    EXPECT_EQ(editor.Calls[editor.Calls.size() - 3], "Sleep 10");
    EXPECT_EQ(editor.Calls[editor.Calls.size() - 4], "tree key 27");
}

TEST(EditorNavigation, EmptyKeyPathMakesNoCallAtAll) {
    RecordingEditor editor;
    editor.Running = false;
    NavigateRegistryEditor({"HKEY_CURRENT_USER", "", "SomeValue"}, editor);
    EXPECT_TRUE(editor.Calls.empty());
}

TEST(EditorNavigation, BytesAboveSevenBitsAreSentZeroExtended) {
    RecordingEditor editor;
    NavigateRegistryEditor({"HKEY_CURRENT_USER", "\xE9t\xE9", "\xFF"}, editor);
    EXPECT_THAT(editor.Calls, ::testing::Contains("tree char e9"));
    EXPECT_THAT(editor.Calls, ::testing::Contains("list char ff"));
    EXPECT_EQ(std::count(editor.Calls.begin(), editor.Calls.end(), "list char ff"), 1);
}

TEST(EditorNavigation, RunningEditorIsNeitherStartedNorWaitedFor) {
    RecordingEditor editor;
    NavigateRegistryEditor({"HKEY_CURRENT_USER", "Software", ""}, editor);
    for (const std::string& call : editor.Calls) {
        EXPECT_EQ(call.find("ShellExecuteEx"), std::string::npos);
        EXPECT_EQ(call.find("WaitForInputIdle"), std::string::npos);
    }
    // A minimised editor is restored by the same show command.
    EXPECT_THAT(editor.Calls, ::testing::Contains("ShowWindow editor 1"));
}

TEST(EditorNavigation, StartsTheEditorWhenNoneRuns) {
    RecordingEditor editor;
    editor.Running = false;
    editor.WindowAppearsOnLook = 1;
    NavigateRegistryEditor({"HKEY_CURRENT_USER", "S", ""}, editor);
    EXPECT_THAT(editor.Calls,
                ElementsAreArray(Concat({{"FindWindow RegEdit_RegEdit", "ShellExecuteEx open regedit.exe",
                                          "WaitForInputIdle 900 200", "FindWindow RegEdit_RegEdit",
                                          "CloseProcess 900", "ShowWindow editor 1",
                                          "FindChildWindow editor SysTreeView32", "SetForegroundWindow tree"},
                                         Collapse(), testing::ExpectedTyping("tree", "HKEY_CURRENT_USER\\S"),
                                         kFindList})));
    EXPECT_EQ(editor.LastStart.Mask, 0x40u);
    EXPECT_EQ(editor.LastStart.Show, 1);
    EXPECT_EQ(editor.Polls, 0);
}

TEST(EditorNavigation, KeepsLookingForASlowEditorWindow) {
    RecordingEditor editor;
    editor.Running = false;
    editor.WindowAppearsOnLook = 9;  // 340 ms or so after the start, as Wine's editor does
    NavigateRegistryEditor({"HKEY_CURRENT_USER", "S", ""}, editor);
    EXPECT_EQ(editor.Looks, 1 + 9);
    EXPECT_EQ(editor.SleptMs, 8u * 20 + 3 * 10);  // eight polls, then the jump's three pauses
    EXPECT_THAT(editor.Calls, ::testing::Contains("tree char 53"));
    EXPECT_EQ(editor.ProcessesClosed, 1);
}

TEST(EditorNavigation, GivesUpWhenTheEditorNeverShowsOrExits) {
    RecordingEditor never;
    never.Running = false;
    never.WindowAppearsOnLook = 0;
    NavigateRegistryEditor({"HKEY_CURRENT_USER", "S", ""}, never);
    EXPECT_EQ(never.SleptMs, 5000u);
    EXPECT_EQ(never.Calls.back(), "CloseProcess 900");
    EXPECT_EQ(never.ProcessesClosed, 1);

    RecordingEditor exits;
    exits.Running = false;
    exits.WindowAppearsOnLook = 0;
    exits.ProcessExitsAfterPolls = 3;
    NavigateRegistryEditor({"HKEY_CURRENT_USER", "S", ""}, exits);
    EXPECT_EQ(exits.SleptMs, 3u * 20);
    EXPECT_EQ(exits.Calls.back(), "CloseProcess 900");

    RecordingEditor noProcess;
    noProcess.Running = false;
    noProcess.StartGivesProcess = false;
    noProcess.WindowAppearsOnLook = 0;
    NavigateRegistryEditor({"HKEY_CURRENT_USER", "S", ""}, noProcess);
    EXPECT_EQ(noProcess.SleptMs, 0u);
    EXPECT_EQ(noProcess.ProcessesClosed, 0);
}

TEST(EditorNavigation, MissingPanesGetNoMessages) {
    RecordingEditor noTree;
    noTree.HasTree = false;
    NavigateRegistryEditor({"HKEY_CURRENT_USER", "S", "v"}, noTree);
    EXPECT_THAT(noTree.Calls, ElementsAreArray(Concat({{"FindWindow RegEdit_RegEdit", "ShowWindow editor 1",
                                                        "FindChildWindow editor SysTreeView32"},
                                                       kFindList, {"list key 28", "Sleep 10", "list char 76"}})));

    RecordingEditor noList;
    noList.HasList = false;
    NavigateRegistryEditor({"HKEY_CURRENT_USER", "S", "v"}, noList);
    EXPECT_EQ(noList.Calls.back(), "FindChildWindow editor SysListView32");
}

TEST(EditorNavigation, WithoutAValueTheListOnlyComesForward) {
    RecordingEditor editor;
    NavigateRegistryEditor({"HKEY_CURRENT_USER", "S", ""}, editor);
    EXPECT_EQ(editor.Calls.back(), "SetForegroundWindow list");
}

TEST(EditorNavigation, AnEditorThatStopsAnsweringEndsTheJumpAtTheUnansweredCall) {
    const KeyJumpRequest request{"HKEY_CURRENT_USER", "S\\T", "val"};
    RecordingEditor frozen;
    frozen.AnswersShow = false;
    NavigateRegistryEditor(request, frozen);
    EXPECT_THAT(frozen.Calls, ElementsAreArray({"FindWindow RegEdit_RegEdit", "ShowWindow editor 1"}));

    const std::vector<std::string> all = testing::ExpectedPaneMessages(request);
    for (const int answered : {0, 5, 31, 45, static_cast<int>(all.size()) - 1}) {
        RecordingEditor stops;
        stops.MessagesAnswered = answered;
        NavigateRegistryEditor(request, stops);
        // The unanswered message is the last call of all: no pause, pane or foreground call after it.
        const std::vector<std::string> sent(all.begin(), all.begin() + answered + 1);
        EXPECT_THAT(testing::PaneMessagesIn(stops.Calls), ElementsAreArray(sent)) << answered;
        EXPECT_EQ(stops.Calls.back(), sent.back()) << answered;
    }
}

}  // namespace
}  // namespace zelkova
