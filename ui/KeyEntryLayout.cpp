// The key entry dialog's layout, in creation order.
#include "gui/Color.h"
#include "gui/Control.h"
#include "ui/Layout.h"

namespace zelkova {

std::span<const LayoutRow> KeyEntryLayout() {
    static const LayoutRow rows[] = {
        // The same caption whether it adds or edits.
        {"TfrmAddRegistry",
         "frmAddRegistry",
         "",
         {{"Caption", "Add to list"},
          {"BorderStyle", "bsDialog"},
          {"BorderIcons", "[biSystemMenu]"},
          {"ClientWidth", 390},
          {"ClientHeight", 222},
          {"Position", "poOwnerFormCenter"},
          {"Font", FontSpec{.height = -11, .color = kWindowText}}}},

        {"TActionList", "ActionList1", "", {}},
        {"TAction",
         "aOK",
         "ActionList1",
         {{"Caption", "&OK"},
          {"OnExecute", Named("aOKExecute")},
          {"OnUpdate", Named("aOKUpdate")}}},

        {"TsuiGroupBox", "suiGroupBox1", "frmAddRegistry",
         At(8, 8, 372, 145,
            {{"TabOrder", 0},
             {"UIStyle", "DeepBlue"},
             {"Font", FontSpec{.height = -11, .color = kBlack}},
             {"BorderColor", kBlack},
             {"ParentColor", true}})},
        {"TLabel", "Label1", "suiGroupBox1", At(14, 24, 62, 13, {{"Caption", "Registry Key:"}})},
        {"TsuiButton", "bLaunchRegedit", "suiGroupBox1",
         ButtonLook(At(87, 19, 158, 24,
                       {{"TabOrder", 1},
                        {"Caption", "&Launch Registry Editor"},
                        {"OnClick", Named("bLaunchRegeditClick")}}))},
        {"TEdit", "eRegistryKey", "suiGroupBox1", At(14, 51, 343, 21, {{"TabOrder", 0}})},
        {"TLabel", "Label2", "suiGroupBox1",
         At(14, 80, 343, 13,
            {{"Caption", "Enter the registry key like: HKEY_CURRENT_USER\\Software\\Microsoft"}})},
        {"TEdit", "eComment", "suiGroupBox1", At(70, 107, 285, 21, {{"TabOrder", 2}})},
        {"TLabel", "Label3", "suiGroupBox1", At(14, 110, 47, 13, {{"Caption", "Comment:"}})},
        {"TsuiButton", "bOK", "frmAddRegistry",
         ButtonLook(
             At(200, 166, 80, 27, {{"TabOrder", 1}, {"Caption", "&OK"}, {"Action", Ref("aOK")}}))},
        {"TsuiButton", "bCancel", "frmAddRegistry",
         ButtonLook(At(301, 166, 80, 27,
                       {{"TabOrder", 2}, {"Caption", "&Cancel"}, {"ModalResult", kModalCancel}}))},
    };
    return rows;
}

}  // namespace zelkova
