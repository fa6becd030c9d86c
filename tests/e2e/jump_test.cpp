#include "support/RecordingEditor.h"
#include "support/ZelkovaApp_win.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>


namespace zelkova {
namespace {

using namespace zelkova::testing;

class JumpEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        logPath = UseFreshEditorLog("e2e_editor");
        editor = ChildProcess::Start(ProgramCommandLine("fake_regedit.exe"));
        ASSERT_TRUE(WaitForWindow([&] { return FindProcessWindow(editor.Id(), "RegEdit_RegEdit"); }));
        ASSERT_TRUE(app.Started()) << "Zelkova.exe showed no main window";
        ASSERT_NE(app.JumpField(), nullptr);
        ASSERT_NE(app.JumpButton(), nullptr);
    }
    void TearDown() override { DeleteFileA(logPath.c_str()); }

    void Jump(const std::string& text) {
        app.SetJumpText(text);
        ZelkovaApp::Click(app.JumpButton());
    }

    std::string logPath;
    ChildProcess editor;
    ZelkovaApp app;
};

TEST_F(JumpEndToEnd, MainWindowHasItsClassCaptionAndClientSize) {
    EXPECT_EQ(WindowText(app.Main()), "Free Zelkova");
    RECT client{};
    GetClientRect(app.Main(), &client);
    EXPECT_EQ(client.right, 513);
    EXPECT_EQ(client.bottom, 397);
}

TEST_F(JumpEndToEnd, WrongTextShowsTheFailureMessage) {
    for (const char* text : {"Software\\Microsoft", "xxHKyy\\Software"}) {
        Jump(text);
        HWND box = app.WaitForMessageBox();
        ASSERT_NE(box, nullptr) << text;
        EXPECT_EQ(ZelkovaApp::MessageBoxText(box), "Please check whether the registry key or value exist.");
        ZelkovaApp::CloseMessageBox(box);
        EXPECT_EQ(WindowText(app.JumpField()), text) << "the field keeps its text";
    }
    EXPECT_TRUE(PaneMessagesInLog(ReadWholeFile(logPath)).empty());
}

TEST_F(JumpEndToEnd, RootWithoutBackslashDoesNothing) {
    Jump("HKCU");
    EXPECT_EQ(app.WaitForMessageBox(std::chrono::milliseconds(1500)), nullptr);
    EXPECT_TRUE(PaneMessagesInLog(ReadWholeFile(logPath)).empty());
}

TEST_F(JumpEndToEnd, ExistingKeyDrivesTheEditor) {
    Jump("hkcu\\Software\\Wine");
    const std::vector<std::string> expected = ExpectedPaneMessages({"HKEY_CURRENT_USER", "Software\\Wine", ""});
    EXPECT_TRUE(WaitUntil([&] { return PaneMessagesInLog(ReadWholeFile(logPath)).size() >= expected.size(); }));
    EXPECT_THAT(PaneMessagesInLog(ReadWholeFile(logPath)), ::testing::ElementsAreArray(expected));
    EXPECT_EQ(app.WaitForMessageBox(std::chrono::milliseconds(200)), nullptr);
}

}  // namespace
}  // namespace zelkova
