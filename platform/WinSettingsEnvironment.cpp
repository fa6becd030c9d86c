#include "platform/WinSettingsEnvironment.h"

#include <shlobj.h>

#include "base/UniqueHandle.h"
#include "platform/PathQuery.h"

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

std::string WinSettingsEnvironment::ExecutablePath() { return ExecutableFilePath(); }

}  // namespace zelkova
