// Key paths as other programs write them. Each function gives the path inside its wrapping, or
// nothing when the text does not have that wrapping whole. The root left inside is judged by
// the written rules alone, so "Registry::hkey_users\X" is no more a root than "hkey_users\X".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zelkova {

// Computer\HKEY_CURRENT_USER\X: the editor's address bar and "Copy Key Name". Any first word
// (it is translated on other systems) before a full root name as written.
std::optional<std::string> WithoutFirstWord(std::string_view text);

// "HKCU\X": a path as a command line quotes it. A quote at one end only is no wrapping.
std::optional<std::string> WithoutQuotes(std::string_view text);

// [HKEY_CURRENT_USER\X] and [-HKEY_CURRENT_USER\X]: a .reg file's key header, and the header
// that deletes the key. Nothing may stand outside the brackets.
std::optional<std::string> WithoutRegFileBrackets(std::string_view text);

// Registry::HKEY_CURRENT_USER\X and Microsoft.PowerShell.Core\Registry::HKEY_CURRENT_USER\X:
// PowerShell's provider paths, whose provider names match in any letter case.
std::optional<std::string> WithoutProviderName(std::string_view text);

// HKCU:\X: a PowerShell drive. The colon that ends the first component goes.
std::optional<std::string> WithoutDriveColon(std::string_view text);

}  // namespace zelkova
