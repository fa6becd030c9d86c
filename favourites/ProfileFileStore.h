#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zelkova {

// Whole-file access for PortableProfileFile, which reads a settings file in one piece and
// stores it in one piece. Each system supplies its own: how a file is replaced safely, and
// which files may not be written, differ between them.
class ProfileFileStore {
public:
    virtual ~ProfileFileStore() = default;

    // The file's bytes; empty for a missing file; nothing when it exists but cannot be read
    // (a folder of that name, a failing disk).
    virtual std::optional<std::string> ReadAll(const std::string& path) const = 0;
    // Whether the file may be written, creating it empty when it is missing. False for a folder
    // of that name, a missing folder, and a file the system would not let us change.
    virtual bool CreateForWriting(const std::string& path) const = 0;
    // Makes bytes the file's whole content. A crash at any moment leaves the old content or the
    // new one, never a mixture or nothing, wherever the system allows a replacement.
    virtual bool ReplaceAll(const std::string& path, std::string_view bytes) const = 0;
};

}  // namespace zelkova
