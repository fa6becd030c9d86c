#include "jump/EditorNavigation.h"
#include "platform/WinEditorAutomation.h"

#include "support/DesktopInput_win.h"
#include "support/RecordingEditor.h"
#include "support/WinProcess_win.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <sstream>

namespace zelkova {
namespace {

using namespace zelkova::testing;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

class EditorAutomationTest : public ::testing::Test {
protected:
    void SetUp() override {
        logPath = UseFreshEditorLog("fake_editor");
        CloseEveryEditor();
    }
    void TearDown() override {
        CloseEveryEditor();
        DeleteFileA(logPath.c_str());
    }
    static void CloseEveryEditor() {
        while (HWND editor = FindWindowA("RegEdit_RegEdit", nullptr)) {
            DWORD id = 0;
            GetWindowThreadProcessId(editor, &id);
            if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
                TerminateProcess(process, 0);
                WaitForSingleObject(process, 5000);
                CloseHandle(process);
            }
            WaitUntil([&] { return !IsWindow(editor); }, std::chrono::seconds(5));
        }
    }
    ChildProcess StartStandIn() {
        ChildProcess editor = ChildProcess::Start(ProgramCommandLine("fake_regedit.exe"));
        EXPECT_TRUE(WaitForWindow([&] { return FindProcessWindow(editor.Id(), "RegEdit_RegEdit"); }));
        return editor;
    }

    std::string logPath;
    WinEditorAutomation automation;
};

TEST_F(EditorAutomationTest, KeyJumpReachesTheTreePaneExactly) {
    ChildProcess editor = StartStandIn();
    const KeyJumpRequest request{"HKEY_CURRENT_USER", "Software\\Wine\\\\Fonts\\", ""};
    NavigateRegistryEditor(request, automation);
    const std::vector<std::string> messages = PaneMessagesInLog(ReadWholeFile(logPath));
    EXPECT_THAT(messages, ::testing::ElementsAreArray(ExpectedPaneMessages(request)));
    EXPECT_EQ(std::count(messages.begin(), messages.end(), "tree key 25"), 30);
    EXPECT_EQ(std::count_if(messages.begin(), messages.end(), [](auto& m) { return m.rfind("list", 0) == 0; }), 0);
}

TEST_F(EditorAutomationTest, ValueJumpTypesTheValueIntoTheListPane) {
    ChildProcess editor = StartStandIn();
    const KeyJumpRequest request{"HKEY_LOCAL_MACHINE", "SOFTWARE\\Classes", "Content Type \xE9"};
    NavigateRegistryEditor(request, automation);
    const std::vector<std::string> messages = PaneMessagesInLog(ReadWholeFile(logPath));
    EXPECT_THAT(messages, ::testing::ElementsAreArray(ExpectedPaneMessages(request)));
    EXPECT_THAT(messages, ::testing::Contains("list char e9"));
    EXPECT_EQ(messages.back(), "list char e9");
}

TEST_F(EditorAutomationTest, MinimisedEditorIsRestored) {
    ChildProcess editor = StartStandIn();
    HWND window = FindProcessWindow(editor.Id(), "RegEdit_RegEdit");
    ASSERT_TRUE(MinimiseThroughWindowManager(window));
    NavigateRegistryEditor({"HKEY_USERS", "x", ""}, automation);
    // The show is asynchronous: the editor carries it out when it next looks at its queue.
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(window); }, std::chrono::seconds(5)));
}

// With no editor running, "regedit.exe" is started through the shell. Under Wine that name
// always starts the Windows folder's regedit.exe, so the stand-in takes its place for the test.
class StartedEditorTest : public EditorAutomationTest {
protected:
    void SetUp() override {
        EditorAutomationTest::SetUp();
        char windows[MAX_PATH] = {};
        GetWindowsDirectoryA(windows, MAX_PATH);
        installed = std::string(windows) + "\\regedit.exe";
        saved = installed + ".zelkova-saved";
        ASSERT_TRUE(CopyFileA(installed.c_str(), saved.c_str(), FALSE));
        ASSERT_TRUE(CopyFileA((ProgramFolder() + "fake_regedit.exe").c_str(), installed.c_str(), FALSE));
    }
    void TearDown() override {
        EditorAutomationTest::TearDown();
        CopyFileA(saved.c_str(), installed.c_str(), FALSE);
        DeleteFileA(saved.c_str());
    }
    std::string installed, saved;
};

TEST_F(StartedEditorTest, StartsTheEditorAndJumpsOnce) {
    ASSERT_EQ(FindWindowA("RegEdit_RegEdit", nullptr), nullptr);
    const KeyJumpRequest request{"HKEY_CURRENT_USER", "Software\\Wine", "Version"};
    NavigateRegistryEditor(request, automation);

    const std::string log = ReadWholeFile(logPath);
    EXPECT_EQ(log.rfind("started ", 0), 0u) << "the stand-in was not the program the shell started";
    HWND window = FindWindowA("RegEdit_RegEdit", nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_THAT(PaneMessagesInLog(log), ::testing::ElementsAreArray(ExpectedPaneMessages(request)));
    // A second jump finds the running editor instead of starting another one.
    NavigateRegistryEditor(request, automation);
    const std::vector<std::string> lines = Lines(ReadWholeFile(logPath));
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](auto& l) { return l.rfind("started", 0) == 0; }), 1);
}

}  // namespace
}  // namespace zelkova
