#pragma once

#include "jump/EditorAutomation.h"
#include "jump/KeyJumpRequest.h"
#include "jump/RegistryProbe.h"

#include <optional>
#include <string>

namespace zelkova {

inline constexpr const char* kKeyNotFoundMessage =
    "Please check whether the registry key or value exist.";

// Tells the user that the text names no key or value; the Windows build shows a message box.
class FailureNotifier {
public:
    virtual ~FailureNotifier() = default;
    virtual void ShowKeyNotFound() = 0;
};

enum class ResolveOutcome { Jump, Failure, Nothing };

struct ResolveResult {
    ResolveOutcome Outcome;
    std::optional<KeyJumpRequest> Request;  // set for a jump
};

struct JumpServices {
    RegistryAccess& Registry;
    EditorAutomation& Editor;
    FailureNotifier& Notifier;
};

// Works out which key (or value) the text names, checks it against the registry, and then
// either jumps there, shows the one failure message, or does nothing. The text is taken as
// typed: no trimming, and only ASCII letters are folded. A text that names no root as written
// is read once more without the wrapping another program gave it (KeyTextWrappings.h).
ResolveResult ResolveKeyText(const std::string& text, JumpServices services);

// The same decision without its effects: what a text resolves to against the registry.
ResolveResult ClassifyKeyText(const std::string& text, RegistryAccess& registry);

}  // namespace zelkova
