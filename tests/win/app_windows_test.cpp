// The application's windows built in this process over fakes, for what cannot be seen from
// outside: which page each link opens, the notification-area record, the title strip's layout
// after showing, the properties every button shares, and the failure message's box.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "favourites/Global.h"
#include "gui/Canvas.h"
#include "gui/Gdi.h"
#include "gui/Label.h"
#include "platform/WinProfileFile.h"
#include "support/FakeRegistry.h"
#include "support/GuiTesting_win.h"
#include "support/RecordingEditor.h"
#include "ui/About.h"
#include "ui/AddRegistry.h"
#include "ui/FailureMessage.h"
#include "ui/Main.h"
#include "ui/Product.h"
#include "ui/TrayIcon.h"

namespace zelkova {
namespace {

using namespace gui_testing;

struct ShellCall {
    HWND owner;
    std::string verb;
    std::string file;
    int show;
};

class RecordingShell : public UrlShell {
public:
    void Execute(HWND owner, const char* verb, const std::string& file, int show) override {
        calls.push_back({owner, verb, file, show});
    }
    std::vector<ShellCall> calls;
};

class FakeClipboard : public Clipboard {
public:
    bool HasText() const override { return !text.empty(); }
    std::string GetText() override { return text; }
    void SetText(const std::string& value) override { text = value; }
    std::string text;
};

class NoFailures : public FailureNotifier {
public:
    void ShowKeyNotFound() override { ++shown; }
    int shown = 0;
};

// Settings in a folder of the test's own.
class ScratchEnvironment : public SettingsEnvironment {
public:
    ScratchEnvironment() {
        folder_ = std::filesystem::temp_directory_path() / ("zelkova_windows_" + std::to_string(GetCurrentProcessId()));
        std::filesystem::create_directories(folder_);
    }
    ~ScratchEnvironment() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string ApplicationDataFolder() override { return folder_.string(); }
    bool FolderExists(const std::string& path) override { return std::filesystem::is_directory(path); }
    bool CreateFolder(const std::string& path) override { return std::filesystem::create_directory(path); }
    std::string ExecutablePath() override { return folder_.string() + "\\test.exe"; }
    std::filesystem::path Folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};

class AppWindows : public ::testing::Test {
protected:
    AppWindows() { TestApplication(); }

    TfrmMain& Main() {
        if (!main_) main_ = std::make_unique<TfrmMain>(MainServices{registry, editor, failures, shell, clipboard, settings});
        return *main_;
    }

    testing::FakeRegistry registry;
    testing::RecordingEditor editor;
    NoFailures failures;
    RecordingShell shell;
    FakeClipboard clipboard;
    ScratchEnvironment environment;
    SettingsFile settings{environment, OpenWinProfileFile};
    std::unique_ptr<TfrmMain> main_;
};

// Where a label's caption ends up with the fonts this prefix really has: inside the label,
// inside its parent, and clear of every windowed control beside it.
void ExpectLabelsFit(WinControl& parent) {
    const Rect area = parent.ClientRect();
    for (Control* control : parent.Controls()) {
        if (auto* container = dynamic_cast<WinControl*>(control)) {
            ExpectLabelsFit(*container);
            continue;
        }
        auto* label = dynamic_cast<Label*>(control);
        if (label == nullptr || !label->Visible()) continue;
        SCOPED_TRACE(parent.Name() + " / " + label->Name() + " \"" + label->Caption() + "\"");
        WindowDC screen(nullptr);
        Canvas canvas(screen.get());
        canvas.SetFont(label->GetFont());
        Rect needed{0, 0, label->WordWrap() ? label->Width() : 0, 0};
        canvas.DrawText(label->Caption(), needed, DT_CALCRECT | DT_EXPANDTABS |
                        (label->WordWrap() ? DT_WORDBREAK : DT_SINGLELINE), -1);
        EXPECT_LE(needed.Width(), label->Width());
        EXPECT_LE(needed.Height(), label->Height());
        const Rect bounds = label->BoundsRect();
        EXPECT_TRUE(bounds.left >= area.left && bounds.top >= area.top && bounds.right <= area.right &&
                    bounds.bottom <= area.bottom)
            << "outside its parent's " << area.Width() << " x " << area.Height();
        for (Control* other : parent.Controls()) {
            if (!other->IsWindowed() || !other->Visible()) continue;
            const Rect sibling = other->BoundsRect();
            EXPECT_TRUE(bounds.right <= sibling.left || sibling.right <= bounds.left ||
                        bounds.bottom <= sibling.top || sibling.bottom <= bounds.top)
                << "runs under " << other->Name();
        }
    }
}

TEST(TrayIconRecord, IsTheFirstVersionRecordWithTheWindowAsIdentifierAndTheTwoLineTip) {
    HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x12345));
    HICON icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    const NOTIFYICONDATAA record = MakeTrayIconRecord(window, icon);
    EXPECT_EQ(record.cbSize, NOTIFYICONDATAA_V1_SIZE);
    EXPECT_EQ(record.hWnd, window);
    EXPECT_EQ(record.uID, 0x12345u);
    EXPECT_EQ(record.uFlags, 7u);
    EXPECT_EQ(record.uCallbackMessage, 0x5A02u);
    EXPECT_EQ(record.hIcon, icon);
    EXPECT_STREQ(record.szTip, "Left Click to activate Zelkova\r\nRight Click to popup menu");
}

