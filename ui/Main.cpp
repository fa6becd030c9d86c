#include "ui/Main.h"

#include "gui/Application.h"
#include "ui/About.h"
#include "ui/Layout.h"
#include "ui/Pictures.h"
#include "ui/Product.h"
#include "ui/ResourceNames.h"
#include "ui/TrayIcon.h"

namespace zelkova {

namespace {
constexpr int kAnsiCharset = 0;
constexpr TColor kRed = 0x0000FF;
constexpr TColor kBlue = 0xFF0000;
}  // namespace

TfrmMain::TfrmMain(MainServices services) : Form(nullptr), services_(services) {
    SetName("frmMain");
    SetCaption(kAppTitle);
    SetBorderStyle(FormBorderStyle::Single);
    SetBorderIcons(true, true, false);
    SetClientSize(kClientWidth, kClientHeight);
    SetPosition(FormPosition::ScreenCenter);
    SetFont(SansSerif(11, kWindowText));
    icon_ = LoadIconPicture(resource::kMainIcon, 32);
    smallIcon_ = LoadIconPicture(resource::kMainIcon, 16);

    CreateActions();
    CreateMenus();
    CreateTitleStrip();
    bExit = &PlaceButton(*this, *this, "bExit", 450, 360, 55, 27, "E&xit", 0);
    bExit->SetOnClick([this](Component*) { bExitClick(); });
    CreateJumpField();
    bAbout = &PlaceButton(*this, *this, "bAbout", 389, 360, 55, 27, "A&bout", 2);
    bAbout->SetOnClick([this](Component*) { bAboutClick(); });
    CreateList();

    struct Bound {
        TsuiButton*& button;
        const char* name;
        int left;
        int width;
        Action* action;
    };
    const Bound row[] = {
        {suiButton1, "suiButton1", 8, 68, aAddList},   {bJumpFromList, "bJumpFromList", 84, 55, aJumpFromList},
        {suiButton3, "suiButton3", 328, 55, aRemove},  {suiButton4, "suiButton4", 267, 55, aMoveDown},
        {suiButton5, "suiButton5", 206, 55, aMoveUp},  {bEdit, "bEdit", 145, 55, aEdit},
    };
    int tabOrder = 4;
    for (const Bound& bound : row) {
        bound.button = &PlaceButton(*this, *this, bound.name, bound.left, 360, bound.width, 27, "", tabOrder++);
        bound.button->SetAction(bound.action);
    }
    for (TsuiButton* button : {bExit, bOpen, bAbout, suiButton1, bJumpFromList, suiButton3, suiButton4,
                               suiButton5, bEdit}) {
        button->SetPopupMenu(PopupMenu1);
    }

    view_ = std::make_unique<FavouritesView>(favourites_, *ListView1);
    keyEntry_ = std::make_unique<AddRegistryDialog>(*this, services_.shell);
    commands_ = std::make_unique<FavouriteCommands>(favourites_, *keyEntry_, services_.clipboard,
                                                    [this](const std::string& text) { JumpTo(text); });

    SetTrayCallbackMessage(WM_TRAYICON);
    OnShow = [this](Component*) { FormShow(); };
    OnClose = [this](Component*, CloseAction& action) { FormClose(action); };
    // An error here is reported and ends FormCreate; the window opens all the same.
    try {
        FormCreate();
    } catch (...) {
        HandleException();
    }
    // The buttons show the loaded list's state from the first paint, not only after the first
    // idle moment (a click can come before it, and a modal dialog would keep it from coming).
    UpdateActions();
}

TfrmMain::~TfrmMain() {
    if (Application* app = Application::Instance()) {
        // The application window outlives this window and its icons.
        if (app->Handle() != nullptr) {
            SendMessageA(app->Handle(), WM_SETICON, ICON_BIG, 0);
            SendMessageA(app->Handle(), WM_SETICON, ICON_SMALL, 0);
        }
    }
    // The controls' handlers reach the members below: let the controls go first.
    DestroyComponents();
}

void TfrmMain::CreateParams(struct CreateParams& params) {
    Form::CreateParams(params);
    params.className = kMainWindowClass;
}

void TfrmMain::HandleCreated() {
    Form::HandleCreated();
    for (HWND window : {Handle(), Application::Instance() ? Application::Instance()->Handle() : nullptr}) {
        if (window == nullptr) continue;
        SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
        SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    }
}

void TfrmMain::CreateTitleStrip() {
    imgTitle = &Place<Image>(*this, *this, "imgTitle", 8, 0, 117, 53);
    imgTitle->SetStretch(true);
    imgTitle->SetBitmap(LoadJpegPicture(resource::kTitleTexture));
    imgTitle->SetPopupMenu(PopupMenu1);

    lTitle = &Place<Label>(*this, *this, "lTitle", 49, 8, 81, 16);
    FontSpec titleFont = SansSerif(15, kWhite);
    titleFont.bold = true;
    lTitle->SetFont(titleFont);
    lTitle->SetTransparent(true);
    lTitle->SetCursor(kCursorHandPoint);
    lTitle->SetPopupMenu(PopupMenu1);
    lTitle->SetCaption(kMakerName);
    lTitle->SetOnClick([this](Component*) { lTitleClick(); });

    lUpdate = &Place<TsuiURLLabel>(*this, *this, "lUpdate", 306, 24, 96, 13);
    lUpdate->SetCaption("Check for updates...");
    lUpdate->SetURL(kUpdatePage);
    lUpdate->SetFontLinkColor(kWhite);
    lUpdate->SetFontHoverColor(kRed);
    FontSpec linkFont = SansSerif(12, kBlue, kAnsiCharset);
    linkFont.underline = true;
    lUpdate->SetFont(linkFont);
    lUpdate->SetTransparent(true);
    lUpdate->SetCursor(kCursorHandPoint);
    lUpdate->SetAutoSize(true);
    lUpdate->SetPopupMenu(PopupMenu1);

    lTitleHint = &Place<Label>(*this, *this, "lTitleHint", 50, 27, 266, 13);
    lTitleHint->SetAutoSize(false);
    lTitleHint->SetFont(SansSerif(11, kWhite));
    lTitleHint->SetTransparent(true);
    lTitleHint->SetPopupMenu(PopupMenu1);
    lTitleHint->SetCaption("Jump to a registry key directly");

    Image1 = &Place<Image>(*this, *this, "Image1", 8, 8, 32, 32);
    Image1->SetIcon(LoadIconPicture(resource::kMainIcon, 32));
    Image1->SetTransparent(true);
    Image1->SetBounds(8, 8, 32, 32);
    Image1->SetCursor(kCursorHandPoint);
    Image1->SetOnClick([this](Component*) { Image1Click(); });

    // Sized to its 16 x 16 picture (an icon reports the system's large-icon size).
    iUpdate = &Place<Image>(*this, *this, "iUpdate", 282, 24, 16, 16);
    iUpdate->SetIcon(LoadIconPicture(resource::kUpdateIcon, 16));
}

void TfrmMain::CreateJumpField() {
    GroupBox2 = &Place<GroupBox>(*this, *this, "GroupBox2", 8, 53, 496, 53);
    GroupBox2->SetTabOrder(1);
    eRegKey = &Place<Edit>(*this, *GroupBox2, "eRegKey", 8, 18, 394, 21);
    eRegKey->SetTabOrder(0);
    bOpen = &PlaceButton(*this, *GroupBox2, "bOpen", 413, 16, 72, 27, "&Jump", 1);
    OwnedBitmap glyph = LoadBitmapPicture(resource::kFolderGlyph);
    bOpen->SetGlyph(glyph.get());
    bOpen->SetOnClick([this](Component*) { bOpenClick(); });
}

void TfrmMain::CreateList() {
    ListView1 = &Place<ListView>(*this, *this, "ListView1", 8, 120, 497, 225);
    ListView1->SetTabOrder(3);
    ListView1->AddColumn("Registry Key", 380);
    ListView1->AddColumn("Comment", 105);
    ListView1->SetPopupMenu(PopupMenu1);
    ListView1->SetOnDblClick([this](Component*) { ListView1DblClick(); });
}

Action& TfrmMain::AddAction(const char* name, const char* caption) {
    auto& action = Make<Action>(*this);
    action.SetName(name);
    action.SetActionList(ActionList1);
    action.SetCaption(caption);
    return action;
}

void TfrmMain::CreateActions() {
    ActionList1 = &Make<ActionList>(*this);
    ActionList1->SetName("ActionList1");
    struct Command {
        Action*& action;
        const char* name;
        const char* caption;
    };
    const Command commands[] = {
        {aJumpFromList, "aJumpFromList", "&Jump"},
        {aMoveUp, "aMoveUp", "&Up"},
        {aMoveDown, "aMoveDown", "&Down"},
        {aRemove, "aRemove", "&Remove"},
        {aAddList, "aAddList", "&Add to List"},
        {aJumpFromClipboard, "aJumpFromClipboard", "Jump from &Clipboard"},
        {aCopyToClipboard, "aCopyToClipboard", "C&opy to Clipboard"},
        {aEdit, "aEdit", "&Edit"},
    };
    for (const Command& command : commands) command.action = &AddAction(command.name, command.caption);

    // The execute handlers run the list operations on the model (FavouriteCommands).
    aJumpFromList->SetOnExecute([this](Component*) { OnFavourites([this] { commands_->JumpFromList(); }); });
    aMoveUp->SetOnExecute([this](Component*) { OnFavourites([this] { commands_->MoveUp(); }); });
    aMoveDown->SetOnExecute([this](Component*) { OnFavourites([this] { commands_->MoveDown(); }); });
    aRemove->SetOnExecute([this](Component*) { OnFavourites([this] { commands_->Remove(); }); });
    aAddList->SetOnExecute(
        [this](Component*) { OnFavourites([this] { commands_->AddToList(eRegKey->Text()); }); });
    aJumpFromClipboard->SetOnExecute([this](Component*) { commands_->JumpFromClipboard(); });
    aCopyToClipboard->SetOnExecute(
        [this](Component*) { OnFavourites([this] { commands_->CopyToClipboard(); }); });
    aEdit->SetOnExecute([this](Component*) { OnFavourites([this] { commands_->Edit(); }); });

    for (Action* action : {aJumpFromList, aRemove, aCopyToClipboard, aEdit}) {
        action->SetOnUpdate([this, action](Component*) { aJumpFromListUpdate(*action); });
    }
    aMoveUp->SetOnUpdate([this](Component*) { aMoveUpUpdate(); });
    aMoveDown->SetOnUpdate([this](Component*) { aMoveDownUpdate(); });
    // aAddList's update handler leaves it enabled; aJumpFromClipboard has none.
    aAddList->SetOnUpdate([](Component*) {});
}

MenuItem& TfrmMain::AddMenuItem(PopupMenu& menu, const char* name, const char* caption) {
    auto& item = Make<MenuItem>(*this);
    item.SetName(name);
    item.SetCaption(caption);
    menu.Add(item);
    return item;
}

void TfrmMain::CreateMenus() {
    PopupMenu1 = &Make<PopupMenu>(*this);
    PopupMenu1->SetName("PopupMenu1");
    AddMenuItem(*PopupMenu1, "JumpfromClipboard2", "").SetAction(aJumpFromClipboard);
    AddMenuItem(*PopupMenu1, "N4", "-");
    AddMenuItem(*PopupMenu1, "AddtoList1", "").SetAction(aAddList);
    AddMenuItem(*PopupMenu1, "JumpfromList1", "").SetAction(aJumpFromList);
    AddMenuItem(*PopupMenu1, "N5", "-");
    AddMenuItem(*PopupMenu1, "Up1", "").SetAction(aMoveUp);
    AddMenuItem(*PopupMenu1, "Down1", "").SetAction(aMoveDown);
    AddMenuItem(*PopupMenu1, "Remove1", "").SetAction(aRemove);
    AddMenuItem(*PopupMenu1, "N6", "-");
    AddMenuItem(*PopupMenu1, "miCopytoClipboard", "").SetAction(aCopyToClipboard);

    pmSelf = &Make<PopupMenu>(*this);
    pmSelf->SetName("pmSelf");
    AddMenuItem(*pmSelf, "miOpen", "&Open").SetOnClick([this](Component*) { miOpenClick(); });
    AddMenuItem(*pmSelf, "N1", "-");
    AddMenuItem(*pmSelf, "JumpfromClipboard1", "").SetAction(aJumpFromClipboard);
    AddMenuItem(*pmSelf, "N3", "-");
    // The two page items open the pages the window's icon and update link open.
    AddMenuItem(*pmSelf, "miHomepage", "&Hompage").SetOnClick([this](Component*) { Image1Click(); });
    AddMenuItem(*pmSelf, "miCheckforUpdate", "&Check for Update")
        .SetOnClick([this](Component*) { OpenPage(lUpdate->URL()); });
    AddMenuItem(*pmSelf, "N2", "-");
    AddMenuItem(*pmSelf, "miExit", "&Exit").SetOnClick([this](Component*) { bExitClick(); });
}

// --- Handlers --------------------------------------------------------------------------------

void TfrmMain::FormCreate() {
    lUpdate->GetFont().SetColor(kWhite);
    services_.settings.LoadFavourites(favourites_);
    view_->Show();
    if (Application* app = Application::Instance()) {
        savedAppExStyle_ = static_cast<std::uint32_t>(GetWindowLongA(app->Handle(), GWL_EXSTYLE));
    }
}

void TfrmMain::FormShow() {
    // The title strip follows the client width; nothing here may keep the window from showing.
    try {
        const int width = ClientRect().Width();
        imgTitle->SetBounds(0, 0, width, 50);
        lUpdate->SetLeft(width - lUpdate->Width() - 10);
        iUpdate->SetLeft(lUpdate->Left() - 20);
    } catch (...) {
    }
    SetActiveControl(eRegKey);
}

void TfrmMain::FormClose(CloseAction&) {
    // A refused write raises "Unable to write to <path>" and so abandons the close.
    services_.settings.SaveFavourites(favourites_);
}

void TfrmMain::bExitClick() {
    Close();
    SetTrayIcon(false);
}

void TfrmMain::bOpenClick() { JumpTo(eRegKey->Text()); }

void TfrmMain::bAboutClick() {
    std::unique_ptr<TfrmAbout> about(new TfrmAbout(this, services_.shell));
    about->ShowModal();
}

void TfrmMain::Image1Click() { OpenPage(LoadResourceText(resource::kHomePageString)); }

void TfrmMain::lTitleClick() { OpenPage(kMakerSite); }

void TfrmMain::ListView1DblClick() {
    OnFavourites([this] { commands_->JumpFromList(); });
}

void TfrmMain::aJumpFromListUpdate(Action& action) {
    view_->TakeSelection();
    action.SetEnabled(commands_->IsJumpFromListEnabled());
}

void TfrmMain::aMoveUpUpdate() {
    view_->TakeSelection();
    aMoveUp->SetEnabled(commands_->IsMoveUpEnabled());
}

void TfrmMain::aMoveDownUpdate() {
    view_->TakeSelection();
    aMoveDown->SetEnabled(commands_->IsMoveDownEnabled());
}

void TfrmMain::OpenPage(const std::string& address) {
    services_.shell.Execute(Handle(), "Open", address, SW_SHOW);
}

void TfrmMain::JumpTo(const std::string& keyText) {
    ResolveKeyText(keyText, {services_.registry, services_.editor, services_.notifier});
}

bool TfrmMain::HandleMessage(Message& message) {
    if (message.msg != WM_SHOWMAIN) return Form::HandleMessage(message);
    HandleShowMain();
    message.result = 0;
    return true;
}

}  // namespace zelkova
