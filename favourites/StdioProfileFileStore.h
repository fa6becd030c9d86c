#pragma once

#include "favourites/ProfileFileStore.h"

namespace zelkova {

// ProfileFileStore over C stdio, for systems where rename replaces a file in one step (POSIX).
class StdioProfileFileStore final : public ProfileFileStore {
public:
    std::optional<std::string> ReadAll(const std::string& path) const override;
    bool CreateForWriting(const std::string& path) const override;
    bool ReplaceAll(const std::string& path, std::string_view bytes) const override;
};

}  // namespace zelkova
