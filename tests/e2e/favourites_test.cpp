// The favourites list of Zelkova.exe driven as a user would: the key entry dialog, the list's
// buttons and their enabling, the clipboard commands, the double click, and the settings file
// that keeps the list from one run to the next.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/RecordingEditor.h"
#include "support/ZelkovaDriver_win.h"

namespace zelkova::testing {
namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

std::string SettingsWith(const Rows& rows) {
    std::string text = "[RegistryList]\r\nCount=" + std::to_string(rows.size()) + "\r\n";
    for (std::size_t i = 0; i < rows.size(); ++i) text += std::to_string(i) + "=" + rows[i].first + "\r\n";
    text += "[CommentList]\r\n";
    for (std::size_t i = 0; i < rows.size(); ++i) text += std::to_string(i) + "=" + rows[i].second + "\r\n";
    return text;
}

// Zelkova.exe started over a settings file of the given rows.
class Favourites : public ::testing::Test {
protected:
    void Start(const Rows& rows) { StartOver(SettingsWith(rows)); }
    void StartOver(const std::string& settings) {
        WriteSettings(settings);
        app = std::make_unique<ZelkovaApp>();
        ASSERT_TRUE(app->Started());
        const std::vector<HWND> lists = FindDescendants(app->Main(), "SysListView32");
        ASSERT_EQ(lists.size(), 1u);
        list = std::make_unique<RemoteListView>(lists[0]);
    }
    void TearDown() override { RemoveSettings(); }

    HWND Button(const std::string& caption) const {
        // The list's Jump is the second "&Jump": the first stands beside the jump field.
        int skip = caption == "&Jump" ? 1 : 0;
        for (HWND button : FindDescendants(app->Main(), "TsuiButton")) {
            if (WindowText(button) == caption && skip-- == 0) return button;
        }
        return nullptr;
    }
    // Which of the list's buttons are enabled now.
    std::string Enabled() const {
        std::string enabled;
        for (const char* caption : {"&Jump", "&Edit", "&Up", "&Down", "&Remove", "&Add to List"}) {
            if (IsWindowEnabled(Button(caption))) enabled += std::string(enabled.empty() ? "" : " ") + (caption + 1);
        }
        return enabled;
    }
    // The idle update runs when the program has nothing else to do: wait for it.
    bool EnabledBecomes(const std::string& expected) const {
        return WaitUntil([&] { return Enabled() == expected; }, std::chrono::seconds(5));
    }
    HWND WaitForDialog() const {
        return WaitForWindow([&] {
            HWND w = FindProcessWindow(app->ProcessId(), "TfrmAddRegistry");
            return w && IsWindowVisible(w) ? w : nullptr;
        });
    }
    static HWND DialogKeyField(HWND dialog) { return FindDescendants(dialog, "Edit").at(0); }
    static HWND DialogCommentField(HWND dialog) { return FindDescendants(dialog, "Edit").at(1); }
    static void SetText(HWND window, const std::string& text) {
        SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    // Opens the dialog with Add to List, fills it and presses OK.
    void AddThroughDialog(const std::string& key, const std::string& comment) {
        ZelkovaApp::Click(Button("&Add to List"));
        HWND dialog = WaitForDialog();
        ASSERT_NE(dialog, nullptr);
        SetText(DialogKeyField(dialog), key);
        SetText(DialogCommentField(dialog), comment);
        HWND ok = FindControl(dialog, "TsuiButton", "&OK");
        ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(ok) != FALSE; }));
        ZelkovaApp::Click(ok);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
        Settle(*app);
    }

    std::unique_ptr<ZelkovaApp> app;
    std::unique_ptr<RemoteListView> list;
};

