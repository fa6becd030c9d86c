#include "jump/KeyResolution.h"

#include "jump/EditorNavigation.h"
#include "jump/KeyTextWrappings.h"
#include "jump/RootKeys.h"

namespace zelkova {
namespace {

ResolveResult Failure() { return {ResolveOutcome::Failure, std::nullopt}; }

ResolveResult JumpTo(const RootKey& root, std::string keyPath, std::string valueName) {
    return {ResolveOutcome::Jump,
            KeyJumpRequest{std::string(root.FullName), std::move(keyPath), std::move(valueName)}};
}

// The written rules. No result when they end because the text names no root.
std::optional<ResolveResult> ReadAsWritten(const std::string& text, RegistryAccess& registry) {
    if (!LooksLikeKeyText(text)) return Failure();

    const size_t firstSlash = text.find('\\');
    if (firstSlash == std::string::npos)
        return ResolveResult{ResolveOutcome::Nothing, std::nullopt};
    const std::string rootText = text.substr(0, firstSlash);
    const std::string keyPath = text.substr(firstSlash + 1);

    const std::optional<RootKey> root = FindRootKey(rootText);
    if (!root) return std::nullopt;

    // The probe lives for this call only and closes whatever it opened on every path.
    const std::unique_ptr<RegistryProbe> probe = registry.MakeProbe(root->Key);
    if (probe->KeyExists(keyPath)) return JumpTo(*root, keyPath, "");

    // Not a key: try the last component as a value of its parent key.
    const size_t lastSlash = keyPath.rfind('\\');
    std::string valueName =
        lastSlash == std::string::npos ? keyPath : keyPath.substr(lastSlash + 1);
    std::string parentPath = lastSlash == std::string::npos ? "" : keyPath.substr(0, lastSlash);
    if (valueName.empty()) parentPath = keyPath;

    if (!probe->KeyExists(parentPath)) return Failure();
    // A parent that refuses full access cannot be asked about its values; the jump goes
    // ahead and lets the editor show what is there.
    if (!probe->OpenKey(parentPath) || probe->ValueExists(valueName))
        return JumpTo(*root, std::move(parentPath), std::move(valueName));
    return Failure();
}

// A text that names no root may be a path as another program writes it. Each wrapping that
// the text has whole is taken off in turn, in this order, and what is inside read by the
// written rules; the first reading that ends without the message counts. The editor's first
// word, the oldest of them, comes first, so that what it found before still stands. Quotes
// come outermost: what they hold reads as a text of its own, wrappings and all.
ResolveResult ReadPath(const std::string& text, RegistryAccess& registry, bool insideQuotes) {
    if (std::optional<ResolveResult> result = ReadAsWritten(text, registry)) return *result;
    using Unwrap = std::optional<std::string> (*)(std::string_view);
    for (Unwrap unwrap : {WithoutFirstWord, WithoutQuotes, WithoutRegFileBrackets,
                          WithoutProviderName, WithoutDriveColon}) {
        const bool quotes = unwrap == WithoutQuotes;
        if (quotes && insideQuotes) continue;
        const std::optional<std::string> inner = unwrap(text);
        if (!inner) continue;
        const std::optional<ResolveResult> result =
            quotes ? ReadPath(*inner, registry, true) : ReadAsWritten(*inner, registry);
        if (result && result->Outcome != ResolveOutcome::Failure) return *result;
    }
    return Failure();
}

}  // namespace

ResolveResult ClassifyKeyText(const std::string& text, RegistryAccess& registry) {
    return ReadPath(text, registry, false);
}

ResolveResult ResolveKeyText(const std::string& text, JumpServices services) {
    ResolveResult result = ClassifyKeyText(text, services.Registry);
    if (result.Outcome == ResolveOutcome::Failure) services.Notifier.ShowKeyNotFound();
    if (result.Outcome == ResolveOutcome::Jump)
        NavigateRegistryEditor(*result.Request, services.Editor);
    return result;
}

}  // namespace zelkova
