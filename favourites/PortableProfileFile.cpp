#include "favourites/PortableProfileFile.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <utility>

namespace zelkova {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileCloser>;

// A missing file reads as empty; nothing when the file exists but cannot be read (a folder of
// that name, a failing disk). C stdio, because a file stream throws from its buffer when the
// name turns out to be a folder.
std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::string bytes;
    const UniqueFile file(std::fopen(path.c_str(), "rb"));
    if (!file) return bytes;
    char chunk[16384];
    size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) bytes.append(chunk, got);
    if (std::ferror(file.get())) return std::nullopt;
    return bytes;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

}  // namespace

PortableProfileFile::PortableProfileFile(std::string path) : path_(std::move(path)) {}

PortableProfileFile::~PortableProfileFile() {
    // Best effort: a caller that wants to know of a failure calls Flush itself.
    if (dirty_) Flush();
}

ProfileDocument& PortableProfileFile::Document() {
    if (!document_) {
        const std::optional<std::string> bytes = ReadWholeFile(path_);
        unreadable_ = !bytes;
        document_ = ProfileDocument::Parse(bytes.value_or(std::string()));
    }
    return *document_;
}

std::string PortableProfileFile::ReadString(std::string_view section, std::string_view key,
                                            std::string_view defaultValue) {
    return Document().Read(section, key, defaultValue);
}

bool PortableProfileFile::ProveWritable() {
    // Writing what could not be read would store our keys alone and lose everything else.
    if (unreadable_) return false;
    if (!provenWritable_) {
        // Appending nothing creates a missing file and leaves an existing one as it is.
        std::ofstream probe(path_, std::ios::binary | std::ios::app);
        provenWritable_ = probe.is_open();
    }
    return provenWritable_;
}

bool PortableProfileFile::WriteString(std::string_view section, std::string_view key,
                                      std::string_view value) {
    ProfileDocument& document = Document();
    if (!ProveWritable() || !document.Write(section, key, value)) return false;
    dirty_ = true;
    return true;
}

std::vector<std::string> PortableProfileFile::KeyNames(std::string_view section) {
    return Document().KeyNames(section);
}

std::vector<std::string> PortableProfileFile::SectionNames() { return Document().SectionNames(); }

bool PortableProfileFile::Flush() {
    if (!dirty_) return true;
    const std::string bytes = Document().Serialize();
    const std::string temporary = path_ + ".new";
    bool stored = false;
    if (WriteWholeFile(temporary, bytes)) {
        stored = std::rename(temporary.c_str(), path_.c_str()) == 0;
        if (!stored) std::remove(temporary.c_str());
    }
    // A folder that takes no new files may still let the file itself be rewritten.
    if (!stored) stored = WriteWholeFile(path_, bytes);
    if (stored) dirty_ = false;
    return stored;
}

}  // namespace zelkova
