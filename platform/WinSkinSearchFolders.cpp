#include "platform/WinSkinSearchFolders.h"

#include <windows.h>

#include "platform/PathQuery.h"

namespace zelkova {

std::string WinSkinSearchFolders::ExecutableFolder() {
    const std::string path = ExecutableFilePath();
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string WinSkinSearchFolders::WindowsFolder() {
    return ReadPathSizedOnDemand(
        [](char* buffer, DWORD size) { return ::GetWindowsDirectoryA(buffer, size); });
}

std::string WinSkinSearchFolders::SystemFolder() {
    return ReadPathSizedOnDemand(
        [](char* buffer, DWORD size) { return ::GetSystemDirectoryA(buffer, size); });
}

}  // namespace zelkova