TEST_F(Favourites, TheDialogEnablesOkOnlyForAFullRootAndRefusesDuplicates) {
    Start({{"HKEY_CURRENT_USER\\Software", "kept"}});
    app->SetJumpText("HKCU\\Software");
    ZelkovaApp::Click(Button("&Add to List"));
    HWND dialog = WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(dialog), "Add to list");
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, 390);
    EXPECT_EQ(client.bottom, 222);
    EXPECT_FALSE(IsWindowEnabled(app->Main()));

    HWND key = DialogKeyField(dialog);
    HWND ok = FindControl(dialog, "TsuiButton", "&OK");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(WindowText(key), "HKCU\\Software") << "the jump field's text comes along";
    EXPECT_EQ(WindowText(DialogCommentField(dialog)), "");
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(dialog) == key; }));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(ok); })) << "an abbreviated root is not enough";
    SaveScreenshot("zelkova-add-to-list");
    SetText(key, "xhkey_y");
    EXPECT_TRUE(WaitUntil([&] { return IsWindowEnabled(ok) != FALSE; })) << "HKEY_ anywhere, any case";
    SetText(key, "");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowEnabled(ok); }));

    // Escape leaves the dialog open; the close box cancels.
    PostMessageA(key, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    Sleep(300);
    EXPECT_TRUE(IsWindowVisible(dialog));
    SetText(key, "HKEY_LOCAL_MACHINE\\Cancelled");
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    Settle(*app);
    EXPECT_EQ(list->Count(), 1);

    // The same key in another case is refused; a trailing blank makes it another key.
    AddThroughDialog("hkey_current_user\\software", "refused");
    EXPECT_EQ(list->Rows(), (Rows{{"HKEY_CURRENT_USER\\Software", "kept"}}));
    AddThroughDialog("HKEY_CURRENT_USER\\Software ", "second");
    EXPECT_EQ(list->Rows(), (Rows{{"HKEY_CURRENT_USER\\Software", "kept"}, {"HKEY_CURRENT_USER\\Software ", "second"}}));
    EXPECT_EQ(list->Selected(), 1) << "the new entry is selected";
}

TEST_F(Favourites, ButtonsFollowTheSelectionAndMoveEditAndRemoveEntries) {
    Start({{"HKEY_CURRENT_USER\\A", "a"}, {"HKEY_CURRENT_USER\\B", "b"}, {"HKEY_CURRENT_USER\\C", ""}});
    EXPECT_EQ(list->Rows(), (Rows{{"HKEY_CURRENT_USER\\A", "a"}, {"HKEY_CURRENT_USER\\B", "b"}, {"HKEY_CURRENT_USER\\C", ""}}));
    EXPECT_EQ(list->Selected(), -1);
    EXPECT_TRUE(EnabledBecomes("Add to List")) << Enabled();

    list->Select(0);
    EXPECT_TRUE(EnabledBecomes("Jump Edit Down Remove Add to List")) << Enabled();
    ZelkovaApp::Click(Button("&Down"));
    EXPECT_TRUE(WaitUntil([&] { return list->Text(1, 0) == "HKEY_CURRENT_USER\\A"; }));
    Settle(*app);
    EXPECT_EQ(list->Rows(), (Rows{{"HKEY_CURRENT_USER\\B", "b"}, {"HKEY_CURRENT_USER\\A", "a"}, {"HKEY_CURRENT_USER\\C", ""}}));
    EXPECT_EQ(list->Selected(), 1) << "the moved entry stays selected";
    EXPECT_TRUE(EnabledBecomes("Jump Edit Up Down Remove Add to List")) << Enabled();
    ZelkovaApp::Click(Button("&Down"));
    EXPECT_TRUE(WaitUntil([&] { return list->Selected() == 2; }));
    EXPECT_TRUE(EnabledBecomes("Jump Edit Up Remove Add to List")) << Enabled() << "nothing below the last entry";
    ZelkovaApp::Click(Button("&Up"));
    EXPECT_TRUE(WaitUntil([&] { return list->Selected() == 1; }));
    EXPECT_EQ(list->Text(1, 1), "a") << "the comment moves with its key";

    ZelkovaApp::Click(Button("&Edit"));
    HWND dialog = WaitForDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(DialogKeyField(dialog)), "HKEY_CURRENT_USER\\A");
    EXPECT_EQ(WindowText(DialogCommentField(dialog)), "a");
    SetText(DialogKeyField(dialog), "HKEY_CURRENT_USER\\B");  // a copy of another entry is allowed
    SetText(DialogCommentField(dialog), "edited");
    HWND ok = FindControl(dialog, "TsuiButton", "&OK");
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(ok) != FALSE; }));
    ZelkovaApp::Click(ok);
    ASSERT_TRUE(WaitUntil([&] { return list->Text(1, 1) == "edited"; }));
    Settle(*app);
    EXPECT_EQ(list->Text(1, 0), "HKEY_CURRENT_USER\\B");
    EXPECT_EQ(list->Selected(), 1);

    ZelkovaApp::Click(Button("&Remove"));
    EXPECT_TRUE(WaitUntil([&] { return list->Count() == 2; }));
    Settle(*app);
    EXPECT_EQ(list->Rows(), (Rows{{"HKEY_CURRENT_USER\\B", "b"}, {"HKEY_CURRENT_USER\\C", ""}}));
    EXPECT_EQ(list->Selected(), -1) << "the selection does not pass to a neighbour";
    EXPECT_TRUE(EnabledBecomes("Add to List")) << Enabled();
    SaveScreenshot("zelkova-main-list");

    // The list is saved at close, densely numbered, and read back at the next start.
    ASSERT_TRUE(CloseAndWaitForExit(*app));
    EXPECT_EQ(ReadSetting("RegistryList", "Count"), "2");
    EXPECT_EQ(ReadSetting("RegistryList", "0"), "HKEY_CURRENT_USER\\B");
    EXPECT_EQ(ReadSetting("CommentList", "1"), "");
    app = std::make_unique<ZelkovaApp>();
    ASSERT_TRUE(app->Started());
    RemoteListView again(FindDescendants(app->Main(), "SysListView32").at(0));
    EXPECT_EQ(again.Rows(), (Rows{{"HKEY_CURRENT_USER\\B", "b"}, {"HKEY_CURRENT_USER\\C", ""}}));
}