TEST(KeyNotFoundMessage, IsAnOkBoxWithTheInformationIconOwnedByTheApplicationWindow) {
    RecordingMessageBox boxes;
    ApplicationFailureNotifier().ShowKeyNotFound();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].owner, TestApplication().Handle());
    EXPECT_EQ(boxes.boxes[0].flags, 0x40u);
    EXPECT_EQ(boxes.boxes[0].caption, "Free Zelkova");
    EXPECT_EQ(boxes.boxes[0].text, kKeyNotFoundMessage);
}

TEST_F(AppWindows, MainWindowLinksOpenTheirPages) {
    TfrmMain& main = Main();
    main.Image1->Click();
    main.lTitle->Click();
    main.lUpdate->SetShell(&shell);
    main.lUpdate->Click();
    ASSERT_EQ(shell.calls.size(), 3u);
    EXPECT_EQ(shell.calls[0].file, kHomePage) << "the icon opens the home page, from the string table";
    EXPECT_EQ(shell.calls[0].owner, main.Handle());
    EXPECT_EQ(shell.calls[0].verb, "Open");
    EXPECT_EQ(shell.calls[0].show, SW_SHOW);
    EXPECT_EQ(shell.calls[1].file, kMakerSite);
    EXPECT_EQ(shell.calls[2].file, kUpdatePage);
}

TEST_F(AppWindows, MenusHoldTheirItemsInOrder) {
    TfrmMain& main = Main();
    std::vector<std::string> context, tray;
    for (MenuItem* item : main.PopupMenu1->Items()) context.push_back(item->Caption());
    for (MenuItem* item : main.pmSelf->Items()) tray.push_back(item->Caption());
    EXPECT_EQ(context, (std::vector<std::string>{"Jump from &Clipboard", "-", "&Add to List", "&Jump", "-", "&Up",
                                                 "&Down", "&Remove", "-", "C&opy to Clipboard"}));
    EXPECT_EQ(tray, (std::vector<std::string>{"&Open", "-", "Jump from &Clipboard", "-", "&Hompage",
                                              "&Check for Update", "-", "&Exit"}));
    main.pmSelf->Items()[4]->Click();
    main.pmSelf->Items()[5]->Click();
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[0].file, kHomePage);
    EXPECT_EQ(shell.calls[1].file, main.lUpdate->URL());
}

