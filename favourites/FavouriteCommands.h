#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "favourites/Clipboard.h"
#include "favourites/FavouritesList.h"

namespace zelkova {

// The key entry dialog as the list's operations see it: one modal showing with both fields
// filled in. Returns the two fields as typed (untrimmed) when the user chose OK, nothing when
// the dialog was cancelled or closed. The implementation creates and destroys the dialog.
class KeyEntryDialog {
public:
    virtual ~KeyEntryDialog() = default;
    virtual std::optional<FavouriteEntry> Ask(const FavouriteEntry& initial) = 0;
};

// Resolves a key text and drives the Registry Editor there (the jump field's entry point).
using JumpToKeyText = std::function<void(const std::string& keyText)>;

// The main window's list actions, apart from the window: the update handlers answer whether an
// action is enabled, and every execute handler checks its own rule again before it runs.
// Errors of the clipboard propagate to the caller, leaving the list unchanged.
class FavouriteCommands {
public:
    FavouriteCommands(FavouritesList& list, KeyEntryDialog& dialog, Clipboard& clipboard,
                      JumpToKeyText jump);

    // aJumpFromListUpdate: serves Jump, Remove, Copy to Clipboard and Edit.
    bool IsJumpFromListEnabled() const;
    bool IsMoveUpEnabled() const;
    bool IsMoveDownEnabled() const;

    void JumpFromList();
    void MoveUp();
    void MoveDown();
    void Remove();
    // jumpFieldText pre-fills the dialog's key field; the comment starts empty.
    void AddToList(std::string_view jumpFieldText);
    void Edit();
    void CopyToClipboard();
    void JumpFromClipboard();

private:
    FavouritesList& list_;
    KeyEntryDialog& dialog_;
    Clipboard& clipboard_;
    JumpToKeyText jump_;
};

}  // namespace zelkova
