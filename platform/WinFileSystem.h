#pragma once
// The skin reader's file access and temporary names on Win32: kernel32 file handles opened
// deny-none, the user's temporary folder and CoCreateGuid.
#include "base/FileAccess.h"
#include "base/TempFileName.h"

namespace zelkova {

class WinFileSystem final : public FileSystem {
public:
    bool FileExists(const std::string& path) override;
    // Others may read, write and delete the file while we hold it open.
    std::unique_ptr<RandomAccessFile> OpenForReading(const std::string& path) override;
    // Only we can open it while it lives; closing it deletes it.
    std::unique_ptr<ScratchFile> CreateScratchFile(const std::string& path) override;
};

class WinTempFolder final : public TempFolder {
public:
    // GetTempPathA. Throws std::runtime_error when the system has none to give.
    std::string TempDirectory() override;
    // CoCreateGuid. Throws std::runtime_error when it fails.
    Guid NewGuid() override;
};

}  // namespace zelkova
