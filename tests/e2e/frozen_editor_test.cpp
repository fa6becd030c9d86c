// A Registry Editor that has stopped answering must not take Zelkova down with it: after a
// click on Jump, Zelkova's message loop runs again within a few seconds. That is proved with a
// character posted to the jump field. A sent message would not do: a thread waiting inside
// SendMessage still answers those.
#include "support/RecordingEditor.h"
#include "support/ZelkovaApp_win.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

namespace zelkova {
namespace {

using namespace zelkova::testing;

// One reply limit is what a stopped editor costs; the rest is room for a slow machine. An
// editor that holds Zelkova for good fails however long this is.
constexpr auto kBackWithin = std::chrono::milliseconds(3 * kEditorReplyLimitMs);

class FrozenEditorEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        logPath = UseFreshEditorLog("e2e_frozen");
        ASSERT_EQ(FindWindowA("RegEdit_RegEdit", nullptr), nullptr) << "another editor would take the jump";
    }
    void TearDown() override { DeleteFileA(logPath.c_str()); }

    void StartEditor(const std::string& options) {
        editor = ChildProcess::Start(ProgramCommandLine("fake_regedit.exe") + " " + options);
        editorWindow = WaitForWindow([&] { return FindProcessWindow(editor.Id(), "RegEdit_RegEdit"); });
        ASSERT_NE(editorWindow, nullptr);
        app = std::make_unique<ZelkovaApp>();
        ASSERT_TRUE(app->Started()) << "Zelkova.exe showed no main window";
    }

    void EndEditorAndZelkova() {
        app.reset();
        editor.Terminate();
        DeleteFileA(logPath.c_str());
    }

    bool LogSays(const std::string& text) const { return ReadWholeFile(logPath).find(text) != std::string::npos; }

    // Clicks Jump, then posts a character to the jump field behind the click: it shows in the
    // field only once the Jump handler has returned to the loop.
    void JumpAndExpectZelkovaBack() {
        app->SetJumpText("HKCU\\Software\\Wine");
        const auto clicked = std::chrono::steady_clock::now();
        ZelkovaApp::Click(app->JumpButton());
        PostMessageA(app->JumpField(), WM_CHAR, '#', 1);
        const bool back = WaitUntil([&] { return WindowText(app->JumpField()).find('#') != std::string::npos; },
                                    kBackWithin);
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - clicked);
        ASSERT_TRUE(back) << "Zelkova took no typed character within " << kBackWithin.count() << " ms of the click";
        std::printf("Zelkova took a typed character again %lld ms after the click\n",
                    static_cast<long long>(took.count()));
    }

    std::string logPath;
    ChildProcess editor;
    HWND editorWindow = nullptr;
    std::unique_ptr<ZelkovaApp> app;
};

// Both layouts: panes as direct children (typed to) and one level down as in Wine's editor
// (their items selected).
constexpr const char* kLayouts[] = {"", "--nested"};

TEST_F(FrozenEditorEndToEnd, EditorFrozenBeforeTheJump) {
    for (const char* layout : kLayouts) {
        SCOPED_TRACE(*layout ? "panes one level down" : "panes as direct children");
        StartEditor(layout);
        PostMessageA(editorWindow, WM_APP, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return LogSays("frozen on request"); }));
        JumpAndExpectZelkovaBack();
        EXPECT_TRUE(PaneMessagesInLog(ReadWholeFile(logPath)).empty());
        EndEditorAndZelkova();
    }
}

TEST_F(FrozenEditorEndToEnd, EditorFreezingInsideTheJump) {
    for (const char* layout : kLayouts) {
        SCOPED_TRACE(*layout ? "panes one level down" : "panes as direct children");
        StartEditor(std::string("--freeze-in-pane ") + layout);
        JumpAndExpectZelkovaBack();
        EXPECT_TRUE(LogSays("frozen in tree")) << ReadWholeFile(logPath);
        EndEditorAndZelkova();
    }
}

}  // namespace
}  // namespace zelkova
