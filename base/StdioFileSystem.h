#pragma once
// FileSystem over the C runtime's stdio with 8-bit paths: what the native build and the tests
// use. The Windows C runtime opens files deny-none, as the skin reader wants.
#include "base/FileAccess.h"

namespace zelkova {

class StdioFileSystem final : public FileSystem {
public:
    bool FileExists(const std::string& path) override;
    std::unique_ptr<RandomAccessFile> OpenForReading(const std::string& path) override;
    // Exclusive creation ("x"); the name is unlinked at once where the system allows an open
    // file to lose its name, else when the file is destroyed.
    std::unique_ptr<ScratchFile> CreateScratchFile(const std::string& path) override;

    // Plain file output for tools and benchmarks; the skin reader never writes by name.
    std::unique_ptr<OutputFile> CreateForWriting(const std::string& path);
    bool RemoveFile(const std::string& path);
};

}  // namespace zelkova
