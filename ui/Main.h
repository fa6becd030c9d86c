// The main window: the title strip with its links, the jump field with its Jump button, the
// favourites list with its buttons and menus, and the notification-area icon that stands in for
// the window while it is minimised.
#pragma once

#include <cstdint>
#include <memory>

#include "favourites/Clipboard.h"
#include "favourites/FavouriteCommands.h"
#include "favourites/FavouritesList.h"
#include "favourites/Global.h"
#include "gui/Action.h"
#include "gui/Edit.h"
#include "gui/Form.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/ListView.h"
#include "gui/Menu.h"
#include "gui/Panel.h"
#include "jump/KeyResolution.h"
#include "skin/win/SUIButton_win.h"
#include "skin/win/SUIURLLabel_win.h"
#include "ui/AddRegistry.h"
#include "ui/FavouritesView.h"

namespace zelkova {

// What the main window reaches the system through; each must outlive the window.
struct MainServices {
    RegistryAccess& registry;
    EditorAutomation& editor;
    FailureNotifier& notifier;
    UrlShell& shell;
    Clipboard& clipboard;
    const SettingsFile& settings;
};

class TfrmMain : public Form {
public:
    // Builds the window and its controls, then runs FormCreate (the favourites are loaded).
    // The window is shown by the application's message loop.
    explicit TfrmMain(MainServices services);
    ~TfrmMain() override;

    std::string_view ClassName() const override { return "TfrmMain"; }

    // The application window's extended style as it was when the window was made.
    std::uint32_t SavedAppExStyle() const { return savedAppExStyle_; }
    const FavouritesList& Favourites() const { return favourites_; }

    // --- Controls, in creation order ---
    Image* imgTitle;
    Label* lTitle;
    TsuiURLLabel* lUpdate;
    Label* lTitleHint;
    Image* Image1;
    Image* iUpdate;
    TsuiButton* bExit;
    GroupBox* GroupBox2;
    Edit* eRegKey;
    TsuiButton* bOpen;
    TsuiButton* bAbout;
    ListView* ListView1;
    TsuiButton* suiButton1;
    TsuiButton* bJumpFromList;
    TsuiButton* suiButton3;
    TsuiButton* suiButton4;
    TsuiButton* suiButton5;
    TsuiButton* bEdit;

    ActionList* ActionList1;
    Action* aJumpFromList;
    Action* aMoveUp;
    Action* aMoveDown;
    Action* aRemove;
    Action* aAddList;
    Action* aJumpFromClipboard;
    Action* aCopyToClipboard;
    Action* aEdit;

    PopupMenu* PopupMenu1;
    PopupMenu* pmSelf;

    // --- Handlers ---
    void FormCreate();
    void FormShow();
    void FormClose(CloseAction& action);
    void bExitClick();
    void bOpenClick();
    void bAboutClick();
    void Image1Click();
    void lTitleClick();
    void ListView1DblClick();
    void HandleShowMain();

    // --- The notification area ---
    void SetTrayIcon(bool add);
    void RestoreFromTray();
    void HandleSysCommand(const SystemCommandEvent& event);
    void HandleTrayMessage(const TrayNotifyEvent& event);
    void miOpenClick() { RestoreFromTray(); }

protected:
    void CreateParams(struct CreateParams& params) override;
    void HandleCreated() override;
    bool HandleMessage(Message& message) override;
    void SystemCommand(const SystemCommandEvent& event) override { HandleSysCommand(event); }
    void TrayNotification(const TrayNotifyEvent& event) override { HandleTrayMessage(event); }

private:
    void OpenPage(const std::string& address);
    void JumpTo(const std::string& keyText);

    // Runs one favourites operation on the model with the control's selection, then shows
    // the result in the control.
    template <typename Operation>
    void OnFavourites(Operation operation) {
        view_->TakeSelection();
        operation();
        view_->Show();
    }
    void aJumpFromListUpdate(Action& action);
    void aMoveUpUpdate();
    void aMoveDownUpdate();

    MainServices services_;
    FavouritesList favourites_;
    std::unique_ptr<FavouritesView> view_;
    std::unique_ptr<AddRegistryDialog> keyEntry_;
    std::unique_ptr<FavouriteCommands> commands_;
    std::uint32_t savedAppExStyle_ = 0;
    OwnedIcon icon_;
    OwnedIcon smallIcon_;
};

}  // namespace zelkova
