#pragma once

#include "jump/RegistryProbe.h"

#include <optional>
#include <string_view>

namespace zelkova {

struct RootKey {
    std::string_view Abbreviation;  // matched in any letter case
    std::string_view FullName;      // matched exactly
    PredefinedKey Key;
};

inline constexpr RootKey kRootKeys[] = {
    {"HKLM", "HKEY_LOCAL_MACHINE", PredefinedKey::LocalMachine},
    {"HKCU", "HKEY_CURRENT_USER", PredefinedKey::CurrentUser},
    {"HKU", "HKEY_USERS", PredefinedKey::Users},
    {"HKCR", "HKEY_CLASSES_ROOT", PredefinedKey::ClassesRoot},
    {"HKCC", "HKEY_CURRENT_CONFIG", PredefinedKey::CurrentConfig},
};

// The first test of any key text, typed or pasted: "HK" in any ASCII case, anywhere in it.
bool LooksLikeKeyText(std::string_view text);

// The root named by the text before the first backslash: an abbreviation in any case, or a
// full name exactly as written (so "hkey_local_machine" is no root).
std::optional<RootKey> FindRootKey(std::string_view rootText);

// Whether the text begins with a full root name, exactly as written, that ends there or at a
// backslash ("HKEY_USERS\\.DEFAULT" does, "HKEY_USERSX" and "hkey_users" do not).
bool StartsWithFullRootName(std::string_view text);

}  // namespace zelkova
