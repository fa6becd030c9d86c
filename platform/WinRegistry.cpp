#include "platform/WinRegistry.h"

#include <windows.h>

#include <string>

#include "base/UniqueHandle.h"

namespace zelkova {
namespace {

constexpr REGSAM kReadAccess = STANDARD_RIGHTS_READ | KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS;

struct RegistryKeyTraits {
    using Handle = HKEY;
    static void Close(HKEY key) noexcept { RegCloseKey(key); }
};
using RegistryKey = UniqueHandle<RegistryKeyTraits>;

RegistryKey OpenRegistryKey(HKEY root, std::string_view path, REGSAM access) {
    const std::string zeroTerminated(WithoutLeadingBackslash(path));
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, zeroTerminated.c_str(), 0, access, &key) != ERROR_SUCCESS) return {};
    return RegistryKey(key);
}

HKEY ToHkey(PredefinedKey root) {
    switch (root) {
        case PredefinedKey::LocalMachine: return HKEY_LOCAL_MACHINE;
        case PredefinedKey::CurrentUser: return HKEY_CURRENT_USER;
        case PredefinedKey::Users: return HKEY_USERS;
        case PredefinedKey::ClassesRoot: return HKEY_CLASSES_ROOT;
        case PredefinedKey::CurrentConfig: return HKEY_CURRENT_CONFIG;
    }
    return HKEY_CURRENT_USER;
}

class WinRegistryProbe : public RegistryProbe {
public:
    explicit WinRegistryProbe(HKEY root) : root_(root) {}

    bool KeyExists(std::string_view path) override {
        return static_cast<bool>(OpenRegistryKey(root_, path, kReadAccess));
    }
    bool OpenKey(std::string_view path) override {
        RegistryKey key = OpenRegistryKey(root_, path, KEY_ALL_ACCESS);
        if (!key) return false;
        current_ = std::move(key);
        return true;
    }
    bool ValueExists(std::string_view name) override {
        if (!current_) return false;
        const std::string zeroTerminated(name);
        DWORD type = 0, size = 0;
        return RegQueryValueExA(current_.get(), zeroTerminated.c_str(), nullptr, &type, nullptr,
                                &size) == ERROR_SUCCESS;
    }

private:
    HKEY root_;
    RegistryKey current_;
};

}  // namespace

std::unique_ptr<RegistryProbe> WinRegistryAccess::MakeProbe(PredefinedKey root) {
    return std::make_unique<WinRegistryProbe>(ToHkey(root));
}

}  // namespace zelkova
