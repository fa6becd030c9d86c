#include "jump/RootKeys.h"

#include <algorithm>

#include "base/AsciiText.h"

namespace zelkova {

bool LooksLikeKeyText(std::string_view text) { return Contains(AsciiUpperCase(text), "HK"); }

std::optional<RootKey> FindRootKey(std::string_view rootText) {
    const std::string upper = AsciiUpperCase(rootText);
    for (const RootKey& root : kRootKeys)
        if (upper == root.Abbreviation) return root;
    for (const RootKey& root : kRootKeys)
        if (rootText == root.FullName) return root;
    return std::nullopt;
}

bool StartsWithFullRootName(std::string_view text) {
    return std::ranges::any_of(kRootKeys, [&](const RootKey& root) {
        return text.substr(0, root.FullName.size()) == root.FullName &&
               (text.size() == root.FullName.size() || text[root.FullName.size()] == '\\');
    });
}

}  // namespace zelkova
