// Jumps from Zelkova.exe into Wine's own Registry Editor, checked by what the editor shows: the
// key path in its status bar and the value selected in its list. Every jump goes through the
// program's jump field and Jump button, or through a favourite and the list's Jump or a double
// click, or through Jump from Clipboard.
#include "platform/WineDetection.h"

#include "support/DesktopInput_win.h"
#include "support/WineRegistryEditor_win.h"
#include "support/ZelkovaApp_win.h"
#include "support/ZelkovaDriver_win.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace zelkova {
namespace {

using namespace zelkova::testing;

// Below HKEY_CURRENT_USER; the test makes it and removes it.
constexpr const char* kBase = "Software\\Zelkova Jump Test";
const std::string kUserBase = std::string("HKEY_CURRENT_USER\\") + kBase;

class WineRegistryEditorJump : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        problem_ = EnsureWinesOwnRegistryEditor();
        CloseEveryRegistryEditor();
        tree_ = std::make_unique<ScratchRegistryTree>(kBase);
        bool made = true;
        for (const char* key : {"Key 3.0", "Mixed_Case-4\\v1.2.3", "a1\\B-2\\c_3\\D.4 x\\e 5\\MixedCase_Name-6.7",
                                "Alpha", "Alphabet", "Alpha 2\\Inner", "Alp"})
            made = tree_->AddKey(key) && made;
        for (const char* value : {"Version", "Version Two", "Install Path", "Zeta"})
            made = tree_->AddValue("Key 3.0", value, "data") && made;
        if (!made) problem_ = "could not make the test keys";
        // The list holds favourites, so that its Jump and a double click can be driven too.
        WriteSettings("[RegistryList]\r\nCount=2\r\n0=" + kUserBase + "\\Mixed_Case-4\\v1.2.3\r\n1=[" +
                      kUserBase + "\\Alpha 2\\Inner]\r\n[CommentList]\r\n0=favourite\r\n1=from a .reg file\r\n");
        app_ = std::make_unique<ZelkovaApp>();
    }
    static void TearDownTestSuite() {
        app_.reset();
        CloseEveryRegistryEditor();
        tree_.reset();
        RemoveSettings();
        std::printf("[ landed   ] %d of %d jumps into Wine's Registry Editor\n", landed_, attempted_);
    }
    void SetUp() override {
        ASSERT_EQ(problem_, "");
        ASSERT_TRUE(RunsUnderWine()) << "these tests drive Wine's own editor";
        ASSERT_TRUE(app_ && app_->Started()) << "Zelkova.exe showed no main window";
    }
    void TearDown() override {
        // A failed jump may have left the failure message up.
        if (HWND box = app_->WaitForMessageBox(std::chrono::milliseconds(0))) ZelkovaApp::CloseMessageBox(box);
    }

    // Types the text into the jump field and presses Jump; returns once Zelkova has finished
    // handling the click. A marker posted behind the click is handled only after it.
    static void PressJump(const std::string& text) {
        app_->SetJumpText(text);
        ZelkovaApp::Click(app_->JumpButton());
    }
    static bool WaitForClicksHandled() {
        HWND field = app_->JumpField();
        SendMessageA(field, EM_SETSEL, 0, 0);
        PostMessageA(field, EM_SETSEL, 0, -1);
        return WaitUntil(
            [&] {
                DWORD end = 0;
                SendMessageA(field, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&end));
                return end > 0;
            },
            std::chrono::seconds(30));
    }

    // Whether the editor shows exactly the key and value; counted for the report.
    static ::testing::AssertionResult Shows(const std::string& key, const std::string& value = "") {
        ++attempted_;
        if (!WaitForClicksHandled()) return ::testing::AssertionFailure() << "Zelkova did not finish the jump";
        if (app_->WaitForMessageBox(std::chrono::milliseconds(0)))
            return ::testing::AssertionFailure() << "Zelkova showed its failure message";
        HWND editor = RegistryEditorWindow();
        if (!editor) return ::testing::AssertionFailure() << "no editor window";
        const std::string shownKey = SelectedKeyPath(editor);
        const std::string shownValue = SelectedValueName(editor);
        if (shownKey != key || shownValue != value)
            return ::testing::AssertionFailure()
                   << "editor shows key \"" << shownKey << "\" value \"" << shownValue << "\", expected \"" << key
                   << "\" value \"" << value << "\"";
        // Wine's panes show their selection only with the focus: the value's list, or else the tree.
        const char* focused = value.empty() ? "SysTreeView32" : "SysListView32";
        if (FocusOf(editor) != RegistryEditorPane(editor, focused))
            return ::testing::AssertionFailure() << "the focus is not in the " << focused;
        ++landed_;
        return ::testing::AssertionSuccess();
    }
    static ::testing::AssertionResult JumpLands(const std::string& text, const std::string& key,
                                                const std::string& value = "") {
        PressJump(text);
        return Shows(key, value);
    }

    static inline std::string problem_;
    static inline std::unique_ptr<ScratchRegistryTree> tree_;
    static inline std::unique_ptr<ZelkovaApp> app_;
    static inline int attempted_ = 0, landed_ = 0;
};

