#pragma once

#include "jump/EditorItemSelection.h"
#include "jump/KeyJumpRequest.h"

namespace zelkova {

// Selects the key and the value in an editor whose items are selected directly. Each name
// lands where the Windows editor's type-ahead would put it; the branch the editor was left in
// is closed as the Windows keystrokes close it, so the tree looks the same afterwards.
// Gives up silently when the panes do not become usable in time.
void SelectKeyAndValue(const KeyJumpRequest& request, EditorItemSelection& panes);

}  // namespace zelkova
