#include "jump/KeyTextWrappings.h"

#include "base/AsciiText.h"
#include "jump/RootKeys.h"

namespace zelkova {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && AsciiEqualNoCase(text.substr(0, prefix.size()), prefix);
}

std::optional<std::string> Between(std::string_view text, char opening, char closing) {
    if (text.size() < 2 || text.front() != opening || text.back() != closing) return std::nullopt;
    return std::string(text.substr(1, text.size() - 2));
}

}  // namespace

std::optional<std::string> WithoutFirstWord(std::string_view text) {
    const size_t slash = text.find('\\');
    if (slash == std::string_view::npos || !StartsWithFullRootName(text.substr(slash + 1)))
        return std::nullopt;
    return std::string(text.substr(slash + 1));
}

std::optional<std::string> WithoutQuotes(std::string_view text) { return Between(text, '"', '"'); }

std::optional<std::string> WithoutRegFileBrackets(std::string_view text) {
    std::optional<std::string> inner = Between(text, '[', ']');
    if (inner && !inner->empty() && inner->front() == '-') inner->erase(0, 1);
    return inner;
}

std::optional<std::string> WithoutProviderName(std::string_view text) {
    for (std::string_view provider : {"Microsoft.PowerShell.Core\\Registry::", "Registry::"})
        if (StartsWithNoCase(text, provider)) return std::string(text.substr(provider.size()));
    return std::nullopt;
}

std::optional<std::string> WithoutDriveColon(std::string_view text) {
    const size_t slash = text.find('\\');
    if (slash == std::string_view::npos || slash == 0 || text[slash - 1] != ':')
        return std::nullopt;
    return std::string(text.substr(0, slash - 1)).append(text.substr(slash));
}

}  // namespace zelkova
