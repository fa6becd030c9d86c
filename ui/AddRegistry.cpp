#include "ui/AddRegistry.h"

#include <memory>

#include "favourites/FavouriteRules.h"
#include "ui/Layout.h"

namespace zelkova {

TfrmAddRegistry::TfrmAddRegistry(Component* owner, UrlShell& shell) : Form(owner), shell_(shell) {
    SetName("frmAddRegistry");
    SetCaption("Add to list");
    SetBorderStyle(FormBorderStyle::Dialog);
    SetBorderIcons(true, false, false);
    SetClientSize(390, 222);
    SetPosition(FormPosition::OwnerFormCenter);
    SetFont(SansSerif(11, kWindowText));

    ActionList1 = &Make<ActionList>(*this);
    aOK = &Make<Action>(*this);
    aOK->SetName("aOK");
    aOK->SetActionList(ActionList1);
    aOK->SetCaption("&OK");
    aOK->SetOnUpdate([this](Component*) { aOKUpdate(); });
    aOK->SetOnExecute([this](Component*) { aOKExecute(); });

    suiGroupBox1 = &Place<TsuiGroupBox>(*this, *this, "suiGroupBox1", 8, 8, 372, 145);
    suiGroupBox1->SetUIStyle(TsuiUIStyle::DeepBlue);
    suiGroupBox1->SetFont(SansSerif(11, kBlack));
    suiGroupBox1->SetBorderColor(kBlack);
    suiGroupBox1->SetParentColor(true);
    suiGroupBox1->SetTabOrder(0);

    Label1 = &Place<Label>(*this, *suiGroupBox1, "Label1", 14, 24, 62, 13);
    Label1->SetCaption("Registry Key:");
    bLaunchRegedit = &PlaceButton(*this, *suiGroupBox1, "bLaunchRegedit", 87, 19, 158, 24,
                                  "&Launch Registry Editor", 1);
    bLaunchRegedit->SetOnClick([this](Component*) { bLaunchRegeditClick(); });
    eRegistryKey = &Place<Edit>(*this, *suiGroupBox1, "eRegistryKey", 14, 51, 343, 21);
    eRegistryKey->SetTabOrder(0);
    Label2 = &Place<Label>(*this, *suiGroupBox1, "Label2", 14, 80, 343, 13);
    Label2->SetCaption("Enter the registry key like: HKEY_CURRENT_USER\\Software\\Microsoft");
    eComment = &Place<Edit>(*this, *suiGroupBox1, "eComment", 70, 107, 285, 21);
    eComment->SetTabOrder(2);
    Label3 = &Place<Label>(*this, *suiGroupBox1, "Label3", 14, 110, 47, 13);
    Label3->SetCaption("Comment:");

    bOK = &PlaceButton(*this, *this, "bOK", 200, 166, 80, 27, "&OK", 1);
    bOK->SetAction(aOK);
    bCancel = &PlaceButton(*this, *this, "bCancel", 301, 166, 80, 27, "&Cancel", 2);
    bCancel->SetModalResult(kModalCancel);
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
