#pragma once
// A fresh folder under the Windows temporary folder for one test, removed with everything in it
// when the test ends. Paths are Windows paths with backslashes.
#include <string>

namespace zelkova::testing {

class WinScratchFolder {
public:
    WinScratchFolder();
    ~WinScratchFolder();
    WinScratchFolder(const WinScratchFolder&) = delete;
    WinScratchFolder& operator=(const WinScratchFolder&) = delete;

    // With a trailing backslash.
    const std::string& Folder() const { return folder_; }
    std::string File(const std::string& name) const { return folder_ + name; }

private:
    std::string folder_;
};

std::string ReadFileText(const std::string& path);
void WriteFileText(const std::string& path, const std::string& bytes);

}  // namespace zelkova::testing
