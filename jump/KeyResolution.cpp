#include "jump/KeyResolution.h"

#include "jump/EditorNavigation.h"
#include "jump/RootKeys.h"

namespace zelkova {
namespace {

ResolveResult Failure() { return {ResolveOutcome::Failure, std::nullopt}; }

ResolveResult JumpTo(const RootKey& root, std::string keyPath, std::string valueName) {
    return {ResolveOutcome::Jump,
            KeyJumpRequest{std::string(root.FullName), std::move(keyPath), std::move(valueName)}};
}

}  // namespace

ResolveResult ClassifyKeyText(const std::string& text, RegistryAccess& registry) {
    if (!LooksLikeKeyText(text)) return Failure();

    const size_t firstSlash = text.find('\\');
    if (firstSlash == std::string::npos) return {ResolveOutcome::Nothing, std::nullopt};
    const std::string rootText = text.substr(0, firstSlash);
    const std::string keyPath = text.substr(firstSlash + 1);

    const std::optional<RootKey> root = FindRootKey(rootText);
    if (!root) {
        // The editor's address bar and "Copy Key Name" write "Computer\HKEY_...\..." (the
        // first word translated on other systems): the full root name after that word counts.
        if (StartsWithFullRootName(keyPath)) return ClassifyKeyText(keyPath, registry);
        return Failure();
    }

    // The probe lives for this call only and closes whatever it opened on every path.
    const std::unique_ptr<RegistryProbe> probe = registry.MakeProbe(root->Key);
    if (probe->KeyExists(keyPath)) return JumpTo(*root, keyPath, "");

    // Not a key: try the last component as a value of its parent key.
    const size_t lastSlash = keyPath.rfind('\\');
    std::string valueName = lastSlash == std::string::npos ? keyPath : keyPath.substr(lastSlash + 1);
    std::string parentPath = lastSlash == std::string::npos ? "" : keyPath.substr(0, lastSlash);
    if (valueName.empty()) parentPath = keyPath;

    if (!probe->KeyExists(parentPath)) return Failure();
    // A parent that refuses full access cannot be asked about its values; the jump goes
    // ahead and lets the editor show what is there.
    if (!probe->OpenKey(parentPath) || probe->ValueExists(valueName))
        return JumpTo(*root, std::move(parentPath), std::move(valueName));
    return Failure();
}

ResolveResult ResolveKeyText(const std::string& text, JumpServices services) {
    ResolveResult result = ClassifyKeyText(text, services.Registry);
    if (result.Outcome == ResolveOutcome::Failure) services.Notifier.ShowKeyNotFound();
    if (result.Outcome == ResolveOutcome::Jump) NavigateRegistryEditor(*result.Request, services.Editor);
    return result;
}

}  // namespace zelkova