TEST_F(AppWindows, ShowingLaysTheTitleStripAcrossTheWindowAndFocusesTheJumpField) {
    TfrmMain& main = Main();
    main.Show();
    PumpPending();
    EXPECT_EQ(main.imgTitle->BoundsRect(), (Rect{0, 0, 513, 50}));
    EXPECT_EQ(main.lUpdate->Left() + main.lUpdate->Width(), 513 - 10);
    EXPECT_EQ(main.lUpdate->Top(), 24);
    EXPECT_EQ(main.iUpdate->Left(), main.lUpdate->Left() - 20);
    EXPECT_EQ(main.lUpdate->GetFont().Color(), kWhite) << "FormCreate makes the link white";
    // Where the form puts the focus (another program may hold the desktop's foreground).
    EXPECT_EQ(main.ActiveControl(), main.eRegKey);
    main.Hide();
}

TEST_F(AppWindows, EveryButtonHasTheSharedLookAndOnlyJumpHasAGlyph) {
    TfrmMain& main = Main();
    for (TsuiButton* button : {main.bExit, main.bOpen, main.bAbout, main.suiButton1, main.bJumpFromList,
                               main.suiButton3, main.suiButton4, main.suiButton5, main.bEdit}) {
        SCOPED_TRACE(button->Name());
        EXPECT_EQ(button->UIStyle(), TsuiUIStyle::MacOS);
        EXPECT_TRUE(button->Transparent());
        EXPECT_FALSE(button->Default());
        EXPECT_FALSE(button->Cancel());
        EXPECT_EQ(button->ModalResult(), 0);
        EXPECT_EQ(button->FocusedRectMargin(), 2);
        EXPECT_EQ(button->Spacing(), 4);
        EXPECT_EQ(button->MouseContinuouslyDownInterval(), 100);
        EXPECT_EQ(button->GetFont().Height(), -11);
        EXPECT_EQ(button->GetFont().Color(), kBlack);
        EXPECT_EQ(button->GetPopupMenu(), main.PopupMenu1);
        EXPECT_EQ(button->Glyph() != nullptr, button == main.bOpen);
    }
    const SIZE glyph = BitmapSize(main.bOpen->Glyph());
    EXPECT_EQ(glyph.cx, 16);
    EXPECT_EQ(glyph.cy, 16);
    EXPECT_EQ(main.suiButton1->Caption(), "&Add to List") << "bound buttons take the action's caption";

    std::vector<std::string> tabOrder;
    for (WinControl* control : main.TabList()) tabOrder.push_back(control->Name());
    EXPECT_EQ(tabOrder, (std::vector<std::string>{"bExit", "GroupBox2", "bAbout", "ListView1", "suiButton1",
                                                   "bJumpFromList", "suiButton3", "suiButton4", "suiButton5", "bEdit"}));
    EXPECT_EQ(main.eRegKey->TabOrder(), 0);
    EXPECT_EQ(main.bOpen->TabOrder(), 1);
    EXPECT_EQ(main.Image1->GetPopupMenu(), nullptr);
}

TEST_F(AppWindows, CreationLoadsTheFavouritesAndClosingSavesThem) {
    std::filesystem::create_directories(environment.Folder() / "Velund" / "Zelkova");
    std::ofstream(environment.Folder() / "Velund" / "Zelkova" / "options.ini")
        << "[RegistryList]\r\nCount=0x2\r\n0=HKEY_CURRENT_USER\\A\r\n1=HKEY_CURRENT_USER\\B\r\n[CommentList]\r\n0=a\r\n";
    TfrmMain& main = Main();
    ASSERT_EQ(main.ListView1->ItemCount(), 2);
    EXPECT_EQ(main.ListView1->ItemText(0, 0), "HKEY_CURRENT_USER\\A");
    EXPECT_EQ(main.ListView1->ItemText(0, 1), "a");
    EXPECT_EQ(main.ListView1->Selected(), -1);
    EXPECT_FALSE(main.aEdit->Enabled()) << "the actions are up to date before the first idle moment";
    EXPECT_TRUE(main.aAddList->Enabled());

    main.ListView1->SetSelected(1);
    main.aMoveUp->Execute();
    EXPECT_EQ(main.ListView1->ItemText(0, 0), "HKEY_CURRENT_USER\\B");
    CloseAction action = CloseAction::Hide;
    main.FormClose(action);
    FavouritesList saved;
    settings.LoadFavourites(saved);
    ASSERT_EQ(saved.Count(), 2);
    EXPECT_EQ(saved.At(0).KeyText, "HKEY_CURRENT_USER\\B");
    EXPECT_EQ(saved.At(1).Comment, "a");
}

