// The key entry dialog: a registry key path and a comment for a favourites entry. OK is
// enabled while the key text holds a full root name; Launch Registry Editor starts the editor
// so that the user can look a key up, and leaves the dialog open.
#pragma once

#include <optional>

#include "favourites/FavouriteCommands.h"
#include "gui/Action.h"
#include "gui/Edit.h"
#include "gui/Form.h"
#include "gui/Label.h"
#include "skin/win/SUIButton_win.h"
#include "skin/win/SUIGroupBox_win.h"
#include "skin/win/SUIURLLabel_win.h"

namespace zelkova {

class TfrmAddRegistry : public Form {
public:
    // owner: the main window. shell starts the Registry Editor.
    TfrmAddRegistry(Component* owner, UrlShell& shell);

    std::string_view ClassName() const override { return "TfrmAddRegistry"; }

    TsuiGroupBox* suiGroupBox1;
    Label* Label1;
    TsuiButton* bLaunchRegedit;
    Edit* eRegistryKey;
    Label* Label2;
    Edit* eComment;
    Label* Label3;
    TsuiButton* bOK;
    TsuiButton* bCancel;
    ActionList* ActionList1;
    Action* aOK;

private:
    void aOKUpdate();
    void aOKExecute();
    void bLaunchRegeditClick();

    UrlShell& shell_;
};

// The dialog as the favourites' operations use it: made for one modal showing over the main
// window, read when the result is OK, and destroyed.
class AddRegistryDialog : public KeyEntryDialog {
public:
    AddRegistryDialog(Form& mainForm, UrlShell& shell) : mainForm_(mainForm), shell_(shell) {}
    std::optional<FavouriteEntry> Ask(const FavouriteEntry& initial) override;

private:
    Form& mainForm_;
    UrlShell& shell_;
};

}  // namespace zelkova
