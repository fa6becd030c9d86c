#pragma once

#include "favourites/ProfileFileStore.h"

namespace zelkova {

// ProfileFileStore over the Win32 file functions. A read-only file is refused, as the Windows
// profile functions refuse it (Wine, run as root, would write it all the same). A file is
// replaced by writing a temporary file beside it to the disk and moving that over it.
class WinProfileFileStore final : public ProfileFileStore {
public:
    std::optional<std::string> ReadAll(const std::string& path) const override;
    bool CreateForWriting(const std::string& path) const override;
    bool ReplaceAll(const std::string& path, std::string_view bytes) const override;
};

}  // namespace zelkova
