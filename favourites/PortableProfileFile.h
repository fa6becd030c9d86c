#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "favourites/ProfileDocument.h"
#include "favourites/ProfileFile.h"
#include "favourites/ProfileFileStore.h"

namespace zelkova {

// ProfileFile that reads the file once, at the first call, and changes it in memory: where the
// system's profile functions parse and rewrite the whole file on every call (Wine's do), a
// list of thousands of favourites costs one read and one write instead of minutes.
//
// The first write proves the file can be written (creating it when missing), so a refused write
// is reported at that key as with the Windows functions; later writes are stored together by
// Flush, or by the destructor if no Flush came, through the store's whole-file replacement. A
// file that exists but cannot be read, or is UTF-16 text, reads as empty and refuses every
// write, lest a save replace it with our keys alone or mix 8-bit lines into it.
//
// One object per load or save: changes made by others after the first call are not seen.
class PortableProfileFile final : public ProfileFile {
public:
    // The store must outlive the file.
    PortableProfileFile(std::string path, const ProfileFileStore& store);
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
    const ProfileFileStore& store_;
    std::optional<ProfileDocument> document_;
    bool unreadable_ = false;
    bool provenWritable_ = false;
    bool dirty_ = false;
};

// The opener SettingsFile takes to use PortableProfileFile over the store.
ProfileFileOpener PortableProfileFileOpener(const ProfileFileStore& store);

}  // namespace zelkova