TEST_F(WineRegistryEditorJump, FirstJumpStartsTheEditorAndLands) {
    CloseEveryRegistryEditor();
    ASSERT_EQ(CountRegistryEditorWindows(), 0);
    EXPECT_TRUE(JumpLands("HKCU\\Software\\Wine", "HKEY_CURRENT_USER\\Software\\Wine"));
    EXPECT_EQ(CountRegistryEditorWindows(), 1);
    // The next jump finds that editor rather than starting another.
    EXPECT_TRUE(JumpLands("HKCU\\Software", "HKEY_CURRENT_USER\\Software"));
    EXPECT_EQ(CountRegistryEditorWindows(), 1);
}

TEST_F(WineRegistryEditorJump, EditorStartedByTheUserIsUsed) {
    CloseEveryRegistryEditor();
    ASSERT_NE(StartRegistryEditor(), nullptr);
    EXPECT_TRUE(JumpLands(kUserBase + "\\Key 3.0", kUserBase + "\\Key 3.0"));
    EXPECT_EQ(CountRegistryEditorWindows(), 1);
}

TEST_F(WineRegistryEditorJump, EveryRootKey) {
    EXPECT_TRUE(JumpLands("HKCR\\.ini", "HKEY_CLASSES_ROOT\\.ini"));
    EXPECT_TRUE(JumpLands("hkcu\\software\\wine", "HKEY_CURRENT_USER\\Software\\Wine"));
    EXPECT_TRUE(JumpLands("HKEY_LOCAL_MACHINE\\SOFTWARE\\microsoft\\Windows\\CurrentVersion",
                          "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion"));
    EXPECT_TRUE(JumpLands("HKU\\.Default", "HKEY_USERS\\.Default"));
    EXPECT_TRUE(JumpLands("HKCC\\Software\\Fonts", "HKEY_CURRENT_CONFIG\\Software\\Fonts"));
}

TEST_F(WineRegistryEditorJump, PathAsTheEditorWritesIt) {
    // What the address bar and "Copy Key Name" give: a first word ("Computer", translated on
    // other systems) before the full root name.
    EXPECT_TRUE(JumpLands("Computer\\" + kUserBase + "\\Key 3.0", kUserBase + "\\Key 3.0"));
    EXPECT_TRUE(JumpLands("Computador\\" + kUserBase + "\\Key 3.0\\Install Path", kUserBase + "\\Key 3.0",
                          "Install Path"));
}

