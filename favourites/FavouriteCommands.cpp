#include "favourites/FavouriteCommands.h"

#include <utility>

#include "favourites/FavouriteRules.h"
#include "jump/RootKeys.h"

namespace zelkova {

FavouriteCommands::FavouriteCommands(FavouritesList& list, KeyEntryDialog& dialog,
                                     Clipboard& clipboard, JumpToKeyText jump)
    : list_(list), dialog_(dialog), clipboard_(clipboard), jump_(std::move(jump)) {}

bool FavouriteCommands::IsJumpFromListEnabled() const {
    return IsSelectionActionEnabled(list_.SelectedIndex(), list_.Count());
}

bool FavouriteCommands::IsMoveUpEnabled() const {
    return zelkova::IsMoveUpEnabled(list_.SelectedIndex(), list_.Count());
}

bool FavouriteCommands::IsMoveDownEnabled() const {
    return zelkova::IsMoveDownEnabled(list_.SelectedIndex(), list_.Count());
}

void FavouriteCommands::JumpFromList() {
    if (!IsJumpFromListEnabled()) return;
    // A copy: the jump may run a nested message loop in which the list could change.
    const std::string keyText = list_.Selected()->KeyText;
    jump_(keyText);
}

void FavouriteCommands::MoveUp() { list_.MoveSelectedUp(); }

void FavouriteCommands::MoveDown() { list_.MoveSelectedDown(); }

void FavouriteCommands::Remove() { list_.RemoveSelected(); }

void FavouriteCommands::AddToList(std::string_view jumpFieldText) {
    std::optional<FavouriteEntry> typed = dialog_.Ask({std::string(jumpFieldText), {}});
    if (!typed) return;
    list_.Add(std::move(*typed));
}

void FavouriteCommands::Edit() {
    if (!IsJumpFromListEnabled()) return;
    const int index = list_.SelectedIndex();
    std::optional<FavouriteEntry> typed = dialog_.Ask(*list_.Selected());
    if (!typed) return;
    // The entry that was shown takes the texts, even if something (a restore from the
    // notification area) moved the selection while the dialog was open.
    list_.Replace(index, std::move(*typed));
}

void FavouriteCommands::CopyToClipboard() {
    if (!IsJumpFromListEnabled()) return;
    clipboard_.SetText(list_.Selected()->KeyText);
}

void FavouriteCommands::JumpFromClipboard() {
    if (!clipboard_.HasText()) return;
    const std::string text = TrimClipboardText(clipboard_.GetText());
    if (LooksLikeKeyText(text)) jump_(text);
}

}  // namespace zelkova
