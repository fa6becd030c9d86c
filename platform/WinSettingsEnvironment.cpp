#include "platform/WinSettingsEnvironment.h"

#include <shlobj.h>

#include "base/UniqueHandle.h"

namespace zelkova {

namespace {

struct ItemIdListTraits {
    using Handle = LPITEMIDLIST;
    static void Close(LPITEMIDLIST list) noexcept { CoTaskMemFree(list); }
};

}  // namespace

std::string WinSettingsEnvironment::ApplicationDataFolder() {
    LPITEMIDLIST found = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner_, CSIDL_APPDATA, &found))) return {};
    const UniqueHandle<ItemIdListTraits> list(found);
    char path[MAX_PATH] = {};
    if (!SHGetPathFromIDListA(list.get(), path)) return {};
    return path;
}

bool WinSettingsEnvironment::FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool WinSettingsEnvironment::CreateFolder(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

std::string WinSettingsEnvironment::ExecutablePath() {
    // A path longer than the buffer comes back cut and zero-terminated at its size: grow.
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(path.size());
        const DWORD length = GetModuleFileNameA(nullptr, path.data(), size);
        if (length == 0) return {};
        if (length < size || size >= 32768) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace zelkova