TEST_F(WineRegistryEditorJump, PathsAsOtherProgramsWriteThem) {
    const std::string below = std::string(kBase) + "\\";  // below HKEY_CURRENT_USER
    EXPECT_TRUE(JumpLands("HKCU:\\" + below + "Key 3.0", kUserBase + "\\Key 3.0"));
    EXPECT_TRUE(JumpLands("Registry::" + kUserBase + "\\Alpha", kUserBase + "\\Alpha"));
    EXPECT_TRUE(JumpLands("microsoft.powershell.core\\registry::" + kUserBase + "\\Alphabet",
                          kUserBase + "\\Alphabet"));
    EXPECT_TRUE(JumpLands("[" + kUserBase + "\\Alp]", kUserBase + "\\Alp"));
    EXPECT_TRUE(JumpLands("[-" + kUserBase + "\\a1\\B-2]", kUserBase + "\\a1\\B-2"));
    EXPECT_TRUE(JumpLands("\"HKCU\\" + below + "Mixed_Case-4\"", kUserBase + "\\Mixed_Case-4"));
    EXPECT_TRUE(JumpLands("\"HKCU:\\" + below + "Key 3.0\\Install Path\"", kUserBase + "\\Key 3.0", "Install Path"));

    // Jump from Clipboard and the list's double click take the same way.
    HWND listWindow = FindDescendants(app_->Main(), "SysListView32").at(0);
    app_->SetJumpText("marker");  // the field must hold text for the check that the jump is done
    SetClipboardText("  Registry::HKEY_CURRENT_USER\\" + below + "a1\\B-2\\c_3\r\n");
    ASSERT_TRUE(ChooseFromContextMenu(*app_, listWindow, 'c'));
    EXPECT_TRUE(Shows(kUserBase + "\\a1\\B-2\\c_3"));

    const RemoteListView favourites(listWindow);
    ASSERT_EQ(favourites.Text(1, 0), "[" + kUserBase + "\\Alpha 2\\Inner]");
    const RECT row = favourites.ItemRect(1);
    const LPARAM at = MAKELPARAM(row.left + 20, (row.top + row.bottom) / 2);
    PostMessageA(listWindow, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(listWindow, WM_LBUTTONUP, 0, at);
    PostMessageA(listWindow, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageA(listWindow, WM_LBUTTONUP, 0, at);
    EXPECT_TRUE(Shows(kUserBase + "\\Alpha 2\\Inner"));
}

TEST_F(WineRegistryEditorJump, DeepKeysWithBlanksDotsDigitsHyphensAndUnderscores) {
    EXPECT_TRUE(JumpLands("HKCU\\Software\\Zelkova Jump Test\\Key 3.0", kUserBase + "\\Key 3.0"));
    EXPECT_TRUE(JumpLands("HKCU\\Software\\Zelkova Jump Test\\Mixed_Case-4\\v1.2.3",
                          kUserBase + "\\Mixed_Case-4\\v1.2.3"));
    // Eight levels below the root, typed in another letter case.
    EXPECT_TRUE(JumpLands("hkcu\\software\\zelkova jump test\\A1\\b-2\\C_3\\d.4 X\\E 5\\mixedcase_name-6.7",
                          kUserBase + "\\a1\\B-2\\c_3\\D.4 x\\e 5\\MixedCase_Name-6.7"));
    EXPECT_TRUE(JumpLands("HKCU\\Software\\Zelkova Jump Test\\a1\\B-2\\c_3",
                          kUserBase + "\\a1\\B-2\\c_3"));
}

TEST_F(WineRegistryEditorJump, NamesThatBeginTheirSiblingsNames) {
    EXPECT_TRUE(JumpLands(kUserBase + "\\Alp", kUserBase + "\\Alp"));
    EXPECT_TRUE(JumpLands(kUserBase + "\\Alpha", kUserBase + "\\Alpha"));
    EXPECT_TRUE(JumpLands(kUserBase + "\\Alphabet", kUserBase + "\\Alphabet"));
    EXPECT_TRUE(JumpLands(kUserBase + "\\Alpha 2\\Inner", kUserBase + "\\Alpha 2\\Inner"));
}

TEST_F(WineRegistryEditorJump, ValuesIncludingOneWithABlank) {
    EXPECT_TRUE(JumpLands(kUserBase + "\\Key 3.0\\Version", kUserBase + "\\Key 3.0", "Version"));
    EXPECT_TRUE(JumpLands(kUserBase + "\\Key 3.0\\Install Path", kUserBase + "\\Key 3.0", "Install Path"));
    EXPECT_TRUE(JumpLands(kUserBase + "\\Key 3.0\\version two", kUserBase + "\\Key 3.0", "Version Two"));
    // A value after a key jump to the same key: the list's selection follows.
    EXPECT_TRUE(JumpLands(kUserBase + "\\Key 3.0\\Zeta", kUserBase + "\\Key 3.0", "Zeta"));
}

TEST_F(WineRegistryEditorJump, MinimisedEditorIsRestoredAndLands) {
    ASSERT_TRUE(JumpLands("HKCU\\Software", "HKEY_CURRENT_USER\\Software"));
    HWND editor = RegistryEditorWindow();
    ASSERT_TRUE(MinimiseThroughWindowManager(editor));
    EXPECT_TRUE(JumpLands(kUserBase + "\\Key 3.0\\Version", kUserBase + "\\Key 3.0", "Version"));
    EXPECT_FALSE(IsIconic(editor));
}

TEST_F(WineRegistryEditorJump, EditorLeftAtAnotherKey) {
    ASSERT_TRUE(JumpLands(kUserBase + "\\a1\\B-2\\c_3\\D.4 x\\e 5", kUserBase + "\\a1\\B-2\\c_3\\D.4 x\\e 5"));
    // The user walks the tree elsewhere with the arrow keys.
    HWND editor = RegistryEditorWindow();
    HWND tree = RegistryEditorPane(editor, "SysTreeView32");
    for (int i = 0; i < 4; ++i) SendMessageA(tree, WM_KEYDOWN, VK_UP, 0);
    ASSERT_EQ(SelectedKeyPath(editor), kUserBase + "\\a1");
    EXPECT_TRUE(JumpLands("HKLM\\Software\\Wine", "HKEY_LOCAL_MACHINE\\Software\\Wine"));
    EXPECT_TRUE(JumpLands(kUserBase + "\\a1\\B-2", kUserBase + "\\a1\\B-2"));
}

TEST_F(WineRegistryEditorJump, TwoJumpsInARow) {
    PressJump(kUserBase + "\\Alphabet");
    PressJump(kUserBase + "\\Mixed_Case-4\\v1.2.3");
    EXPECT_TRUE(Shows(kUserBase + "\\Mixed_Case-4\\v1.2.3"));
    // And the same two once more, the editor now at the second.
    PressJump(kUserBase + "\\Key 3.0\\Install Path");
    PressJump(kUserBase + "\\Alphabet");
    EXPECT_TRUE(Shows(kUserBase + "\\Alphabet"));
}

TEST_F(WineRegistryEditorJump, FavouritesJump) {
    const std::vector<HWND> lists = FindDescendants(app_->Main(), "SysListView32");
    ASSERT_EQ(lists.size(), 1u);
    const RemoteListView favourites(lists[0]);
    ASSERT_EQ(favourites.Count(), 2);
    favourites.Select(0);
    // The list's Jump is the second button captioned "&Jump".
    HWND listJump = nullptr;
    int seen = 0;
    for (HWND button : FindDescendants(app_->Main(), "TsuiButton"))
        if (WindowText(button) == "&Jump" && seen++ == 1) listJump = button;
    ASSERT_NE(listJump, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(listJump) != FALSE; }));
    ZelkovaApp::Click(listJump);
    EXPECT_TRUE(Shows(kUserBase + "\\Mixed_Case-4\\v1.2.3"));
}

}  // namespace
}  // namespace zelkova
