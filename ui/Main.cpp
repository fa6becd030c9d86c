#include "ui/Main.h"

#include "gui/Application.h"
#include "gui/ResourcePictures.h"
#include "ui/About.h"
#include "ui/Layout.h"
#include "ui/Product.h"
#include "ui/ResourceNames.h"
#include "ui/TrayIcon.h"

namespace zelkova {

TfrmMain::TfrmMain(MainServices services) : Form(nullptr), services_(services) {
    icon_ = LoadIconPicture(resource::kMainIcon, 32);
    smallIcon_ = LoadIconPicture(resource::kMainIcon, 16);

    const NamedValue handlers[] = {
        {"bExitClick", Handler([this] { bExitClick(); })},
        {"bOpenClick", Handler([this] { bOpenClick(); })},
        {"bAboutClick", Handler([this] { bAboutClick(); })},
        {"Image1Click", Handler([this] { Image1Click(); })},
        {"lTitleClick", Handler([this] { lTitleClick(); })},
        {"ListView1DblClick", Handler([this] { ListView1DblClick(); })},
        {"miOpenClick", Handler([this] { miOpenClick(); })},
        // The two page items open the pages the window's icon and update link open.
        {"miHomepageClick", Handler([this] { Image1Click(); })},
        {"miCheckforUpdateClick", Handler([this] { OpenPage(lUpdate->URL()); })},
        // The execute handlers run the list operations on the model (FavouriteCommands).
        {"aJumpFromListExecute",
         Handler([this] { OnFavourites([this] { commands_->JumpFromList(); }); })},
        {"aMoveUpExecute", Handler([this] { OnFavourites([this] { commands_->MoveUp(); }); })},
        {"aMoveDownExecute", Handler([this] { OnFavourites([this] { commands_->MoveDown(); }); })},
        {"aRemoveExecute", Handler([this] { OnFavourites([this] { commands_->Remove(); }); })},
        {"aAddListExecute",
         Handler([this] { OnFavourites([this] { commands_->AddToList(eRegKey->Text()); }); })},
        {"aJumpFromClipboardExecute", Handler([this] { commands_->JumpFromClipboard(); })},
        {"aCopyToClipboardExecute",
         Handler([this] { OnFavourites([this] { commands_->CopyToClipboard(); }); })},
        {"aEditExecute", Handler([this] { OnFavourites([this] { commands_->Edit(); }); })},
        // Shared by the actions that need a selected entry: each updates itself, the sender.
        {"aJumpFromListUpdate", NotifyEvent([this](Component* sender) {
             aJumpFromListUpdate(static_cast<Action&>(*sender));
         })},
        {"aMoveUpUpdate", Handler([this] { aMoveUpUpdate(); })},
        {"aMoveDownUpdate", Handler([this] { aMoveDownUpdate(); })},
        // Leaves aAddList enabled.
        {"aAddListUpdate", Handler([] {})},
    };
    BuildLayout(*this, MainWindowLayout(), {WindowClasses(), handlers});
    BindOwned(*this, "imgTitle", imgTitle);
    BindOwned(*this, "lTitle", lTitle);
    BindOwned(*this, "lUpdate", lUpdate);
    BindOwned(*this, "lTitleHint", lTitleHint);
    BindOwned(*this, "Image1", Image1);
    BindOwned(*this, "iUpdate", iUpdate);
    BindOwned(*this, "bExit", bExit);
    BindOwned(*this, "GroupBox2", GroupBox2);
    BindOwned(*this, "eRegKey", eRegKey);
    BindOwned(*this, "bOpen", bOpen);
    BindOwned(*this, "bAbout", bAbout);
    BindOwned(*this, "ListView1", ListView1);
    BindOwned(*this, "suiButton1", suiButton1);
    BindOwned(*this, "bJumpFromList", bJumpFromList);
    BindOwned(*this, "suiButton3", suiButton3);
    BindOwned(*this, "suiButton4", suiButton4);
    BindOwned(*this, "suiButton5", suiButton5);
    BindOwned(*this, "bEdit", bEdit);
    BindOwned(*this, "ActionList1", ActionList1);
    BindOwned(*this, "aJumpFromList", aJumpFromList);
    BindOwned(*this, "aMoveUp", aMoveUp);
    BindOwned(*this, "aMoveDown", aMoveDown);
    BindOwned(*this, "aRemove", aRemove);
    BindOwned(*this, "aAddList", aAddList);
    BindOwned(*this, "aJumpFromClipboard", aJumpFromClipboard);
    BindOwned(*this, "aCopyToClipboard", aCopyToClipboard);
    BindOwned(*this, "aEdit", aEdit);
    BindOwned(*this, "PopupMenu1", PopupMenu1);
    BindOwned(*this, "pmSelf", pmSelf);

    view_ = std::make_unique<FavouritesView>(favourites_, *ListView1);
    keyEntry_ = std::make_unique<AddRegistryDialog>(*this, services_.shell);
    commands_ =
        std::make_unique<FavouriteCommands>(favourites_, *keyEntry_, services_.clipboard,
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
    for (HWND window :
         {Handle(), Application::Instance() ? Application::Instance()->Handle() : nullptr}) {
        if (window == nullptr) continue;
        SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.get()));
        SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    }
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