TEST_F(AppWindows, KeyEntryDialogLaunchesTheEditorAndEnablesOkForAFullRoot) {
    TfrmAddRegistry dialog(&Main(), shell);
    dialog.Show();
    dialog.bLaunchRegedit->Click();
    dialog.bLaunchRegedit->Click();
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[0].owner, dialog.Handle());
    EXPECT_EQ(shell.calls[0].verb, "Open");
    EXPECT_EQ(shell.calls[0].file, "Regedit.exe");
    EXPECT_EQ(shell.calls[0].show, SW_SHOW);
    EXPECT_TRUE(IsWindowVisible(dialog.Handle())) << "the dialog stays open";

    for (const auto& [text, enabled] : std::vector<std::pair<std::string, bool>>{
             {"", false}, {"HKCU\\Software", false}, {"hkey_", true}, {"xHKEY_y", true}, {"HKEY", false}}) {
        dialog.eRegistryKey->SetText(text);
        dialog.aOK->Update();
        EXPECT_EQ(dialog.aOK->Enabled(), enabled) << text;
        EXPECT_EQ(dialog.bOK->Enabled(), enabled) << text;
    }
    EXPECT_EQ(dialog.bCancel->ModalResult(), kModalCancel);
    std::vector<std::string> inFrame;
    for (WinControl* control : dialog.suiGroupBox1->TabList()) inFrame.push_back(control->Name());
    EXPECT_EQ(inFrame, (std::vector<std::string>{"eRegistryKey", "bLaunchRegedit", "eComment"}));
    EXPECT_EQ(dialog.suiGroupBox1->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(dialog.bLaunchRegedit->UIStyle(), TsuiUIStyle::MacOS) << "the frame's style does not reach it";
    dialog.Hide();
}

TEST_F(AppWindows, EveryLabelsCaptionFitsWithWinesOwnFonts) {
    {
        // Without Wine's own fonts "MS Sans Serif" falls back to a wider face, and this
        // measures nothing the user sees.
        WindowDC screen(nullptr);
        Canvas canvas(screen.get());
        canvas.SetFont(Main().lTitleHint->GetFont());
        char face[LF_FACESIZE] = {};
        GetTextFaceA(canvas.Handle(), sizeof face, face);
        ASSERT_STREQ(face, "MS Sans Serif") << "the prefix lacks Wine's fonts";
    }
    TfrmMain& main = Main();
    main.Show();
    PumpPending();
    ExpectLabelsFit(main);
    TfrmAddRegistry dialog(&main, shell);
    dialog.Show();
    ExpectLabelsFit(dialog);
    TfrmAbout about(&main, shell);
    about.Show();
    ExpectLabelsFit(about);
    about.Hide();
    dialog.Hide();
    main.Hide();
}

TEST_F(AppWindows, AboutLinksOpenTheHomeAndDonationPages) {
    TfrmAbout about(&Main(), shell);
    EXPECT_EQ(about.Label2->Caption(), "Version: 2.0   Build 20130618");
    EXPECT_EQ(about.PoweredBy->Caption(), "Powered by:");
    EXPECT_EQ(about.Label1->Caption(), "Velund Free Zelkova");
    EXPECT_EQ(about.bOK->ModalResult(), kModalOk);
    EXPECT_EQ(about.Image2->BoundsRect(), (Rect{0, 0, 360, 50})) << "sized to the banner";
    EXPECT_EQ(about.Image3->BoundsRect(), (Rect{257, 65, 319, 96})) << "sized to the donate picture";
    about.lbEAddress->Click();
    about.Image3->Click();
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[0].file, kHomePage) << "whatever address the label shows";
    EXPECT_EQ(shell.calls[1].file, kDonationPage);
    EXPECT_EQ(shell.calls[1].owner, about.Handle());
}

}  // namespace
}  // namespace zelkova
