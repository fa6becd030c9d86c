#include "ui/AddRegistry.h"

#include <memory>

#include "favourites/FavouriteRules.h"
#include "ui/Layout.h"

namespace zelkova {

TfrmAddRegistry::TfrmAddRegistry(Component* owner, UrlShell& shell) : Form(owner), shell_(shell) {
    const NamedValue handlers[] = {
        {"aOKUpdate", Handler([this] { aOKUpdate(); })},
        {"aOKExecute", Handler([this] { aOKExecute(); })},
        {"bLaunchRegeditClick", Handler([this] { bLaunchRegeditClick(); })},
    };
    BuildLayout(*this, KeyEntryLayout(), {WindowClasses(), handlers});
    BindOwned(*this, "ActionList1", ActionList1);
    BindOwned(*this, "aOK", aOK);
    BindOwned(*this, "suiGroupBox1", suiGroupBox1);
    BindOwned(*this, "Label1", Label1);
    BindOwned(*this, "bLaunchRegedit", bLaunchRegedit);
    BindOwned(*this, "eRegistryKey", eRegistryKey);
    BindOwned(*this, "Label2", Label2);
    BindOwned(*this, "eComment", eComment);
    BindOwned(*this, "Label3", Label3);
    BindOwned(*this, "bOK", bOK);
    BindOwned(*this, "bCancel", bCancel);
}

void TfrmAddRegistry::aOKUpdate() { aOK->SetEnabled(IsKeyEntryAcceptable(eRegistryKey->Text())); }

void TfrmAddRegistry::aOKExecute() { SetModalResult(kModalOk); }

void TfrmAddRegistry::bLaunchRegeditClick() {
    shell_.Execute(Handle(), "Open", "Regedit.exe", SW_SHOW);
}

std::optional<FavouriteEntry> AddRegistryDialog::Ask(const FavouriteEntry& initial) {
    // Owned by the main window, but destroyed here whatever happens.
    std::unique_ptr<TfrmAddRegistry> dialog(new TfrmAddRegistry(&mainForm_, shell_));
    if (!initial.KeyText.empty()) dialog->eRegistryKey->SetText(initial.KeyText);
    dialog->eComment->SetText(initial.Comment);
    if (dialog->ShowModal() != kModalOk) return std::nullopt;
    return FavouriteEntry{dialog->eRegistryKey->Text(), dialog->eComment->Text()};
}

}  // namespace zelkova
