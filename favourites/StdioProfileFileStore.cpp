#include "favourites/StdioProfileFileStore.h"

#include <cstdio>
#include <memory>

namespace zelkova {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// C stdio rather than file streams: a stream throws from its buffer when the name turns out
// to be a folder.
bool WriteWholeFile(const std::string& path, std::string_view bytes) {
    UniqueFile file(std::fopen(path.c_str(), "wb"));
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    return std::fclose(file.release()) == 0 && written;
}

}  // namespace

std::optional<std::string> StdioProfileFileStore::ReadAll(const std::string& path) const {
    std::string bytes;
    const UniqueFile file(std::fopen(path.c_str(), "rb"));
    if (!file) return bytes;
    char chunk[16384];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) bytes.append(chunk, got);
    if (std::ferror(file.get())) return std::nullopt;
    return bytes;
}

bool StdioProfileFileStore::CreateForWriting(const std::string& path) const {
    // Appending nothing creates a missing file and leaves an existing one as it is.
    return UniqueFile(std::fopen(path.c_str(), "ab")) != nullptr;
}

bool StdioProfileFileStore::ReplaceAll(const std::string& path, std::string_view bytes) const {
    const std::string temporary = path + ".new";
    if (WriteWholeFile(temporary, bytes)) {
        if (std::rename(temporary.c_str(), path.c_str()) == 0) return true;
        std::remove(temporary.c_str());
    }
    // A folder that takes no new files may still let the file itself be rewritten.
    return WriteWholeFile(path, bytes);
}

}  // namespace zelkova
