#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "favourites/ProfileDocument.h"
#include "favourites/ProfileFile.h"

namespace zelkova {

// ProfileFile for builds without the Windows profile functions: the file is read once, at the
// first call, and changed in memory. The first write proves the file can be written (creating
// it when missing), so a refused write is reported at that key as with the Windows functions;
// later writes are stored together by Flush, or by the destructor if no Flush came. Flush
// replaces the file through a temporary file beside it, so a crash never leaves half a file.
// A file that exists but cannot be read refuses every write, lest a save replace it with our
// keys alone.
//
// One object per load or save: changes made by others after the first call are not seen.
class PortableProfileFile final : public ProfileFile {
public:
    explicit PortableProfileFile(std::string path);
    ~PortableProfileFile() override;
    PortableProfileFile(const PortableProfileFile&) = delete;
    PortableProfileFile& operator=(const PortableProfileFile&) = delete;

    const std::string& Path() const override { return path_; }
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) override;
    bool WriteString(std::string_view section, std::string_view key,
                     std::string_view value) override;
    std::vector<std::string> KeyNames(std::string_view section) override;
    bool Flush() override;

    std::vector<std::string> SectionNames();

private:
    ProfileDocument& Document();
    bool ProveWritable();

    std::string path_;
    std::optional<ProfileDocument> document_;
    bool unreadable_ = false;
    bool provenWritable_ = false;
    bool dirty_ = false;
};

}  // namespace zelkova
