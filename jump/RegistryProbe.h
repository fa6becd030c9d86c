#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace zelkova {

enum class PredefinedKey { LocalMachine, CurrentUser, Users, ClassesRoot, CurrentConfig };

// Existence tests against the live registry, bound to one predefined key. A probe holds at
// most one open key (its current key) and closes it when destroyed.
class RegistryProbe {
public:
    virtual ~RegistryProbe() = default;
    // Read access; an empty path names the root itself.
    virtual bool KeyExists(std::string_view path) = 0;
    // Full access, never creating the key; on success the key becomes the current key.
    virtual bool OpenKey(std::string_view path) = 0;
    // Asked of the current key only after a successful OpenKey.
    virtual bool ValueExists(std::string_view name) = 0;
};

class RegistryAccess {
public:
    virtual ~RegistryAccess() = default;
    virtual std::unique_ptr<RegistryProbe> MakeProbe(PredefinedKey root) = 0;
};

// Every probe drops one leading backslash before it asks the registry, so that a doubled
// backslash after the root ("HKLM\\SOFTWARE") still names SOFTWARE.
inline std::string_view WithoutLeadingBackslash(std::string_view path) {
    if (!path.empty() && path.front() == '\\') path.remove_prefix(1);
    return path;
}

}  // namespace zelkova
