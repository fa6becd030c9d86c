#include "platform/WinSkinSearchFolders.h"

#include <windows.h>

#include "platform/ModuleFileName.h"

namespace zelkova {
namespace {

// GetWindowsDirectoryA and GetSystemDirectoryA answer a too-small buffer with the size they
// need, terminating zero included.
template <typename Query>
std::string AskForFolder(Query query) {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const UINT length = query(path.data(), static_cast<UINT>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(length);
    }
}

}  // namespace

std::string WinSkinSearchFolders::ExecutableFolder() {
    const std::string path = ExecutableFilePath();
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

std::string WinSkinSearchFolders::WindowsFolder() {
    return AskForFolder([](char* buffer, UINT size) { return ::GetWindowsDirectoryA(buffer, size); });
}

std::string WinSkinSearchFolders::SystemFolder() {
    return AskForFolder([](char* buffer, UINT size) { return ::GetSystemDirectoryA(buffer, size); });
}

}  // namespace zelkova
