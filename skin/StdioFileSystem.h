#pragma once
// FileSystem over the C runtime's stdio with 8-bit paths: what the native build and the tests
// use. The Windows C runtime opens files deny-none, as the skin reader wants.
#include "skin/FileAccess.h"

namespace zelkova {

class StdioFileSystem final : public FileSystem {
public:
    bool FileExists(const std::string& path) override;
    std::unique_ptr<RandomAccessFile> OpenForReading(const std::string& path) override;
    std::unique_ptr<OutputFile> CreateForWriting(const std::string& path) override;
    bool RemoveFile(const std::string& path) override;
};

}  // namespace zelkova