// Blanks and quotation marks at either end, a trailing blank that makes another key, and more
// than 2,047 characters all come back; a line break comes back as a blank.
TEST_F(Favourites, TextsComeBackAtTheNextStartAsTheyWereAdded) {
    Start({});
    const std::string longKey = "HKEY_CURRENT_USER\\" + std::string(3000, 'k');
    AddThroughDialog("HKEY_CURRENT_USER\\Software\\X", "\"quoted\"");
    AddThroughDialog("HKEY_CURRENT_USER\\Software\\X ", "  padded  ");
    AddThroughDialog(longKey, "'single'");
    AddThroughDialog("HKEY_CURRENT_USER\\Lines", "two\r\nlines");
    const Rows added = {{"HKEY_CURRENT_USER\\Software\\X", "\"quoted\""},
                        {"HKEY_CURRENT_USER\\Software\\X ", "  padded  "},
                        {longKey, "'single'"},
                        {"HKEY_CURRENT_USER\\Lines", "two\r\nlines"}};
    ASSERT_EQ(list->Rows(), added);

    ASSERT_TRUE(CloseAndWaitForExit(*app));
    app = std::make_unique<ZelkovaApp>();
    ASSERT_TRUE(app->Started());
    RemoteListView again(FindDescendants(app->Main(), "SysListView32").at(0));
    Rows restored = added;
    restored.back().second = "two lines";
    EXPECT_EQ(again.Rows(), restored);
}

TEST_F(Favourites, AnUnwritableSettingsFileIsReportedAndTheWindowStaysOpen) {
    Start({{"HKEY_CURRENT_USER\\Kept", "k"}});
    // A folder where the file should be refuses every write.
    DeleteFileA(SettingsPath().c_str());
    ASSERT_TRUE(CreateDirectoryA(SettingsPath().c_str(), nullptr));
    ZelkovaApp::Click(Button("E&xit"));
    HWND box = app->WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ZelkovaApp::MessageBoxText(box), "Unable to write to " + SettingsPath() + ".");
    ZelkovaApp::CloseMessageBox(box);
    Sleep(300);
    EXPECT_TRUE(ProcessRunning(*app));
    EXPECT_TRUE(IsWindowVisible(app->Main()));

    // The close box gives the same report; once the file can be written the close goes through.
    PostMessageA(app->Main(), WM_CLOSE, 0, 0);
    box = app->WaitForMessageBox();
    ASSERT_NE(box, nullptr);
    ZelkovaApp::CloseMessageBox(box);
    EXPECT_TRUE(ProcessRunning(*app));
    RemoveDirectoryA(SettingsPath().c_str());
    ASSERT_TRUE(CloseAndWaitForExit(*app));
    EXPECT_EQ(ReadSetting("RegistryList", "0"), "HKEY_CURRENT_USER\\Kept");
}

