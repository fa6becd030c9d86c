#include "support/SkinFixtures_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "support/ZlibDeflate.h"

namespace zelkova::testing {
namespace {

std::string SystemTempFolder() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(sizeof path, path);
    return std::string(path, length);
}

void RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            const std::string path = folder + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path + "\\");
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

}  // namespace

WinTestFolder::WinTestFolder() {
    static std::atomic<int> counter{0};
    const std::string base = SystemTempFolder();
    for (;;) {
        path_ = base + "zelkova-test-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(++counter) + "\\";
        if (CreateDirectoryA(path_.c_str(), nullptr)) return;
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            ADD_FAILURE() << "cannot create a test folder at " << path_;
            return;
        }
    }
}

WinTestFolder::~WinTestFolder() { RemoveTree(path_); }

std::vector<std::string> WinTestFolder::Contents() const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA((path_ + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

TempPathRedirect::TempPathRedirect(const std::string& folder) {
    for (const char* name : {"TMP", "TEMP"}) {
        char value[32768];
        const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
        saved_.push_back({name, length > 0 && length < sizeof value, std::string(value, length < sizeof value ? length : 0)});
        SetEnvironmentVariableA(name, folder.c_str());
    }
}

TempPathRedirect::~TempPathRedirect() {
    for (const Saved& entry : saved_)
        SetEnvironmentVariableA(entry.name, entry.present ? entry.value.c_str() : nullptr);
}

std::vector<std::uint8_t> SkinFileBytes(const SkinContainerBuilder& container,
                                        const std::string& password) {
    SkinArchiveOptions options;
    options.deflate = [](std::span<const std::uint8_t> data) { return ZlibRawDeflate(data, 9); };
    options.password = password;
    return BuildSkinFile(container, options);
}

void WriteSkinFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    ASSERT_TRUE(WriteFileBytes(path, bytes)) << "cannot write " << path;
}

namespace {

struct WinSkinFiles {
    WinFileSystem files;
    WinTempFolder temp;
    WinSkinSearchFolders folders;
};

WinSkinFiles& SystemSkinFiles() {
    static WinSkinFiles skinFiles;
    return skinFiles;
}

}  // namespace

SkinFileEnvironment SystemSkinFileEnvironment() {
    return {SystemSkinFiles().files, SystemSkinFiles().temp};
}

SkinSearchFolders& SystemSkinSearchFolders() { return SystemSkinFiles().folders; }

TsuiFileTheme& MakeFileTheme(Component& owner) {
    return Make<TsuiFileTheme>(owner, SystemSkinFileEnvironment(), SystemSkinSearchFolders());
}

std::unique_ptr<TsuiFileTheme> MakeUnownedFileTheme() {
    return std::make_unique<TsuiFileTheme>(nullptr, SystemSkinFileEnvironment(), SystemSkinSearchFolders());
}

}  // namespace zelkova::testing
