#pragma once
// A fresh folder under the system's temporary folder for one test, removed with everything in
// it when the test ends (native tests only).
#include <filesystem>
#include <string>
#include <vector>

namespace zelkova::testing {

class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The path of a file in the folder, with a trailing separator for an empty name.
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::string Folder() const { return path_.string() + "/"; }
    // Names of what the folder holds, sorted.
    std::vector<std::string> Contents() const;

private:
    std::filesystem::path path_;
};

}  // namespace zelkova::testing