// Wine's profile functions would tidy the hand-written lines (the blank line and the blanks
// around "=" go); the program's own file, which it uses under Wine, changes only what it writes.
TEST_F(Favourites, TheSaveLeavesLinesItDoesNotWriteAsTheyWere) {
    const std::string handWritten = "; kept by hand\r\n[Window]\r\nLeft = 10 \r\n\r\n";
    const std::string saved = SettingsWith({{"HKEY_CURRENT_USER\\A", "a"}});
    // Wine writes nothing when a value stays the same, so let the save change the count.
    std::string loaded = saved;
    loaded.replace(loaded.find("Count=1"), 7, "Count=0x1");
    StartOver(handWritten + loaded);
    ASSERT_TRUE(CloseAndWaitForExit(*app));
    EXPECT_EQ(ReadWholeFile(SettingsPath()), handWritten + saved);
}

TEST_F(Favourites, CopyToClipboardPutsTheKeyTextThereOrReportsABusyClipboard) {
    Start({{"HKEY_CURRENT_USER\\Software\\Wine", "comment"}});
    SetClipboardText("before");
    list->Select(0);
    Sleep(100);
    ASSERT_TRUE(ChooseFromContextMenu(*app, FindDescendants(app->Main(), "SysListView32").at(0), 'o'));
    EXPECT_TRUE(WaitUntil([] { return ClipboardText() == "HKEY_CURRENT_USER\\Software\\Wine"; }));

    // While this test holds the clipboard open, the copy is abandoned with the standard report.
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(ChooseFromContextMenu(*app, FindDescendants(app->Main(), "SysListView32").at(0), 'o'));
    HWND box = app->WaitForMessageBox();
    CloseClipboard();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ZelkovaApp::MessageBoxText(box), "Cannot open clipboard.");
    ZelkovaApp::CloseMessageBox(box);
    EXPECT_EQ(list->Count(), 1);
}

// Jumps that reach the stand-in Registry Editor, which logs what it is sent.
class FavouriteJumps : public Favourites {
protected:
    void SetUp() override {
        logPath = UseFreshEditorLog("fav_editor");
        editor = ChildProcess::Start(ProgramCommandLine("fake_regedit.exe"));
        ASSERT_TRUE(WaitForWindow([&] { return FindProcessWindow(editor.Id(), "RegEdit_RegEdit"); }));
    }
    void TearDown() override {
        Favourites::TearDown();
        DeleteFileA(logPath.c_str());
    }
    bool EditorReceived(const std::vector<std::string>& expected) const {
        WaitUntil([&] { return PaneMessagesInLog(ReadWholeFile(logPath)).size() >= expected.size(); });
        return PaneMessagesInLog(ReadWholeFile(logPath)) == expected;
    }

    std::string logPath;
    ChildProcess editor;
};

TEST_F(FavouriteJumps, DoubleClickJumpsToTheEntry) {
    Start({{"hkcu\\Software\\Wine", ""}});
    HWND listWindow = FindDescendants(app->Main(), "SysListView32").at(0);
    const RECT row = list->ItemRect(0);
    const LPARAM at = MAKELPARAM(row.left + 20, (row.top + row.bottom) / 2);
    PostMessageA(listWindow, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(listWindow, WM_LBUTTONUP, 0, at);
    PostMessageA(listWindow, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(listWindow, WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(EditorReceived(ExpectedPaneMessages({"HKEY_CURRENT_USER", "Software\\Wine", ""})));
    EXPECT_EQ(list->Count(), 1);
}

TEST_F(FavouriteJumps, JumpFromClipboardTrimsTheTextAndIgnoresTextWithoutHk) {
    Start({});
    HWND listWindow = FindDescendants(app->Main(), "SysListView32").at(0);
    SetClipboardText("no root here\\at all");
    ASSERT_TRUE(ChooseFromContextMenu(*app, listWindow, 'c'));
    EXPECT_EQ(app->WaitForMessageBox(std::chrono::milliseconds(800)), nullptr) << "no message for such text";
    EXPECT_TRUE(PaneMessagesInLog(ReadWholeFile(logPath)).empty());

    SetClipboardText("  hkcu\\Software\\Wine \r\n");
    ASSERT_TRUE(ChooseFromContextMenu(*app, listWindow, 'c'));
    EXPECT_TRUE(EditorReceived(ExpectedPaneMessages({"HKEY_CURRENT_USER", "Software\\Wine", ""})));
}

}  // namespace
}  // namespace zelkova::testing
